#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "study/graph_obstacles.h"
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
// How many lines out from its dot a width's value may move.
constexpr int kWidthLabelRings = 8;

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

std::string GraphCaption(StudyTargetKind kind) {
  return "改良幅 B と" + StudyTargetLabel(kind);
}

// Text with its top-left corner at (x, y); nothing when either is not finite.
void Put(PageSurface& page, double x, double y, const std::string& text) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  page.Text(x, y, text);
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
  page.SetPenStyle(PenStyle::kDotted);
  page.SetPenWidth(0);
  for (int j = 1; j <= g.yScale.ticks; ++j) {
    const double y = g.Y(j * g.yScale.step);
    if (y > g.top + 1) page.DrawLine(g.left, y, g.Right(), y);
  }
  for (int j = 1; j <= g.xScale.ticks; ++j) {
    const double x = g.X(j * g.xScale.step);
    if (x < g.Right() - 1) page.DrawLine(x, g.top, x, g.Bottom());
  }
  page.SetPenStyle(PenStyle::kSolid);
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
  const std::string yTitle = StudyTargetHeading(g.kind);
  const double h = page.TextHeight(yTitle);
  page.SetTextDirection(TextDirection::kRising);
  Put(page, g.left - kTick - 4 * kGap - widest - h,
      g.top + (kFrameHeight + page.TextWidth(yTitle)) / 2, yTitle);
  page.SetTextDirection(TextDirection::kHorizontal);
  const std::string caption = GraphCaption(g.kind);
  Put(page, g.left, g.top - h - 3 * kGap, caption);
}

// The segment between two points on the page, cut where it leaves the frame
// through its top; nothing when both lie above it.
std::optional<Segment> Clipped(const Graph& g, double x1, double y1, double x2, double y2) {
  if (y1 < g.top && y2 < g.top) return std::nullopt;
  if (y1 < g.top) {
    x1 = x1 + (x2 - x1) * (g.top - y1) / (y2 - y1);
    y1 = g.top;
  } else if (y2 < g.top) {
    x2 = x1 + (x2 - x1) * (g.top - y1) / (y2 - y1);
    y2 = g.top;
  }
  return Segment{x1, y1, x2, y2};
}

// A curve as drawn: its segments on the page, and the page y of its last
// point inside the frame (NaN when it has none).
struct DrawnCurve {
  std::vector<Segment> segments;
  double lastY = std::nan("");
};

DrawnCurve DrawCurve(PageSurface& page, const Graph& g, const std::vector<double>& widths,
                     const StudyCurve& curve) {
  DrawnCurve drawn;
  const std::size_t count = std::min(widths.size(), curve.values.size());
  for (std::size_t i = 0; i < count; ++i) {
    const double x = g.X(widths[i]);
    const double y = g.Y(Quantity(curve.values[i], g.kind));
    if (!std::isfinite(x) || !std::isfinite(y)) continue;
    drawn.lastY = std::max(y, g.top);
    if (i == 0) continue;
    const double x0 = g.X(widths[i - 1]);
    const double y0 = g.Y(Quantity(curve.values[i - 1], g.kind));
    if (!std::isfinite(x0) || !std::isfinite(y0)) continue;
    if (const std::optional<Segment> s = Clipped(g, x0, y0, x, y)) {
      page.DrawLine(s->x1, s->y1, s->x2, s->y2);
      drawn.segments.push_back(*s);
    }
  }
  return drawn;
}

// A label in the column right of the frame, for a line ending at the
// frame's right edge at page y end.
struct EndLabel {
  double end = 0;
  std::string text;
};

