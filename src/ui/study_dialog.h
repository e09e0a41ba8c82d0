#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "study/study.h"
#include "ui/message.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tavoro {

// What the study dialog asks of the form it belongs to.
struct StudyDialogActions {
  // Shows the study's pages in the preview.
  std::function<void(const StudyResult&)> showPages;
  // Puts a ring width (m) and its kg (cm/sec) into the form's fields.
  std::function<void(double width, double kgCmPerSec)> apply;
  // Keeps the target last studied, for the next time the dialog opens on
  // the same case.
  std::function<void(const StudyTarget&)> keepTarget;
};

// 改良幅の検討: asks for the permeabilities to try (cm/sec, comma-separated),
// the widest ring and the target, Q2 or S2 with its value, the focus in the
// value. 検討 runs the study and shows its answers in a table, one row per
// kg, the first selected; a field that does not read is named in message
// and nothing runs. ページを表示… shows the study's pages, コピー (and
// Ctrl+C outside the fields) copies the table as tab-separated text, and
// 適用 puts the selected row's B and kg into the form and closes the
// dialog; it is disabled on a row without a width.
class StudyDialog : public QDialog {
 public:
  // base holds the case's nine inputs; its kg list starts as defaultKgList,
  // the target as target (else Q2 with an empty value).
  StudyDialog(const StudyRequest& base, const std::vector<double>& defaultKgList,
              const std::optional<StudyTarget>& target, MessageFunction message,
              StudyDialogActions actions, QWidget* parent = nullptr);

  // The whole request as the fields read now, or the Japanese message of
  // the first field that does not read or of a study that cannot run.
  std::optional<StudyRequest> Read(QString* error) const;

  // 検討: whether the study ran.
  bool Run();
  // The last study run, none before the first.
  const std::optional<StudyResult>& Result() const { return result_; }
  void Apply();
  void CopyAnswers() const;

  QLineEdit& kgList() { return *kgList_; }
  QLineEdit& widthMax() { return *widthMax_; }
  QComboBox& targetKind() { return *targetKind_; }
  QLineEdit& targetValue() { return *targetValue_; }
  QTableWidget& Answers() { return *answers_; }
  QPushButton& RunButton() { return *runButton_; }
  QPushButton& PagesButton() { return *pagesButton_; }
  QPushButton& CopyButton() { return *copyButton_; }
  QPushButton& ApplyButton() { return *applyButton_; }

 private:
  void ShowAnswers();
  void UpdateButtons();

  StudyRequest base_;
  MessageFunction message_;
  StudyDialogActions actions_;
  std::optional<StudyResult> result_;
  QLineEdit* kgList_ = nullptr;
  QLineEdit* widthMax_ = nullptr;
  QComboBox* targetKind_ = nullptr;
  QLineEdit* targetValue_ = nullptr;
  QPushButton* runButton_ = nullptr;
  QLabel* range_ = nullptr;
  QTableWidget* answers_ = nullptr;
  QLabel* kgForWidth_ = nullptr;
  QPushButton* pagesButton_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QPushButton* applyButton_ = nullptr;
};

}  // namespace tavoro
