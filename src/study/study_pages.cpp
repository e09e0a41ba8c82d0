#include "study/study_pages.h"

#include "page/page_numbers.h"
#include "page/project_header.h"

namespace tavoro {

void BuildStudyPages(PageSurface& page, const StudyResult& result, const ProjectInfo& project,
                     PageSettings& settings) {
  SetupChartPage(page, settings);
  page.SetDocumentTitle("改良幅の検討");
  page.StartDoc();
  DrawProjectHeader(page, project);
  DrawStudyGraphPage(page, result);
  page.NewPage();
  DrawProjectHeader(page, project);
  DrawStudyTablePages(page, result, project);
  page.SetPenWidth(10);
  page.SetPenStyle(PenStyle::kSolid);
  page.SetBrushStyle(BrushStyle::kSolid);
  page.SetTextDirection(TextDirection::kHorizontal);
  if (project.HasHeader()) DrawPageNumbers(page);
  page.EndDoc();
}

}  // namespace tavoro
