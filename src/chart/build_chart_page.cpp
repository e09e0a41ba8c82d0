#include "chart/chart.h"
#include "chart/chart_context.h"
#include "chart/chart_curve_labels.h"
#include "chart/chart_dimensions.h"
#include "chart/chart_geometry.h"
#include "chart/chart_profile.h"
#include "chart/chart_water.h"
#include "page/project_header.h"

namespace tavoro {

void BuildChartPage(PageSurface& page, const CalculationCase& calc, PageSettings& settings,
                    const ProjectInfo& project) {
  SetupChartPage(page, settings);
  page.StartDoc();
  DrawProjectHeader(page, project);
  DrawChart(page, calc, kChartFrameTop, kChartFrameLeft);
  page.EndDoc();
}

void DrawChart(PageSurface& page, const CalculationCase& calc, double frameTop, double frameLeft) {
  ChartContext chart = MakeChartContext(page, calc, frameTop, frameLeft);
  page.SetPenWidth(10);
  page.SetPenStyle(kPenSolid);
  page.SetTextAngle(0);

  DrawChartFrame(chart);
  DrawStaticWaterTable(chart);
  DrawDrawdownCurves(chart);
  DrawPointLevels(chart);
  DrawDepthAxis(chart);
  DrawDistanceAxis(chart);
  DrawGroundLevel(chart);
  DrawStaticWaterLevel(chart);
  DrawImperviousLabel(chart);
  DrawShaftBottom(chart);
  DrawRadiusRow(chart);
  DrawInfluenceRows(chart);
  DrawPointDimension(chart);
  DrawDepthColumns(chart);
  DrawShaftOrRing(chart);
  DrawCurveLabels(chart);

  page.SetBrushStyle(kBrushSolid);
  page.SetTextAngle(0);
}

}  // namespace tavoro
