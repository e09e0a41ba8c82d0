#pragma once

#include <QDialog>

#include "calc/project_info.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tavoro {

// 案件情報: the five project texts. The date is empty or one of the forms
// NormalizedProjectDate reads, kept as YYYY-MM-DD; OK stays disabled while it
// is anything else, and a line under the date says what it takes. Tab leaves the memo; Ctrl+Enter is OK.
class ProjectDialog : public QDialog {
 public:
  ProjectDialog(const ProjectInfo& project, QWidget* parent);

  ProjectInfo Project() const;

  QLineEdit& NameEdit() { return *name_; }
  QLineEdit& DateEdit() { return *date_; }

 private:
  QLineEdit* name_ = nullptr;
  QLineEdit* shaft_ = nullptr;
  QLineEdit* author_ = nullptr;
  QLineEdit* checker_ = nullptr;
  QLineEdit* date_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
  QLabel* dateHint_ = nullptr;
};

}  // namespace tavoro
