#include "study/study_pages.h"

namespace tavoro {

void BuildStudyPages(PageSurface& page, const StudyResult& result, PageSettings& settings) {
  SetupChartPage(page, settings);
  page.StartDoc();
  DrawStudyGraphPage(page, result);
  page.NewPage();
  DrawStudyTablePages(page, result);
  page.SetPenWidth(10);
  page.SetPenStyle(kPenSolid);
  page.SetBrushStyle(kBrushSolid);
  page.SetTextAngle(0);
  page.EndDoc();
}

}  // namespace tavoro
