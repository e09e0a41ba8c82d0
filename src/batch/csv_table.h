#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "status/status.h"

namespace tavoro {

using CsvRow = std::vector<std::string>;

// A table read from CSV text, or why it could not be read.
struct CsvTable {
  std::vector<CsvRow> rows;
  Status status;
};

// Limits that keep a hostile file from exhausting memory: even a table of
// empty cells holds at most a million of them.
inline constexpr std::size_t kMaxCsvRows = 10000;
inline constexpr std::size_t kMaxCsvColumns = 100;
inline constexpr std::size_t kMaxCsvCellBytes = 4096;

// Reads UTF-8 CSV text as spreadsheets write it: fields separated by commas
// (by tabs when the first line holds tabs but no comma), quoted fields with
// "" for a quote and line breaks inside, records ended by LF, CRLF or CR.
// A leading byte-order mark is skipped. Cells are kept as written, spaces
// included. Work is linear in the length of text.
CsvTable ParseCsv(std::string_view text);

}  // namespace tavoro
