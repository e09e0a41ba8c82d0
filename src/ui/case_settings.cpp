#include "ui/case_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <memory>

namespace tavoro {
namespace {

const QString kRecent = QStringLiteral("recentFiles");
const QString kLastPath = QStringLiteral("lastCase/path");
const QString kLastModified = QStringLiteral("lastCase/modified");
const QString kLastText = QStringLiteral("lastCase/text");

QString FolderKey(DialogFolder kind) {
  constexpr std::array<const char*, 3> kKeys = {"folders/cases", "folders/exports",
                                                "folders/batch"};
  return QString::fromLatin1(kKeys[static_cast<std::size_t>(kind)]);
}

std::unique_ptr<QSettings> Settings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("Tavoro"), QStringLiteral("tavoro"));
}

void StoreRecent(QSettings& settings, QStringList files) {
  while (files.size() > kMaxRecentCaseFiles) files.removeLast();
  settings.setValue(kRecent, files);
}

}  // namespace

QStringList RecentCaseFiles() {
  QStringList files = Settings()->value(kRecent).toStringList();
  while (files.size() > kMaxRecentCaseFiles) files.removeLast();
  return files;
}

void AddRecentCaseFile(const QString& path) {
  const std::unique_ptr<QSettings> settings = Settings();
  QStringList files = settings->value(kRecent).toStringList();
  files.removeAll(path);
  files.prepend(path);
  StoreRecent(*settings, files);
}

void RemoveRecentCaseFile(const QString& path) {
  const std::unique_ptr<QSettings> settings = Settings();
  QStringList files = settings->value(kRecent).toStringList();
  files.removeAll(path);
  StoreRecent(*settings, files);
}

void RememberLastCase(const LastCase& last) {
  const std::unique_ptr<QSettings> settings = Settings();
  settings->setValue(kLastPath, last.path);
  settings->setValue(kLastModified, last.modified);
  settings->setValue(kLastText, QString::fromStdString(last.text));
}

std::optional<LastCase> RememberedLastCase() {
  const std::unique_ptr<QSettings> settings = Settings();
  if (!settings->contains(kLastText)) return std::nullopt;
  return LastCase{settings->value(kLastPath).toString(), settings->value(kLastModified).toBool(),
                  settings->value(kLastText).toString().toStdString()};
}

QString InLastFolder(DialogFolder kind, const QString& name) {
  if (!name.isEmpty() && QFileInfo(name).isAbsolute()) return name;
  const QString folder = Settings()->value(FolderKey(kind)).toString();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return name;
  return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

void RememberFolderOf(DialogFolder kind, const QString& path) {
  if (path.isEmpty()) return;
  Settings()->setValue(FolderKey(kind), QFileInfo(path).absolutePath());
}

}  // namespace tavoro
