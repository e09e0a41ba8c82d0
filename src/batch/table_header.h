#pragma once

#include <string>
#include <vector>

#include "batch/batch_table.h"

namespace tavoro {

// The header of a batch table mapped before any row is read: what each
// column names, or why the table cannot be used.
struct HeaderMap {
  std::vector<ColumnName> columns;  // one per header cell; kNone: read past
  Status status;                    // fails when the header is unusable
};

// Maps a header row. Each cell must name an input field or a project text
// (as NameColumn reads it) or be a column Tavoro's own summary.csv writes
// (No., 状態, the results, 書類), which is read past; a cell left empty is
// read past when its column holds nothing (columnHasCells). An unknown
// column, two columns naming one thing, or a missing required field (all
// but 改良幅 and 改良後の透水係数) refuses the table; the message names each
// such column, the closest accepted name where one is near, and lists the
// names accepted.
HeaderMap MapHeader(const std::vector<std::string>& header,
                    const std::vector<bool>& columnHasCells);

}  // namespace tavoro
