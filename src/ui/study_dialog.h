#pragma once

#include <QDialog>
#include <vector>

#include "study/study.h"
#include "ui/message.h"

class QComboBox;
class QLineEdit;

namespace tavoro {

// 改良幅の検討: asks for the permeabilities to try (cm/sec, comma-separated),
// the widest ring and the target, Q2 or S2 with its value. OK accepts only a
// study that can run on the case; otherwise message names what is wrong and
// the dialog stays open.
class StudyDialog : public QDialog {
 public:
  // base holds the case's nine inputs; its kg list starts as defaultKgList.
  StudyDialog(const StudyRequest& base, const std::vector<double>& defaultKgList,
              MessageFunction message, QWidget* parent = nullptr);

  // The whole request as the fields read now, or the Japanese message of
  // the first field that does not read or of a study that cannot run.
  std::optional<StudyRequest> Read(QString* error) const;

  // The request accepted by OK.
  const StudyRequest& request() const { return request_; }

  QLineEdit& kgList() { return *kgList_; }
  QLineEdit& widthMax() { return *widthMax_; }
  QComboBox& targetKind() { return *targetKind_; }
  QLineEdit& targetValue() { return *targetValue_; }

  void accept() override;

 private:
  StudyRequest request_;
  MessageFunction message_;
  QLineEdit* kgList_ = nullptr;
  QLineEdit* widthMax_ = nullptr;
  QComboBox* targetKind_ = nullptr;
  QLineEdit* targetValue_ = nullptr;
};

}  // namespace tavoro
