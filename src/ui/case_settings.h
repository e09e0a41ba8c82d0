#pragma once

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

}  // namespace tavoro