// Labels right of the frame at each line's end, pushed apart so that none
// covers another and none goes below the frame, each joined to its line by
// a short leader. The column is
// headed "kg (cm/sec)" when it holds a curve's label.
void DrawEndLabels(PageSurface& page, const Graph& g, std::vector<EndLabel> labels,
                   bool curvesAmongThem) {
  SetFont(page, kStudySmallSize);
  const double h = page.TextHeight("0");
  if (curvesAmongThem) Put(page, g.Right() + 2 * kGap, g.top - h - 3 * kGap, "kg (cm/sec)");
  std::erase_if(labels, [](const EndLabel& label) { return !std::isfinite(label.end); });
  std::stable_sort(labels.begin(), labels.end(),
                   [](const EndLabel& a, const EndLabel& b) { return a.end < b.end; });
  double nextFree = g.top - h;
  const double labelX = g.Right() + 3 * kGap;
  page.SetPenWidth(0);
  page.SetPenStyle(PenStyle::kSolid);
  std::vector<double> centres;
  for (const EndLabel& label : labels) {
    centres.push_back(std::max(label.end, nextFree + h / 2));
    nextFree = centres.back() + h / 2 + kGap / 2;
  }
  // Back up from the frame's bottom, clear of the last tick value below it.
  double lowest = g.Bottom();
  for (std::size_t i = centres.size(); i-- > 0;) {
    centres[i] = std::min(centres[i], lowest);
    lowest = centres[i] - h - kGap / 2;
  }
  for (std::size_t i = 0; i < labels.size(); ++i) {
    page.DrawLine(g.Right(), labels[i].end, labelX - kGap / 2, centres[i]);
    Put(page, labelX, centres[i] - h / 2, labels[i].text);
  }
}

// The first candidate that lies inside the frame and, with a little room
// around it, is free of every obstacle (of the boxes alone, lines false).
std::optional<Box> FirstFree(const Graph& g, const std::vector<Box>& candidates,
                             const GraphObstacles& obstacles, bool lines = true) {
  for (const Box& box : candidates) {
    const Box clear{box.left - kGap / 2, box.top - kGap / 2, box.right + kGap / 2,
                    box.bottom + kGap / 2};
    if (clear.left >= g.left && clear.right <= g.Right() && clear.top >= g.top &&
        clear.bottom <= g.Bottom() && obstacles.IsFree(clear, lines)) {
      return box;
    }
  }
  return std::nullopt;
}

// The target as a bold line across the frame, and each width found as a
// dot on its curve with its value beside it, where it crosses no line and
// covers no other. What is drawn joins obstacles.
void DrawTargetAndSolutions(PageSurface& page, const Graph& g, const StudyResult& result,
                            GraphObstacles& obstacles) {
  if (result.target.kind != g.kind) return;
  const double y = g.Y(result.target.value);
  page.SetPenWidth(kTargetPen);
  page.SetPenStyle(PenStyle::kSolid);
  page.DrawLine(g.left, y, g.Right(), y);
  if (std::isfinite(y)) obstacles.Add(Segment{g.left, y, g.Right(), y});
  page.SetPenWidth(10);
  SetFont(page, kStudySmallSize);
  const double h = page.TextHeight("0");

  page.SetBrushStyle(BrushStyle::kSolid);
  for (const StudySolution& solution : result.solutions) {
    if (!solution.width) continue;
    const double x = g.X(*solution.width);
    const double v = g.Y(solution.value);
    if (!std::isfinite(x) || !std::isfinite(v)) continue;
    page.DrawCircle(x, v, kMarkRadius);
    obstacles.Add(Box{x - kMarkRadius, v - kMarkRadius, x + kMarkRadius, v + kMarkRadius});
  }
  // The values after every dot, so that none is written over one.
  for (const StudySolution& solution : result.solutions) {
    if (!solution.width) continue;
    const double x = g.X(*solution.width);
    const double v = g.Y(solution.value);
    if (!std::isfinite(x) || !std::isfinite(v)) continue;
    const std::string text = "B=" + StudyLengthText(*solution.width) + "m";
    const double w = page.TextWidth(text);
    // Beside the dot, right and above first, then a line further out at a
    // time; where curves crowd the dot, the first that covers no other
    // text, else the first.
    std::vector<Box> candidates;
    for (int out = 0; out < kWidthLabelRings; ++out) {
      const double up = v - kGap - out * h;
      const double down = v + kGap + out * h;
      const double right = x + 2 * kGap;
      const double left = x - 2 * kGap - w;
      candidates.push_back({right, up - h, right + w, up});
      candidates.push_back({left, down, left + w, down + h});
      candidates.push_back({right, down, right + w, down + h});
      candidates.push_back({left, up - h, left + w, up});
    }
    std::optional<Box> box = FirstFree(g, candidates, obstacles);
    if (!box) box = FirstFree(g, candidates, obstacles, false);
    if (!box) box = candidates.front();
    Put(page, box->left, box->top, text);
    obstacles.Add(*box);
  }
}

