#pragma once

#include <QDialog>
#include <array>

#include "calc/input_fields.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tavoro {

// 案件情報: the project texts, one line each, メモ over several lines. The
// date is empty or one of the forms NormalizedProjectDate reads, kept as
// YYYY-MM-DD; OK stays disabled while it is anything else, and a line under
// the date says what it takes. Tab leaves the memo; Ctrl+Enter is OK.
class ProjectDialog : public QDialog {
 public:
  ProjectDialog(const ProjectInfo& project, QWidget* parent);

  ProjectInfo Project() const;

  QLineEdit& NameEdit() { return *name_; }
  QLineEdit& DateEdit() { return *date_; }

 private:
  // One editor per project text: a line, or for メモ several.
  std::array<QLineEdit*, kProjectTexts.size()> lines_{};
  std::array<QPlainTextEdit*, kProjectTexts.size()> blocks_{};
  QLineEdit* name_ = nullptr;
  QLineEdit* date_ = nullptr;
  QLabel* dateHint_ = nullptr;
};

}  // namespace tavoro
