#include "batch/batch_table.h"

#include <array>
#include <optional>

#include "batch/csv_table.h"
#include "calc/ground_rules.h"
#include "batch/table_header.h"
#include "calc/project_date.h"

namespace tavoro {
namespace {

constexpr std::array<std::string_view, kInputFieldCount> kCaptions = {
    "地下水位", "不透水層深度",     "掘削深度", "立坑周長", "透水係数",
    "改良幅",   "改良後の透水係数", "着目点",   "計算範囲",
};
constexpr std::array<std::string_view, kInputFieldCount> kSymbols = {
    "GL-", "Hf", "Ht", "L", "kn", "B", "kg", "x", "",
};
constexpr std::array<std::string_view, kInputFieldCount> kOptionNames = {
    "groundwater", "impervious", "excavation", "perimeter", "kn", "width", "kg", "point", "range",
};

struct ProjectColumn {
  std::string_view caption;
  std::string_view option;
  ColumnRole role;
};
constexpr std::array<ProjectColumn, 6> kProjectColumns = {{
    {"立坑名", "shaft", ColumnRole::kShaft},
    {"工事名", "name", ColumnRole::kProjectName},
    {"作成者", "author", ColumnRole::kAuthor},
    {"照査者", "checker", ColumnRole::kChecker},
    {"日付", "date", ColumnRole::kDate},
    {"メモ", "notes", ColumnRole::kNotes},
}};

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

std::string_view Trim(std::string_view text) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
      text.remove_prefix(1);
      trimmed = true;
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
      text.remove_suffix(1);
      trimmed = true;
    }
    if (text.substr(0, kIdeographicSpace.size()) == kIdeographicSpace) {
      text.remove_prefix(kIdeographicSpace.size());
      trimmed = true;
    }
    if (text.size() >= kIdeographicSpace.size() &&
        text.substr(text.size() - kIdeographicSpace.size()) == kIdeographicSpace) {
      text.remove_suffix(kIdeographicSpace.size());
      trimmed = true;
    }
  }
  return text;
}

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
    if (open != std::string_view::npos && open > 0) return Trim(text.substr(0, open));
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
    if (!Trim(cell).empty()) return false;
  }
  return true;
}

void SetProjectText(ProjectInfo& project, ColumnRole role, std::string text) {
  switch (role) {
    case ColumnRole::kShaft:
      project.shaft = std::move(text);
      break;
    case ColumnRole::kProjectName:
      project.name = std::move(text);
      break;
    case ColumnRole::kAuthor:
      project.author = std::move(text);
      break;
    case ColumnRole::kChecker:
      project.checker = std::move(text);
      break;
    case ColumnRole::kDate:
      project.date = std::move(text);
      break;
    case ColumnRole::kNotes:
      project.notes = std::move(text);
      break;
    case ColumnRole::kNone:
    case ColumnRole::kField:
      break;
  }
}

}  // namespace

const std::vector<HeaderColumn>& HeaderColumns() {
  static const std::vector<HeaderColumn> columns = [] {
    std::vector<HeaderColumn> all;
    for (int field = 0; field < kInputFieldCount; ++field) {
      const auto i = static_cast<std::size_t>(field);
      all.push_back({ColumnRole::kField, field, kCaptions[i], kOptionNames[i], kSymbols[i]});
    }
    for (const ProjectColumn& column : kProjectColumns) {
      all.push_back({column.role, -1, column.caption, column.option, ""});
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
  if (name.role == ColumnRole::kField && name.field < kInputFieldCount) {
    return static_cast<std::size_t>(name.field);
  }
  const std::vector<HeaderColumn>& columns = HeaderColumns();
  if (name.role == ColumnRole::kField) {
    return columns.size() - static_cast<std::size_t>(kFirstGroundField + kGroundFieldCount - name.field);
  }
  for (std::size_t i = kInputFieldCount; i < columns.size(); ++i) {
    if (columns[i].role == name.role) return i;
  }
  return 0;
}

ColumnName NameColumn(std::string_view header) {
  const std::string_view name = WithoutUnit(Trim(header));
  if (name.empty()) return {};
  for (int field = 0; field < kInputFieldCount; ++field) {
    const auto i = static_cast<std::size_t>(field);
    if (name == kCaptions[i]) return {ColumnRole::kField, field};
    if (kSymbols[i].empty() || name.substr(0, kCaptions[i].size()) != kCaptions[i]) continue;
    if (Trim(name.substr(kCaptions[i].size())) == kSymbols[i]) return {ColumnRole::kField, field};
  }
  for (const ProjectColumn& column : kProjectColumns) {
    if (name == column.caption) return {column.role, -1};
  }
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    if (name == GroundFieldOf(field).caption) return {ColumnRole::kField, field};
  }
  std::string option = AsciiLower(name);
  if (option.rfind("--", 0) == 0) option.erase(0, 2);
  for (int field = 0; field < kInputFieldCount; ++field) {
    if (option == kOptionNames[static_cast<std::size_t>(field)]) {
      return {ColumnRole::kField, field};
    }
  }
  for (const ProjectColumn& column : kProjectColumns) {
    if (option == column.option) return {column.role, -1};
  }
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    if (option == GroundFieldOf(field).key) return {ColumnRole::kField, field};
  }
  return {};
}

BatchTable ReadBatchTable(std::string_view utf8Text) {
  BatchTable table;
  CsvTable csv = ParseCsv(utf8Text);
  if (!csv.error.empty()) {
    table.error = "表を読めません: " + csv.error;
    return table;
  }

  std::size_t headerIndex = 0;
  while (headerIndex < csv.rows.size() && IsBlankRow(csv.rows[headerIndex])) ++headerIndex;
  if (headerIndex == csv.rows.size()) {
    table.error = "表が空です";
    return table;
  }
  const CsvRow& header = csv.rows[headerIndex];

  std::vector<bool> columnHasCells(header.size(), false);
  for (std::size_t r = headerIndex + 1; r < csv.rows.size(); ++r) {
    const CsvRow& cells = csv.rows[r];
    for (std::size_t c = 0; c < cells.size() && c < header.size(); ++c) {
      if (!Trim(cells[c]).empty()) columnHasCells[c] = true;
    }
  }
  const HeaderMap map = MapHeader(header, columnHasCells);
  if (!map.error.empty()) {
    table.error = map.error;
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
      if (name.role == ColumnRole::kField && name.field >= kFirstGroundField) {
        GroundText(row.ground, name.field) = std::move(cells[c]);
      } else if (name.role == ColumnRole::kField) {
        row.inputs[static_cast<std::size_t>(name.field)] = std::move(cells[c]);
      } else if (name.role != ColumnRole::kNone) {
        SetProjectText(row.project, name.role, std::string(Trim(cells[c])));
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
  if (table.rows.empty()) table.error = "見出しの下に立坑の行がありません";
  return table;
}

}  // namespace tavoro
