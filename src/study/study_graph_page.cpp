#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "study/graph_scale.h"
#include "study/ring_evaluation.h"
#include "study/study_page_text.h"
#include "study/study_pages.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

constexpr double kPageLeft = 1134;  // the chart page's 20 mm margin
constexpr double kTitleY = 950;
constexpr double kRangeY = 1400;
constexpr double kCaseY = 1700;
constexpr double kFrameTop = 2300;
constexpr double kFrameWidth = 5200;
constexpr double kFrameHeight = 5600;
constexpr double kInflowFrameLeft = 2000;
constexpr double kDrawdownFrameLeft = 9900;
constexpr double kTick = 80;
constexpr double kGap = 40;
constexpr double kAnswersY = 8900;
constexpr double kAnswerPitch = 250;
constexpr double kMarkRadius = 40;
constexpr double kTargetPen = 25;

// One graph: a quantity of the ring against B inside a frame, 0 at the
// bottom-left corner.
struct Graph {
  StudyTargetKind kind = StudyTargetKind::kInflow;
  double left = 0;
  double top = kFrameTop;
  AxisScale xScale;
  AxisScale yScale;

  double Right() const { return left + kFrameWidth; }
  double Bottom() const { return top + kFrameHeight; }
  double X(double width) const { return left + width / xScale.top * kFrameWidth; }
  double Y(double value) const { return Bottom() - value / yScale.top * kFrameHeight; }
};

double Quantity(const RingValues& values, StudyTargetKind kind) {
  return TargetQuantity(values, kind);
}

const char* AxisTitle(StudyTargetKind kind) {
  return kind == StudyTargetKind::kInflow ? "湧水量 Q2 (m³/min)" : "改良範囲端の水位低下量 S2 (m)";
}

const char* GraphCaption(StudyTargetKind kind) {
  return kind == StudyTargetKind::kInflow ? "改良幅 B と湧水量 Q2" : "改良幅 B と水位低下量 S2";
}

// Text with its top-left corner at (x, y); nothing when either is not finite.
void Put(PageSurface& page, double x, double y, const std::string& text) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  page.SetCurrentX(x);
  page.SetCurrentY(y);
  page.Text(text);
}

void SetFont(PageSurface& page, double size) {
  page.SetFontName(kStudyFace);
  page.SetFontSize(size);
}

// The value axis reaches the larger of the case without a ring and the
// target; looser rings that rise above it are cut at the frame's top.
AxisScale ValueScale(const StudyResult& result, StudyTargetKind kind) {
  double highest = Quantity(result.withoutRing, kind);
  if (result.target.kind == kind) highest = std::max(highest, result.target.value);
  return ScaleUpTo(highest * 1.05);
}

void DrawFrameAndGrid(PageSurface& page, const Graph& g) {
  page.SetPenStyle(kPenDotted);
  page.SetPenWidth(0);
  for (int j = 1; j <= g.yScale.ticks; ++j) {
    const double y = g.Y(j * g.yScale.step);
    if (y > g.top + 1) page.DrawLine(g.left, y, g.Right(), y);
  }
  for (int j = 1; j <= g.xScale.ticks; ++j) {
    const double x = g.X(j * g.xScale.step);
    if (x < g.Right() - 1) page.DrawLine(x, g.top, x, g.Bottom());
  }
  page.SetPenStyle(kPenSolid);
  page.SetPenWidth(10);
  page.DrawLine(g.left, g.top, g.Right(), g.top);
  page.DrawLine(g.Right(), g.Bottom());
  page.DrawLine(g.left, g.Bottom());
  page.DrawLine(g.left, g.top);
}

