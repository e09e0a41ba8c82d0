#include "chart/chart.h"
#include "chart/chart_context.h"
#include "chart/chart_curve_labels.h"
#include "chart/chart_dimensions.h"
#include "chart/chart_geometry.h"
#include "chart/chart_profile.h"
#include "chart/chart_water.h"
#include "calc/result_notes.h"
#include "page/note_block.h"
#include "page/project_header.h"

namespace tavoro {

namespace {

// Why a curve or value is missing, in the free column right of the graph.
void DrawChartNotes(PageSurface& page, const CalculationCase& calc) {
  std::vector<std::string> texts;
  for (const ResultNote& note : ResultNotes(calc)) texts.push_back(note.text);
  if (texts.empty()) return;
  const ChartGeometry graph = MakeChartGeometry(calc, kChartFrameTop, kChartFrameLeft);
  constexpr double kGap = 240;
  const double left = graph.Right() + kGap;
  DrawNoteBlock(page, texts, left, graph.top + kGap,
                page.document().paperWidth - left - kGap);
}

}  // namespace

void BuildChartPage(PageSurface& page, const CalculationCase& calc, PageSettings& settings,
                    const ProjectInfo& project) {
  SetupChartPage(page, settings);
  page.StartDoc();
  DrawProjectHeader(page, project);
  DrawChart(page, calc, kChartFrameTop, kChartFrameLeft);
  DrawChartNotes(page, calc);
  page.EndDoc();
}

void DrawChart(PageSurface& page, const CalculationCase& calc, double frameTop, double frameLeft) {
  ChartContext chart = MakeChartContext(page, calc, frameTop, frameLeft);
  page.SetPenWidth(10);
  page.SetPenStyle(PenStyle::kSolid);
  page.SetTextDirection(TextDirection::kHorizontal);

  page.SetLayer(DrawingLayer::kFrame);
  DrawChartFrame(chart);
  page.SetLayer(DrawingLayer::kWater);
  DrawStaticWaterTable(chart);
  DrawDrawdownCurves(chart);
  DrawPointLevels(chart);
  page.SetLayer(DrawingLayer::kScale);
  DrawDepthAxis(chart);
  DrawDistanceAxis(chart);
  page.SetLayer(DrawingLayer::kFrame);
  DrawGroundLevel(chart);
  page.SetLayer(DrawingLayer::kWater);
  DrawStaticWaterLevel(chart);
  page.SetLayer(DrawingLayer::kFrame);
  DrawImperviousLabel(chart);
  DrawShaftBottom(chart);
  page.SetLayer(DrawingLayer::kDimension);
  DrawRadiusRow(chart);
  DrawInfluenceRows(chart);
  DrawPointDimension(chart);
  DrawDepthColumns(chart);
  page.SetLayer(DrawingLayer::kImprovement);
  DrawShaftOrRing(chart);
  page.SetLayer(DrawingLayer::kWater);
  DrawCurveLabels(chart);

  page.SetBrushStyle(BrushStyle::kSolid);
  page.SetTextDirection(TextDirection::kHorizontal);
  page.SetLayer(DrawingLayer::kNone);
}

}  // namespace tavoro
