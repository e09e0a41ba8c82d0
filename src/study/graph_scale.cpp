#include "study/graph_scale.h"

#include <algorithm>
#include <cmath>

#include "calc/number_format.h"

namespace tavoro {
namespace {

constexpr int kMaxTicks = 6;
constexpr int kMaxDecimals = 6;

// The smallest nice step (1, 2 or 5 times a power of ten) that covers span
// in at most kMaxTicks steps.
double NiceStep(double span, int& decimals) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(span / kMaxTicks)));
  double step = 10 * magnitude;
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (std::ceil(span / (factor * magnitude) - 1e-9) <= kMaxTicks) {
      step = factor * magnitude;
      break;
    }
  }
  decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, kMaxDecimals);
  return step;
}

}  // namespace

AxisScale ScaleUpTo(double highest) {
  if (!(highest > 0) || !std::isfinite(highest)) return AxisScale{};
  AxisScale scale;
  scale.step = NiceStep(highest, scale.decimals);
  scale.ticks = std::clamp(static_cast<int>(std::ceil(highest / scale.step - 1e-9)), 1, kMaxTicks);
  scale.top = scale.ticks * scale.step;
  return scale;
}

AxisScale ScaleEndingAt(double end) {
  if (!(end > 0) || !std::isfinite(end)) return AxisScale{};
  AxisScale scale;
  scale.step = NiceStep(end, scale.decimals);
  scale.ticks = std::clamp(static_cast<int>(std::floor(end / scale.step + 1e-9)), 0, kMaxTicks);
  scale.top = end;
  return scale;
}

AxisScale WidthScale(const std::vector<double>& widths, double end) {
  constexpr double kMargin = 1.25;
  constexpr double kNarrowest = 0.005;  // m
  double widest = 0;
  for (const double width : widths) {
    if (std::isfinite(width)) widest = std::max(widest, width);
  }
  if (widest > 0) {
    const AxisScale zoomed = ScaleUpTo(std::max(widest * kMargin, kNarrowest));
    if (zoomed.top <= end / 2) return zoomed;
  }
  return ScaleEndingAt(end);
}

std::string TickText(double value, int decimals) {
  std::string text = FormatNumber(value, NumberPattern::kSixDecimals);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text;
  const int keep = std::clamp(decimals, 0, kMaxDecimals);
  return text.substr(0, keep == 0 ? point : point + 1 + static_cast<std::size_t>(keep));
}

}  // namespace tavoro
