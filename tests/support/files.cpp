#include "files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace tavoro::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "tavoro";
  if (info != nullptr) name += std::string("-") + info->test_suite_name() + "-" + info->name();
  std::replace(name.begin(), name.end(), '/', '_');
  // A fresh folder of its own: the same test may run at once from another build.
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = fs::path(::testing::TempDir()) / (name + "-" + std::to_string(random()));
    if (fs::create_directory(path_)) return;
  }
  throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::vector<std::string> NamesBelow(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    names.push_back(entry.path().lexically_relative(folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::vector<std::string>> CsvCells(std::string text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string cell;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') {
        cell += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      row.push_back(std::move(cell));
      cell.clear();
      rows.push_back(std::move(row));
      row.clear();
    } else {
      cell += c;
    }
  }
  if (!cell.empty() || !row.empty()) {
    row.push_back(std::move(cell));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string PdfWithoutMetadata(std::string pdf) {
  for (const std::string key :
       {"/CreationDate (", "<xmp:CreateDate>", "<xmp:ModifyDate>", "<xmp:MetadataDate>", "/ID ["}) {
    for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
      const std::size_t end = pdf.find_first_of(")]<", at + key.size());
      if (end == std::string::npos) break;
      pdf.erase(at + key.size(), end - at - key.size());
    }
  }
  for (const std::string key : {"uuid:", "<xmpMM:DocumentID>"}) {
    for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
      pdf.erase(at + key.size(), std::min<std::size_t>(36, pdf.size() - at - key.size()));
    }
  }
  return pdf;
}

}  // namespace tavoro::testing