// The page y of the drawn curve at page x, NaN where it has no segment.
double CurveYAt(const DrawnCurve& curve, double x) {
  for (const Segment& s : curve.segments) {
    const double lo = std::min(s.x1, s.x2);
    const double hi = std::max(s.x1, s.x2);
    if (x < lo || x > hi) continue;
    if (hi == lo) return std::min(s.y1, s.y2);
    return s.y1 + (s.y2 - s.y1) * (x - s.x1) / (s.x2 - s.x1);
  }
  return std::nan("");
}

// A curve's label inside the frame, beside the curve, where it crosses no
// line and covers nothing already written: candidates from the right of the
// frame leftwards, at each a corner beside the curve, the first free one
// taken. False when none is free.
bool PlaceCurveLabel(PageSurface& page, const Graph& g, const DrawnCurve& curve,
                     const std::string& text, GraphObstacles& obstacles) {
  constexpr double kSpots[] = {0.88, 0.74, 0.6, 0.46, 0.32, 0.18, 0.06};
  const double w = page.TextWidth(text);
  const double h = page.TextHeight(text);
  std::vector<Box> candidates;
  for (const double spot : kSpots) {
    const double x = g.left + spot * kFrameWidth;
    const double y = CurveYAt(curve, x);
    if (!std::isfinite(y)) continue;
    // Above and right of the point, below and left, then the other two:
    // a falling curve leaves the first two clear.
    candidates.insert(candidates.end(), {{x, y - kGap - h, x + w, y - kGap},
                                         {x - w, y + kGap, x, y + kGap + h},
                                         {x - w, y - kGap - h, x, y - kGap},
                                         {x, y + kGap, x + w, y + kGap + h}});
  }
  const std::optional<Box> box = FirstFree(g, candidates, obstacles);
  if (!box) return false;
  Put(page, box->left, box->top, text);
  obstacles.Add(*box);
  return true;
}

void DrawGraph(PageSurface& page, const StudyResult& result, StudyTargetKind kind, double left) {
  const bool zoomed = !result.graphWidths.empty();
  const std::vector<double>& widths = zoomed ? result.graphWidths : result.widths;
  const std::vector<StudyCurve>& curves = zoomed ? result.graphCurves : result.curves;
  std::vector<double> found;
  for (const StudySolution& solution : result.solutions) {
    if (solution.width) found.push_back(*solution.width);
  }
  Graph g;
  g.kind = kind;
  g.left = left;
  g.xScale = WidthScale(found, result.widthEnd);
  g.yScale = ValueScale(result, kind);
  DrawFrameAndGrid(page, g);
  DrawAxes(page, g);
  page.SetPenWidth(10);
  page.SetPenStyle(PenStyle::kSolid);
  GraphObstacles obstacles;
  std::vector<DrawnCurve> drawn;
  for (const StudyCurve& curve : curves) {
    drawn.push_back(DrawCurve(page, g, widths, curve));
    for (const Segment& s : drawn.back().segments) obstacles.Add(s);
  }
  DrawTargetAndSolutions(page, g, result, obstacles);
  SetFont(page, kStudySmallSize);
  std::vector<EndLabel> labels;
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const std::string text = "kg=" + KgText(curves[i].kg);
    if (!PlaceCurveLabel(page, g, drawn[i], text, obstacles)) {
      labels.push_back({drawn[i].lastY, KgText(curves[i].kg)});
    }
  }
  const bool curvesAmongThem = !labels.empty();
  if (result.target.kind == kind) labels.push_back({g.Y(result.target.value), "目標"});
  DrawEndLabels(page, g, std::move(labels), curvesAmongThem);
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
  page.SetTextDirection(TextDirection::kHorizontal);
  DrawHeading(page, result);
  DrawGraph(page, result, StudyTargetKind::kInflow, kInflowFrameLeft);
  DrawGraph(page, result, StudyTargetKind::kDrawdown, kDrawdownFrameLeft);
  DrawAnswers(page, result);
}

}  // namespace tavoro
