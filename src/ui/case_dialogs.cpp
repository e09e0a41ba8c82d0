#include "ui/case_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "tavoro_version.h"
#include "ui/case_settings.h"
#include "ui/project_dialog.h"

namespace tavoro {
namespace {

const QString kFilter = QStringLiteral("Tavoro 案件ファイル (*.tavoro);;すべてのファイル (*)");

UnsavedChoice AskToSave(QWidget* parent, const QString& caseName) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Tavoro"),
                  QStringLiteral("%1 への変更を保存しますか？").arg(caseName),
                  QMessageBox::NoButton, parent);
  QPushButton* save = box.addButton(QStringLiteral("保存する(&S)"), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QStringLiteral("保存しない(&N)"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return UnsavedChoice::kSave;
  if (box.clickedButton() == discard) return UnsavedChoice::kDiscard;
  return UnsavedChoice::kCancel;
}

QString OpenFileName(QWidget* parent) {
  const QString path = QFileDialog::getOpenFileName(
      parent, QStringLiteral("開く"), InLastFolder(DialogFolder::kCases), kFilter);
  RememberFolderOf(DialogFolder::kCases, path);
  return path;
}

QString SaveFileName(QWidget* parent, const QString& suggested) {
  QFileDialog dialog(parent, QStringLiteral("名前を付けて保存"),
                     InLastFolder(DialogFolder::kCases, suggested), kFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("tavoro"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  RememberFolderOf(DialogFolder::kCases, dialog.selectedFiles().constFirst());
  return dialog.selectedFiles().constFirst();
}

std::optional<ProjectInfo> EditProject(QWidget* parent, const ProjectInfo& project) {
  ProjectDialog dialog(project, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Project();
}

void About(QWidget* parent) {
  QMessageBox::about(parent, QStringLiteral("バージョン情報"),
                     QStringLiteral("Tavoro " TAVORO_VERSION "\n立坑の湧水量と地下水位低下の計算"));
}

}  // namespace

CaseDialogs DesktopCaseDialogs() {
  return CaseDialogs{AskToSave, OpenFileName, SaveFileName, EditProject, About};
}

}  // namespace tavoro