void DrawAxes(PageSurface& page, const Graph& g) {
  SetFont(page, kStudySmallSize);
  double widest = 0;
  for (int j = 0; j <= g.yScale.ticks; ++j) {
    const double y = g.Y(j * g.yScale.step);
    page.DrawLine(g.left, y, g.left - kTick, y);
    const std::string t = TickText(j * g.yScale.step, g.yScale.decimals);
    const double w = page.TextWidth(t);
    widest = std::max(widest, w);
    Put(page, g.left - kTick - kGap - w, y - page.TextHeight(t) / 2, t);
  }
  double below = g.Bottom() + kTick + kGap;
  for (int j = 0; j <= g.xScale.ticks; ++j) {
    const double x = g.X(j * g.xScale.step);
    page.DrawLine(x, g.Bottom(), x, g.Bottom() + kTick);
    const std::string t = TickText(j * g.xScale.step, g.xScale.decimals);
    Put(page, x - page.TextWidth(t) / 2, below, t);
  }
  below += page.TextHeight("0") + kGap;

  SetFont(page, kStudyTextSize);
  const std::string xTitle = "改良幅 B (m)";
  Put(page, g.left + (kFrameWidth - page.TextWidth(xTitle)) / 2, below, xTitle);
  const std::string yTitle = AxisTitle(g.kind);
  const double h = page.TextHeight(yTitle);
  page.SetTextAngle(900);
  Put(page, g.left - kTick - 4 * kGap - widest - h,
      g.top + (kFrameHeight + page.TextWidth(yTitle)) / 2, yTitle);
  page.SetTextAngle(0);
  const std::string caption = GraphCaption(g.kind);
  Put(page, g.left, g.top - h - 3 * kGap, caption);
}

// The segment between two points on the page, cut where it leaves the frame
// through its top; nothing when both lie above it.
void DrawClipped(PageSurface& page, const Graph& g, double x1, double y1, double x2, double y2) {
  if (y1 < g.top && y2 < g.top) return;
  if (y1 < g.top) {
    x1 = x1 + (x2 - x1) * (g.top - y1) / (y2 - y1);
    y1 = g.top;
  } else if (y2 < g.top) {
    x2 = x1 + (x2 - x1) * (g.top - y1) / (y2 - y1);
    y2 = g.top;
  }
  page.DrawLine(x1, y1, x2, y2);
}

// Draws the curve and returns the page y of its last point inside the
// frame, or NaN when it has none.
double DrawCurve(PageSurface& page, const Graph& g, const StudyResult& result,
                 const StudyCurve& curve) {
  double lastY = std::nan("");
  const std::size_t count = std::min(result.widths.size(), curve.values.size());
  for (std::size_t i = 0; i < count; ++i) {
    const double x = g.X(result.widths[i]);
    const double y = g.Y(Quantity(curve.values[i], g.kind));
    if (!std::isfinite(x) || !std::isfinite(y)) continue;
    lastY = std::max(y, g.top);
    if (i == 0) continue;
    const double x0 = g.X(result.widths[i - 1]);
    const double y0 = g.Y(Quantity(curve.values[i - 1], g.kind));
    if (std::isfinite(x0) && std::isfinite(y0)) DrawClipped(page, g, x0, y0, x, y);
  }
  return lastY;
}

// A label in the column right of the frame, for a line ending at the
// frame's right edge at page y end.
struct EndLabel {
  double end = 0;
  std::string text;
};

// Labels right of the frame at each line's end, pushed apart so that none
// covers another, each joined to its line by a short leader.
void DrawEndLabels(PageSurface& page, const Graph& g, std::vector<EndLabel> labels) {
  SetFont(page, kStudySmallSize);
  const double h = page.TextHeight("0");
  Put(page, g.Right() + 2 * kGap, g.top - h - 3 * kGap, "kg (cm/sec)");
  std::erase_if(labels, [](const EndLabel& label) { return !std::isfinite(label.end); });
  std::stable_sort(labels.begin(), labels.end(),
                   [](const EndLabel& a, const EndLabel& b) { return a.end < b.end; });
  double nextFree = g.top - h;
  const double labelX = g.Right() + 3 * kGap;
  page.SetPenWidth(0);
  page.SetPenStyle(kPenSolid);
  for (const EndLabel& label : labels) {
    const double centre = std::max(label.end, nextFree + h / 2);
    page.DrawLine(g.Right(), label.end, labelX - kGap / 2, centre);
    Put(page, labelX, centre - h / 2, label.text);
    nextFree = centre + h / 2 + kGap / 2;
  }
}

