#include "ui/study_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "study/study_input.h"
#include "study/study_text.h"

namespace tavoro {

StudyDialog::StudyDialog(const StudyRequest& base, const std::vector<double>& defaultKgList,
                         MessageFunction message, QWidget* parent)
    : QDialog(parent), request_(base), message_(std::move(message)) {
  setObjectName(QStringLiteral("StudyDialog"));
  setWindowTitle(QStringLiteral("改良幅の検討"));
  kgList_ = new QLineEdit(QString::fromStdString(KgListText(defaultKgList)), this);
  widthMax_ = new QLineEdit(QString::fromStdString(ShortNumberText(kDefaultStudyWidth)), this);
  targetKind_ = new QComboBox(this);
  targetKind_->addItem(QStringLiteral("湧水量 Q2 (m³/min) 以下"));
  targetKind_->addItem(QStringLiteral("改良範囲端の水位低下量 S2 (m) 以下"));
  targetValue_ = new QLineEdit(this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("改良後の透水係数 kg (cm/sec)："), kgList_);
  form->addRow(QStringLiteral("改良幅の上限 (m)："), widthMax_);
  form->addRow(QStringLiteral("目標："), targetKind_);
  form->addRow(QStringLiteral("目標値："), targetValue_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("検討"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &StudyDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  targetValue_->setFocus();
}

std::optional<StudyRequest> StudyDialog::Read(QString* error) const {
  const auto fail = [&](const std::string& message) -> std::optional<StudyRequest> {
    if (error) *error = QString::fromStdString(message);
    return std::nullopt;
  };
  StudyRequest request = request_;
  KgListRead list = ReadKgList(kgList_->text().toStdString(), request.knCmPerSec);
  if (!list.list) return fail(list.error);
  request.kgList = std::move(*list.list);
  const StudyValueRead width = ReadStudyWidthMax(widthMax_->text().toStdString());
  if (!width.value) return fail(width.error);
  request.widthMax = *width.value;
  const StudyTargetKind kind =
      targetKind_->currentIndex() == 0 ? StudyTargetKind::kInflow : StudyTargetKind::kDrawdown;
  const StudyValueRead target = ReadStudyTarget(kind, targetValue_->text().toStdString());
  if (!target.value) return fail(target.error);
  request.target = StudyTarget{kind, *target.value};
  if (const std::optional<std::string> problem = CheckStudyRequest(request)) return fail(*problem);
  return request;
}

void StudyDialog::accept() {
  QString error;
  const std::optional<StudyRequest> request = Read(&error);
  if (!request) {
    message_(this, error);
    return;
  }
  request_ = *request;
  QDialog::accept();
}

}  // namespace tavoro
