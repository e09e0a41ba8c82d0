#pragma once

#include <string>
#include <vector>

#include "batch/shaft_outcome.h"

namespace tavoro {

// summary.csv of a batch, in UTF-8 with a byte-order mark and CRLF line
// ends, as Excel reads it: a header row, then one row per shaft in the
// given order with No., 立坑名, 状態 ("計算済み" or "計算不可"), the nine
// inputs as read (the cell's own text where it could not be read), the
// results at full precision, empty where not computed, 書類: whether the
// row's documents were written and which earlier ones were removed, and
// 注記: why a row or a result was not computed or a document not written.
std::string SummaryCsv(const std::vector<ShaftOutcome>& outcomes);

}  // namespace tavoro