// The target as a bold line across the frame, and each width found as a
// dot on its curve with its value; values that would cover one another
// move down.
void DrawTargetAndSolutions(PageSurface& page, const Graph& g, const StudyResult& result) {
  if (result.target.kind != g.kind) return;
  const double y = g.Y(result.target.value);
  page.SetPenWidth(kTargetPen);
  page.SetPenStyle(kPenSolid);
  page.DrawLine(g.left, y, g.Right(), y);
  page.SetPenWidth(10);
  SetFont(page, kStudySmallSize);
  const double h = page.TextHeight("0");

  page.SetBrushStyle(kBrushSolid);
  std::vector<std::pair<double, double>> placed;  // left and top of each value
  for (const StudySolution& solution : result.solutions) {
    if (!solution.width) continue;
    const double x = g.X(*solution.width);
    const double v = g.Y(solution.value);
    if (!std::isfinite(x) || !std::isfinite(v)) continue;
    page.DrawCircle(x, v, kMarkRadius);
    const std::string text = "B=" + StudyLengthText(*solution.width) + "m";
    const double w = page.TextWidth(text);
    const double left = x + 2 * kGap;
    double top = v + kGap;
    // Each pass moves the value below every one it covers; a pass without a
    // move ends it, and one pass per value placed always does.
    bool moved = true;
    for (std::size_t pass = 0; moved && pass <= placed.size(); ++pass) {
      moved = false;
      for (const auto& [otherLeft, otherTop] : placed) {
        if (std::abs(otherLeft - left) < w + kGap && std::abs(otherTop - top) < h) {
          top = otherTop + h;
          moved = true;
        }
      }
    }
    Put(page, left, top, text);
    placed.emplace_back(left, top);
  }
}

void DrawGraph(PageSurface& page, const StudyResult& result, StudyTargetKind kind, double left) {
  Graph g;
  g.kind = kind;
  g.left = left;
  g.xScale = ScaleEndingAt(result.widthEnd);
  g.yScale = ValueScale(result, kind);
  DrawFrameAndGrid(page, g);
  DrawAxes(page, g);
  page.SetPenWidth(10);
  page.SetPenStyle(kPenSolid);
  std::vector<EndLabel> labels;
  for (const StudyCurve& curve : result.curves) {
    labels.push_back({DrawCurve(page, g, result, curve), KgText(curve.kg)});
  }
  if (result.target.kind == kind) labels.push_back({g.Y(result.target.value), "目標"});
  DrawTargetAndSolutions(page, g, result);
  DrawEndLabels(page, g, std::move(labels));
}

void DrawHeading(PageSurface& page, const StudyResult& result) {
  SetFont(page, kStudyTitleSize);
  Put(page, kPageLeft, kTitleY, "改良幅の検討");
  SetFont(page, kStudyTextSize);
  Put(page, kPageLeft, kRangeY, StudyRangeText(result));
  const RingValues& none = result.withoutRing;
  Put(page, kPageLeft, kCaseY,
      "改良なし（B = 0）：Q1 = " + StudyInflowText(none.Q2) +
          " m³/min、S = " + StudyLengthText(none.S2) + " m、R1 = " + StudyLengthText(none.R2) +
          " m、r = " + StudyLengthText(result.r) + " m");
}

void DrawAnswers(PageSurface& page, const StudyResult& result) {
  SetFont(page, kStudyTextSize);
  double y = kAnswersY;
  for (const StudySolution& solution : result.solutions) {
    Put(page, kPageLeft, y, SolutionText(solution, result.target.kind));
    y += kAnswerPitch;
  }
  Put(page, kPageLeft, y, KgForWidthText(result));
}

}  // namespace

void DrawStudyGraphPage(PageSurface& page, const StudyResult& result) {
  page.SetTextAngle(0);
  DrawHeading(page, result);
  DrawGraph(page, result, StudyTargetKind::kInflow, kInflowFrameLeft);
  DrawGraph(page, result, StudyTargetKind::kDrawdown, kDrawdownFrameLeft);
  DrawAnswers(page, result);
}

}  // namespace tavoro
