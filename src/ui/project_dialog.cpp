#include "ui/project_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QShortcut>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/project_date.h"
#include "casefile/case_file.h"

namespace tavoro {
namespace {

QLineEdit* LineEdit(const std::string& text, QWidget* parent) {
  auto* edit = new QLineEdit(QString::fromStdString(text), parent);
  edit->setMinimumWidth(320);
  return edit;
}

}  // namespace

ProjectDialog::ProjectDialog(const ProjectInfo& project, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("案件情報"));
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    const ProjectText& text = kProjectTexts[i];
    const QString label =
        QString::fromUtf8(text.caption.data(), static_cast<qsizetype>(text.caption.size())) +
        QStringLiteral("(&") + QChar::fromLatin1(text.accessKey) + QLatin1Char(')');
    const std::string& value = project.*text.text;
    if (text.text == &ProjectInfo::notes) {
      blocks_[i] = new QPlainTextEdit(QString::fromStdString(value), this);
      // Tab leaves the memo as it leaves every other field.
      blocks_[i]->setTabChangesFocus(true);
      form->addRow(label, blocks_[i]);
      continue;
    }
    lines_[i] = LineEdit(value, this);
    form->addRow(label, lines_[i]);
    if (text.text == &ProjectInfo::date) {
      date_ = lines_[i];
      date_->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
      dateHint_ = new QLabel(QStringLiteral("日付は ") + QString::fromUtf8(kProjectDateForm.data(), static_cast<qsizetype>(kProjectDateForm.size())) +
                             QStringLiteral(" のいずれかの形で入力してください（例 2026-12-07）。"),
                             this);
      dateHint_->setObjectName(QStringLiteral("dateHint"));
      dateHint_->setStyleSheet(QStringLiteral("color: #b00000;"));
      form->addRow(QString(), dateHint_);
    }
    if (text.text == &ProjectInfo::name) name_ = lines_[i];
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  const auto checkDate = [this, ok] {
    const bool valid =
        date_->text().isEmpty() || NormalizedProjectDate(date_->text().toStdString()).has_value();
    ok->setEnabled(valid);
    dateHint_->setVisible(!valid);
  };
  // Ctrl+Enter is OK from any field, the memo included.
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, ok] {
      if (ok->isEnabled()) accept();
    });
  }
  connect(date_, &QLineEdit::textChanged, this, checkDate);
  checkDate();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

ProjectInfo ProjectDialog::Project() const {
  ProjectInfo project;
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    project.*kProjectTexts[i].text = lines_[i] != nullptr ? lines_[i]->text().toStdString()
                                                          : blocks_[i]->toPlainText().toStdString();
  }
  project.date = NormalizedProjectDate(project.date).value_or(project.date);
  return project;
}

}  // namespace tavoro
