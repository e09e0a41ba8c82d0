#include "report/uplift_sketch.h"

#include <algorithm>
#include <string>

#include "report/report_values.h"

namespace tavoro {
namespace {

constexpr double kArrow = 60;       // twips, arrowhead length
constexpr double kLabelGap = 60;    // twips between a line and its label
constexpr double kHeadMark = 90;    // twips, half-width of the ▽ mark

class Sketch {
 public:
  Sketch(PageSurface& page, double top, double bottom, double shallowest, double deepest)
      : page_(page), top_(top), scale_((bottom - top) / (deepest - shallowest)),
        shallowest_(shallowest) {}

  double Y(double depth) const { return top_ + (depth - shallowest_) * scale_; }

  void Label(double x, double y, const std::string& text) {
    page_.Text(x, y - page_.TextHeight(text) / 2, text);
  }
  // A label right-aligned to x.
  void LabelLeftOf(double x, double y, const std::string& text) {
    Label(x - page_.TextWidth(text), y, text);
  }

  // A vertical dimension from depth a to b at x, its text to the right.
  void Dimension(double x, double a, double b, const std::string& text) {
    const double ya = Y(a), yb = Y(b);
    page_.DrawLine(x, ya, x, yb);
    for (const auto& [y, sign] : {std::pair{ya, 1.0}, std::pair{yb, -1.0}}) {
      page_.DrawLine(x - kArrow / 2, y + sign * kArrow, x, y);
      page_.DrawLine(x + kArrow / 2, y + sign * kArrow, x, y);
      page_.DrawLine(x - kArrow, y, x + kArrow, y);
    }
    Label(x + kLabelGap, (ya + yb) / 2, text);
  }

 private:
  PageSurface& page_;
  double top_;
  double scale_;
  double shallowest_;
};

std::string Gl(double depth) {
  return LevelText(depth);
}

}  // namespace

std::string LevelText(double depth) {
  return depth < 0 ? "GL+" + LengthText(-depth) : "GL-" + LengthText(depth);
}

void DrawUpliftSketch(PageSurface& page, const CalculationCase& calc, double left, double right,
                      double top, double bottom) {
  const UpliftResult& u = *calc.uplift;
  const UpliftInputs& in = *calc.ground.uplift;
  const double dc = in.confinedTop;
  const double hp = in.confinedHead;
  const double shallowest = std::min(0.0, hp);
  const double span = std::max(dc - shallowest, 1e-3);
  Sketch sketch(page, top, bottom, shallowest - 0.08 * span, dc + 0.18 * span);

  const double width = right - left;
  const double labelRight = left + 0.22 * width;
  const double groundLeft = left + 0.24 * width;
  const double shaftLeft = left + 0.34 * width;
  const double shaftRight = left + 0.50 * width;
  const double groundRight = left + 0.70 * width;
  const double dX = left + 0.56 * width;
  const double hwX = left + 0.78 * width;

  page.SetPenWidth(7);
  page.SetPenStyle(PenStyle::kSolid);
  // Ground surface on both sides of the shaft, the walls and the bottom.
  const double gl = sketch.Y(0);
  const double bottomY = sketch.Y(calc.ExcavationDepth);
  page.DrawLine(groundLeft, gl, shaftLeft, gl);
  page.DrawLine(shaftRight, gl, groundRight, gl);
  page.DrawLine(shaftLeft, gl, shaftLeft, bottomY);
  page.DrawLine(shaftRight, gl, shaftRight, bottomY);
  page.DrawLine(shaftLeft, bottomY, shaftRight, bottomY);
  sketch.LabelLeftOf(labelRight, gl, "GL±0");
  sketch.LabelLeftOf(labelRight, bottomY, "掘削底 " + Gl(calc.ExcavationDepth));

  // The impervious layer down to the aquifer top, and the aquifer below.
  const double impervious = sketch.Y(calc.ImperviousDepth);
  const double aquifer = sketch.Y(dc);
  page.SetPenStyle(PenStyle::kDotted);
  page.DrawLine(groundLeft, impervious, groundRight, impervious);
  page.SetPenStyle(PenStyle::kSolid);
  page.DrawLine(groundLeft, aquifer, groundRight, aquifer);
  // Close above the aquifer top, the impervious layer's label stands one line higher.
  const double lift = aquifer - impervious < page.TextHeight("不") ? page.TextHeight("不") : 0;
  sketch.LabelLeftOf(labelRight, impervious - lift, "不透水層 " + Gl(calc.ImperviousDepth));
  sketch.LabelLeftOf(labelRight, aquifer, "被圧帯水層上面 " + Gl(dc));
  sketch.Label(groundLeft + kLabelGap, (aquifer + sketch.Y(dc + 0.18 * span)) / 2, "被圧帯水層");

  // The piezometric level with its ▽ mark.
  const double head = sketch.Y(hp);
  page.SetPenStyle(PenStyle::kDotted);
  page.DrawLine(dX, head, right, head);
  page.SetPenStyle(PenStyle::kSolid);
  const double markX = hwX + 3 * kHeadMark;
  page.DrawLine(markX - kHeadMark, head - 1.6 * kHeadMark, markX + kHeadMark, head - 1.6 * kHeadMark);
  page.DrawLine(markX - kHeadMark, head - 1.6 * kHeadMark, markX, head);
  page.DrawLine(markX + kHeadMark, head - 1.6 * kHeadMark, markX, head);
  sketch.Label(markX + 2 * kHeadMark, head - 1.6 * kHeadMark, "被圧水頭 " + Gl(hp));

  // d and hw, both measured from the aquifer top.
  if (u.d > 0) sketch.Dimension(dX, calc.ExcavationDepth, dc, "d = " + LengthText(u.d) + " m");
  sketch.Dimension(hwX, hp, dc, "hw = " + LengthText(u.hw) + " m");
}

}  // namespace tavoro
