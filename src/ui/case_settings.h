#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace tavoro {

// What Tavoro keeps between starts, with QSettings in INI format in the
// user's settings folder: the recently used case files, newest first, and
// the case the engineer last worked on.
inline constexpr int kMaxRecentCaseFiles = 8;

QStringList RecentCaseFiles();
// Puts path first, dropping an older entry of it and any beyond the limit.
void AddRecentCaseFile(const QString& path);
void RemoveRecentCaseFile(const QString& path);

// The last case: its file ("" when never saved), whether it had unsaved
// changes, and its case-file text.
struct LastCase {
  QString path;
  bool modified = false;
  std::string text;
};
void RememberLastCase(const LastCase& last);
std::optional<LastCase> RememberedLastCase();

// File dialogs start in the folder last used for their kind: case files,
// exports, batch tables and batch output folders.
enum class DialogFolder { kCases, kExports, kBatch, kBatchOutput };
// name (a file name, or "" for the folder itself) in the folder last used for
// kind; name alone when none is kept or the folder is gone, and an absolute
// name as it is.
QString InLastFolder(DialogFolder kind, const QString& name = {});
// Keeps the folder of path, a file chosen in a dialog of kind.
void RememberFolderOf(DialogFolder kind, const QString& path);
// Keeps folder itself, a folder chosen in a dialog of kind.
void RememberFolder(DialogFolder kind, const QString& folder);

// The input form's zoom, a step of kFormZoomLevels; 1.0 when none is kept or
// what is kept is not a step.
double FormZoom();
void RememberFormZoom(double factor);

// The outer frame (pixels) an output window last had for each kind of
// document, once the user moved or resized it; none before that, or when
// what is kept is not a frame.
enum class WindowKind { kReport, kChart, kStudy, kWorkedExamples };
std::optional<QRect> RememberedWindowFrame(WindowKind kind);
void RememberWindowFrame(WindowKind kind, const QRect& frame);

}  // namespace tavoro
