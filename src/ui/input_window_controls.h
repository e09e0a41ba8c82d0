#pragma once

#include <array>

namespace tavoro {

enum class ControlKind { kButton, kTextBox, kLabel, kFrame };

// One control of the input form as designed: its object name (e.g.
// "field_0"), its index among controls of its kind (-1 for the frame
// "地盤改良"), caption, position and size in twips relative to the client
// area or, when inFrame, to the frame, and its tab index.
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

inline constexpr int kInputControlCount = 39;

// Client area of the input form, in twips.
inline constexpr int kInputClientWidth = 4920;
inline constexpr int kInputClientHeight = 4860;

// Every control of the input form, in tab order. The frame comes before the
// controls it holds.
extern const std::array<ControlSpec, kInputControlCount> kInputControls;

}  // namespace tavoro
