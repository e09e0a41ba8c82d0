#pragma once

#include <string>

namespace tavoro {

// The texts that name a piece of work: 工事名, 立坑名, 作成者, 日付
// (YYYY-MM-DD), メモ and 照査者, all UTF-8 and all optional. Pages carry a
// header line only when the project or the shaft is named.
struct ProjectInfo {
  std::string name;
  std::string shaft;
  std::string author;
  std::string date;
  std::string notes;
  std::string checker{};

  bool HasHeader() const { return !name.empty() || !shaft.empty(); }

  friend bool operator==(const ProjectInfo&, const ProjectInfo&) = default;
};

}  // namespace tavoro
