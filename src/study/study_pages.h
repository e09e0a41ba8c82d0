#pragma once

#include "calc/project_info.h"
#include "page/page_setup.h"
#include "page/page_surface.h"
#include "study/study.h"

namespace tavoro {

// Draws the study as one landscape document on page, in the chart's faces:
// the graph page (Q2 and S2 against B, a labelled curve per kg, the target
// line and each solution marked), then the table pages (the solutions and
// every sampled value, as many pages as the rows need), each page with the
// project's header line. Every coordinate drawn is finite; a value that is
// not is left out.
void BuildStudyPages(PageSurface& page, const StudyResult& result, const ProjectInfo& project,
                     PageSettings& settings);

// The two parts, each drawn into page's open document from its current page;
// the table draws the project's header on each page it starts.
void DrawStudyGraphPage(PageSurface& page, const StudyResult& result);
void DrawStudyTablePages(PageSurface& page, const StudyResult& result, const ProjectInfo& project);

// Fonts of the study pages.
inline constexpr const char* kStudyFace = "ＭＳ ゴシック";
inline constexpr double kStudyTitleSize = 12;
inline constexpr double kStudyTextSize = 10;
inline constexpr double kStudySmallSize = 9;

}  // namespace tavoro
