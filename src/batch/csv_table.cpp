#include "batch/csv_table.h"

namespace tavoro {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

char DelimiterOf(std::string_view text) {
  const std::size_t lineEnd = text.find_first_of("\r\n");
  const std::string_view firstLine = text.substr(0, lineEnd);
  if (firstLine.find(',') == std::string_view::npos &&
      firstLine.find('\t') != std::string_view::npos) {
    return '\t';
  }
  return ',';
}

class CsvReader {
 public:
  explicit CsvReader(char delimiter) : delimiter_(delimiter) {}

  // Feeds the whole text; returns an error message or "".
  std::string Read(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (quoted_) {
        if (c == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            if (!Append('"')) return CellTooLong();
            i += 2;
            continue;
          }
          quoted_ = false;
        } else if (!Append(c)) {
          return CellTooLong();
        }
        ++i;
        continue;
      }
      if (c == '"' && cell_.empty() && !cellStarted_) {
        quoted_ = true;
        cellStarted_ = true;
      } else if (c == delimiter_) {
        if (!EndCell()) return TooManyColumns();
      } else if (c == '\r' || c == '\n') {
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (!EndCell()) return TooManyColumns();
        if (!EndRow()) return TooManyRows();
      } else {
        cellStarted_ = true;
        if (!Append(c)) return CellTooLong();
      }
      ++i;
    }
    if (quoted_) return "引用符 (\") が閉じられていません";
    if (cellStarted_ || !row_.empty()) {
      if (!EndCell()) return TooManyColumns();
      if (!EndRow()) return TooManyRows();
    }
    return "";
  }

  std::vector<CsvRow> TakeRows() { return std::move(rows_); }

 private:
  bool Append(char c) {
    if (cell_.size() >= kMaxCsvCellBytes) return false;
    cell_ += c;
    return true;
  }
  bool EndCell() {
    if (row_.size() >= kMaxCsvColumns) return false;
    row_.push_back(std::move(cell_));
    cell_.clear();
    cellStarted_ = false;
    return true;
  }
  bool EndRow() {
    if (rows_.size() >= kMaxCsvRows) return false;
    rows_.push_back(std::move(row_));
    row_.clear();
    return true;
  }
  static std::string CellTooLong() {
    return "セルが長すぎます (" + std::to_string(kMaxCsvCellBytes) + " バイトまで)";
  }
  static std::string TooManyColumns() {
    return "列が多すぎます (" + std::to_string(kMaxCsvColumns) + " 列まで)";
  }
  static std::string TooManyRows() {
    return "行が多すぎます (" + std::to_string(kMaxCsvRows) + " 行まで)";
  }

  char delimiter_;
  bool quoted_ = false;
  bool cellStarted_ = false;
  std::string cell_;
  CsvRow row_;
  std::vector<CsvRow> rows_;
};

}  // namespace

CsvTable ParseCsv(std::string_view text) {
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  CsvReader reader(DelimiterOf(text));
  CsvTable table;
  if (std::string error = reader.Read(text); !error.empty()) {
    table.status = Status::Error(std::move(error));
  } else {
    table.rows = reader.TakeRows();
  }
  return table;
}

}  // namespace tavoro
