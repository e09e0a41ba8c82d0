#include "ui/project_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
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
  date_ = LineEdit(project.date, this);
  date_->setPlaceholderText(QStringLiteral("YYYY-MM-DD"));
  notes_ = new QPlainTextEdit(QString::fromStdString(project.notes), this);
  form->addRow(QStringLiteral("工事名(&N)"), name_);
  form->addRow(QStringLiteral("立坑名(&S)"), shaft_);
  form->addRow(QStringLiteral("作成者(&A)"), author_);
  form->addRow(QStringLiteral("日付(&D)"), date_);
  form->addRow(QStringLiteral("メモ(&M)"), notes_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  const auto checkDate = [this, ok] {
    ok->setEnabled(date_->text().isEmpty() || IsProjectDate(date_->text().toStdString()));
  };
  connect(date_, &QLineEdit::textChanged, this, checkDate);
  checkDate();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

ProjectInfo ProjectDialog::Project() const {
  return ProjectInfo{name_->text().toStdString(), shaft_->text().toStdString(),
                     author_->text().toStdString(), date_->text().toStdString(),
                     notes_->toPlainText().toStdString(), {}};
}

}  // namespace tavoro
