#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "batch/batch_table.h"
#include "batch/shaft_outcome.h"
#include "calc/project_info.h"
#include "page/page_surface.h"

namespace tavoro {

// Draws the summary of a batch as one A4 landscape document on page: the
// title with the counts and the page number (the only one), the project
// header, and a table of every shaft (No., 立坑名, the seven ground and shaft
// inputs, Q1, Q2, R1, R2 and S2; when any row has ground texts also the
// radius method, the uplift F and its verdict), its heading repeated on
// every page. A row that was not computed shows its reason across the
// result columns.
void DrawSummaryPages(PageSurface& page, const std::vector<ShaftOutcome>& outcomes,
                      const ProjectInfo& project);

// The project of a summary: the first 工事名, 作成者 and 日付 among the rows;
// no shaft, since the summary covers them all.
ProjectInfo SummaryProject(const std::vector<BatchRow>& rows);

// Splits rows of the given heights into pages holding at most capacity
// twips each, in order; a row taller than a page gets a page of its own.
// Returns the [first, last) row range of each page; none for no rows.
std::vector<std::pair<std::size_t, std::size_t>> SplitIntoPages(const std::vector<double>& heights,
                                                                double capacity);

}  // namespace tavoro
