#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/project_info.h"
#include "calc/ground_texts.h"
#include "calc/input_texts.h"

#include "status/status.h"

namespace tavoro {

// One shaft of a batch: its number (the data row's position under the
// header, 1 for the first; for case files the position in the list), the
// nine input texts as written and the project texts.
struct BatchRow {
  int number = 0;
  InputTexts inputs;
  GroundTexts ground;
  ProjectInfo project;
  // Japanese: why the row's source (a case file) could not be read; such a
  // row is listed with this reason and not run.
  std::string unreadable;
};

// The shafts of a table, or why the table is unusable.
struct BatchTable {
  std::vector<BatchRow> rows;
  Status status;  // fails when the table is unusable
};

// What a header cell names: an input or ground field, a project text, or
// nothing.
enum class ColumnRole { kNone, kField, kProject };

struct ColumnName {
  ColumnRole role = ColumnRole::kNone;
  // kField: 0..8, or a ground field 9..17; kProject: the place in kProjectTexts
  int index = -1;
};

// Names a header cell. Accepted: the form's caption ("地下水位"), optionally
// followed by its symbol ("地下水位 GL-"); or the command-line option name
// with or without its dashes ("groundwater", "--groundwater", any case); for
// project texts their caption or case-file key (立坑名/shaft, …). Blanks (also ideographic) around the name and a trailing unit
// in brackets ("(m)", "（m）", "[cm/sec]") are ignored.
ColumnName NameColumn(std::string_view header);

// A column a table header may name: an input field or a project text, its
// caption, command-line key and symbol ("" for none), in form order and then
// the project texts.
struct HeaderColumn {
  ColumnRole role = ColumnRole::kNone;
  int index = -1;
  std::string_view caption;
  std::string_view key;
  std::string_view symbol;
};
const std::vector<HeaderColumn>& HeaderColumns();

// The place in HeaderColumns() of what a header cell names (not kNone).
std::size_t HeaderColumnIndex(const ColumnName& name);

// Reads a CSV table (UTF-8): the first non-blank row is the header, mapped
// as a whole (MapHeader) before any row is read, each later non-blank row
// one shaft. The table is unusable when the CSV cannot be read, when the
// header is refused, or when it has no rows.
BatchTable ReadBatchTable(std::string_view utf8Text);

}  // namespace tavoro
