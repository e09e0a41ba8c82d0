#pragma once

#include <string>
#include <vector>

namespace tavoro {

// A value axis from 0 up: ticks every step (1, 2 or 5 times a power of ten)
// up to top, at most six steps, labelled with decimals digits.
struct AxisScale {
  double top = 1;
  double step = 1;
  int ticks = 1;  // tick count above 0
  int decimals = 0;
};

// The scale whose top is the first tick at or above highest (> 0). A
// highest that is not a positive number gets the scale 0 to 1.
AxisScale ScaleUpTo(double highest);

// Ticks every nice step inside 0..end, the axis ending at end itself.
AxisScale ScaleEndingAt(double end);

// The B axis of the study graph, chosen from the widths found (m): 0 to the
// first nice tick a quarter beyond the widest, at least 5 mm, when that
// stays within half of end, so that an answer of a millimetre or two is
// readable; else, or when none is found above 0, the whole range 0 to end
// (ScaleEndingAt).
AxisScale WidthScale(const std::vector<double>& widths, double end);

// A tick value with the scale's decimals ("0.25", "10"), full stop always.
std::string TickText(double value, int decimals);

}  // namespace tavoro
