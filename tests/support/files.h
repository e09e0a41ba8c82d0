#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavoro::testing {

// A fresh folder of its own under the test temporary directory, named after the running
// test; removed with everything in it when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of name inside the folder, as a string for command lines.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Every name in the folder and below it, relative and sorted: a temporary file left behind
// would show here.
std::vector<std::string> NamesBelow(const std::filesystem::path& folder);

// The whole file, byte for byte; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// The cells of CSV text: rows at LF or CR LF, cells at commas, double-quoted cells with
// "" for a quote; a leading byte-order mark is dropped.
std::vector<std::vector<std::string>> CsvCells(std::string text);

// A PDF with its creation and modification dates and its document id blanked, so that two
// writings of the same pages compare equal.
std::string PdfWithoutMetadata(std::string pdf);

}  // namespace tavoro::testing
