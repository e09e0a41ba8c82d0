#pragma once

#include <array>

namespace tavoro {

enum class ControlKind { kButton, kTextBox, kLabel, kFrame };

// One control of the input form as designed: its object name (the design
// name with its array index, e.g. "Text1_0"), the array index (-1 for
// Frame1), caption, position and size in twips relative to the client area
// or, when inFrame, to Frame1, and its tab index.
struct ControlSpec {
  ControlKind kind;
  const char* name;
  int index;
  const char* caption;
  int left;
  int top;
  int width;
  int height;
  int tabIndex;
  bool inFrame;
};

inline constexpr int kForm1ControlCount = 39;

// Client area of the input form, in twips.
inline constexpr int kForm1ClientWidth = 4920;
inline constexpr int kForm1ClientHeight = 4860;

// Every control of the input form, in tab order. Frame1 comes before the
// controls it holds.
extern const std::array<ControlSpec, kForm1ControlCount> kForm1Controls;

}  // namespace tavoro
