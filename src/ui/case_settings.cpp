#include "ui/case_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <cmath>
#include <memory>

#include "ui/zoom_steps.h"

namespace tavoro {
namespace {

const QString kRecent = QStringLiteral("recentFiles");
const QString kLastPath = QStringLiteral("lastCase/path");
const QString kLastModified = QStringLiteral("lastCase/modified");
const QString kLastText = QStringLiteral("lastCase/text");

const QString kFormZoom = QStringLiteral("form/zoomPercent");
// A kept frame larger than this is no window's.
constexpr int kMaxFramePixels = 100000;

QString FolderKey(DialogFolder kind) {
  constexpr std::array<const char*, 4> kKeys = {"folders/cases", "folders/exports",
                                                "folders/batch", "folders/batchOutput"};
  return QString::fromLatin1(kKeys[static_cast<std::size_t>(kind)]);
}

QString FrameKey(WindowKind kind) {
  constexpr std::array<const char*, 4> kKeys = {"windows/report", "windows/chart",
                                                "windows/study", "windows/examples"};
  return QString::fromLatin1(kKeys[static_cast<std::size_t>(kind)]);
}

int Percent(double factor) { return static_cast<int>(std::lround(factor * 100)); }

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

void RememberFolder(DialogFolder kind, const QString& folder) {
  if (folder.isEmpty()) return;
  Settings()->setValue(FolderKey(kind), QFileInfo(folder).absoluteFilePath());
}

double FormZoom() {
  bool ok = false;
  const int kept = Settings()->value(kFormZoom).toInt(&ok);
  for (const double level : kFormZoomLevels) {
    if (ok && kept == Percent(level)) return level;
  }
  return 1.0;
}

void RememberFormZoom(double factor) {
  Settings()->setValue(kFormZoom, Percent(factor));
}

std::optional<QRect> RememberedWindowFrame(WindowKind kind) {
  const QVariant kept = Settings()->value(FrameKey(kind));
  if (!kept.canConvert<QRect>()) return std::nullopt;
  const QRect frame = kept.toRect();
  const QRect bounds(-kMaxFramePixels, -kMaxFramePixels, 2 * kMaxFramePixels,
                     2 * kMaxFramePixels);
  if (!frame.isValid() || frame.width() > kMaxFramePixels ||
      frame.height() > kMaxFramePixels || !bounds.contains(frame.topLeft())) {
    return std::nullopt;
  }
  return frame;
}

void RememberWindowFrame(WindowKind kind, const QRect& frame) {
  Settings()->setValue(FrameKey(kind), frame);
}

}  // namespace tavoro
