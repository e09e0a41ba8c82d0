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
  name_ = LineEdit(project.name, this);
  shaft_ = LineEdit(project.shaft, this);
  author_ = LineEdit(project.author, this);
  checker_ = LineEdit(project.checker, this);
  date_ = LineEdit(project.date, this);
  date_->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
  notes_ = new QPlainTextEdit(QString::fromStdString(project.notes), this);
  // Tab leaves the memo as it leaves every other field.
  notes_->setTabChangesFocus(true);
  dateHint_ = new QLabel(QStringLiteral("日付は YYYY-MM-DD、YYYY/MM/DD、YYYY年M月D日 のいずれかの形で入力してください（例 2026-12-07）。"), this);
  dateHint_->setObjectName(QStringLiteral("dateHint"));
  dateHint_->setStyleSheet(QStringLiteral("color: #b00000;"));
  form->addRow(QStringLiteral("工事名(&N)"), name_);
  form->addRow(QStringLiteral("立坑名(&S)"), shaft_);
  form->addRow(QStringLiteral("作成者(&A)"), author_);
  form->addRow(QStringLiteral("照査者(&C)"), checker_);
  form->addRow(QStringLiteral("日付(&D)"), date_);
  form->addRow(QString(), dateHint_);
  form->addRow(QStringLiteral("メモ(&M)"), notes_);

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
  const std::string typedDate = date_->text().toStdString();
  std::string date = NormalizedProjectDate(typedDate).value_or(typedDate);
  return ProjectInfo{name_->text().toStdString(), shaft_->text().toStdString(),
                     author_->text().toStdString(), std::move(date),
                     notes_->toPlainText().toStdString(), checker_->text().toStdString()};
}

}  // namespace tavoro
