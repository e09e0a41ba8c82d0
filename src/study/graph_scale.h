#pragma once

#include <string>

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

// A tick value with the scale's decimals ("0.25", "10"), full stop always.
std::string TickText(double value, int decimals);

}  // namespace tavoro
