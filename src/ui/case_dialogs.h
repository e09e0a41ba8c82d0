#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "calc/project_info.h"

class QWidget;

namespace tavoro {

// What the engineer answers when unsaved changes are about to be lost.
enum class UnsavedChoice { kSave, kDiscard, kCancel };

// The questions the input form asks around case files. The desktop shows
// real dialogs; tests put answers in their place.
struct CaseDialogs {
  // Unsaved changes to the case shown as caseName: save them, drop them or
  // keep working.
  std::function<UnsavedChoice(QWidget* parent, const QString& caseName)> askToSave;
  // The case file to open, or "" when cancelled.
  std::function<QString(QWidget* parent)> openFileName;
  // Where to save, starting from suggested, or "" when cancelled.
  std::function<QString(QWidget* parent, const QString& suggested)> saveFileName;
  // The project texts edited, or nothing when cancelled.
  std::function<std::optional<ProjectInfo>(QWidget* parent, const ProjectInfo& project)>
      editProject;
  // Shows the program's name and version.
  std::function<void(QWidget* parent)> about;
};

// The desktop's dialogs: message boxes, the file dialogs filtered to
// *.tavoro and the project dialog.
CaseDialogs DesktopCaseDialogs();

}  // namespace tavoro
