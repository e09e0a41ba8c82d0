#include "batch/batch_table.h"

#include <array>
#include <optional>

#include "batch/csv_table.h"
#include "calc/ground_rules.h"
#include "calc/input_fields.h"
#include "batch/table_header.h"
#include "calc/project_date.h"
#include "calc/trim_blanks.h"

namespace tavoro {
namespace {


// "地下水位 (m)" -> "地下水位"; a name without a bracketed end is kept.
std::string_view WithoutUnit(std::string_view text) {
  struct Brackets {
    std::string_view open, close;
  };
  constexpr std::array<Brackets, 3> kBrackets = {{{"(", ")"}, {"（", "）"}, {"[", "]"}}};
  for (const Brackets& b : kBrackets) {
    if (text.size() <= b.close.size() || text.substr(text.size() - b.close.size()) != b.close) {
      continue;
    }
    const std::size_t open = text.rfind(b.open);
    if (open != std::string_view::npos && open > 0) return TrimBlanks(text.substr(0, open));
  }
  return text;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsBlankRow(const CsvRow& row) {
  for (const std::string& cell : row) {
    if (!TrimBlanks(cell).empty()) return false;
  }
  return true;
}

}  // namespace

const std::vector<HeaderColumn>& HeaderColumns() {
  static const std::vector<HeaderColumn> columns = [] {
    std::vector<HeaderColumn> all;
    for (int field = 0; field < kInputFieldCount; ++field) {
      all.push_back({ColumnRole::kField, field, Field(field).caption, Field(field).key,
                     Field(field).symbol});
    }
    for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
      all.push_back({ColumnRole::kProject, static_cast<int>(i), kProjectTexts[i].caption,
                     kProjectTexts[i].key, ""});
    }
    for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
      all.push_back({ColumnRole::kField, field, GroundFieldOf(field).caption,
                     GroundFieldOf(field).key, ""});
    }
    return all;
  }();
  return columns;
}

std::size_t HeaderColumnIndex(const ColumnName& name) {
  const auto index = static_cast<std::size_t>(name.index);
  if (name.role == ColumnRole::kProject) return kInputFieldCount + index;
  if (name.index < kInputFieldCount) return index;
  return kProjectTexts.size() + index;
}

ColumnName NameColumn(std::string_view header) {
  const std::string_view name = WithoutUnit(TrimBlanks(header));
  if (name.empty()) return {};
  for (int field = 0; field < kInputFieldCount; ++field) {
    const std::string_view caption = Field(field).caption;
    const std::string_view symbol = Field(field).symbol;
    if (name == caption) return {ColumnRole::kField, field};
    if (symbol.empty() || name.substr(0, caption.size()) != caption) continue;
    if (TrimBlanks(name.substr(caption.size())) == symbol) return {ColumnRole::kField, field};
  }
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    if (name == kProjectTexts[i].caption) return {ColumnRole::kProject, static_cast<int>(i)};
  }
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    if (name == GroundFieldOf(field).caption) return {ColumnRole::kField, field};
  }
  std::string option = AsciiLower(name);
  if (option.rfind("--", 0) == 0) option.erase(0, 2);
  for (int field = 0; field < kInputFieldCount; ++field) {
    if (option == Field(field).key) return {ColumnRole::kField, field};
  }
  for (std::size_t i = 0; i < kProjectTexts.size(); ++i) {
    if (option == kProjectTexts[i].key) return {ColumnRole::kProject, static_cast<int>(i)};
  }
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    if (option == GroundFieldOf(field).key) return {ColumnRole::kField, field};
  }
  return {};
}

BatchTable ReadBatchTable(std::string_view utf8Text) {
  BatchTable table;
  CsvTable csv = ParseCsv(utf8Text);
  if (!csv.status.ok()) {
    table.status = Status::Error("表を読めません: " + csv.status.message());
    return table;
  }

  std::size_t headerIndex = 0;
  while (headerIndex < csv.rows.size() && IsBlankRow(csv.rows[headerIndex])) ++headerIndex;
  if (headerIndex == csv.rows.size()) {
    table.status = Status::Error("表が空です");
    return table;
  }
  const CsvRow& header = csv.rows[headerIndex];

  std::vector<bool> columnHasCells(header.size(), false);
  for (std::size_t r = headerIndex + 1; r < csv.rows.size(); ++r) {
    const CsvRow& cells = csv.rows[r];
    for (std::size_t c = 0; c < cells.size() && c < header.size(); ++c) {
      if (!TrimBlanks(cells[c]).empty()) columnHasCells[c] = true;
    }
  }
  const HeaderMap map = MapHeader(header, columnHasCells);
  if (!map.status.ok()) {
    table.status = map.status;
    return table;
  }
  const std::vector<ColumnName>& columns = map.columns;

  for (std::size_t r = headerIndex + 1; r < csv.rows.size(); ++r) {
    CsvRow& cells = csv.rows[r];
    if (IsBlankRow(cells)) continue;
    BatchRow row;
    row.number = static_cast<int>(r - headerIndex);
    for (std::size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
      const ColumnName& name = columns[c];
      if (name.role == ColumnRole::kField && name.index >= kFirstGroundField) {
        GroundText(row.ground, name.index) = std::move(cells[c]);
      } else if (name.role == ColumnRole::kField) {
        row.inputs[static_cast<std::size_t>(name.index)] = std::move(cells[c]);
      } else if (name.role == ColumnRole::kProject) {
        row.project.*kProjectTexts[static_cast<std::size_t>(name.index)].text =
            std::string(TrimBlanks(cells[c]));
      }
    }
    if (row.project.date.empty()) {
    } else if (std::optional<std::string> date = NormalizedProjectDate(row.project.date)) {
      row.project.date = std::move(*date);
    } else {
      row.unreadable = "日付 「" + row.project.date + "」 は日付ではありません (" +
                       std::string(kProjectDateForm) + " のいずれかの形の暦にある日付にしてください)";
    }
    table.rows.push_back(std::move(row));
  }
  if (table.rows.empty()) table.status = Status::Error("見出しの下に立坑の行がありません");
  return table;
}

}  // namespace tavoro
