#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "page/text_measurer.h"

namespace tavoro {

// Pen styles and brush styles as the drawing code numbers them.
inline constexpr std::int16_t kPenSolid = 0;
inline constexpr std::int16_t kPenDotted = 2;
inline constexpr std::int16_t kBrushSolid = 0;
inline constexpr std::int16_t kBrushCrossHatch = 7;

// What a drawing shows, for devices that keep drawings apart by kind (the
// layers of a CAD drawing). Painting ignores it.
enum class DrawingLayer : std::uint8_t {
  kNone,
  kFrame,
  kScale,
  kWater,
  kImprovement,
  kDimension,
};

// A pen: width in twips (0 = the thinnest line the device draws) and style.
struct Pen {
  double width = 0;
  std::int16_t style = kPenSolid;

  friend bool operator==(const Pen&, const Pen&) = default;
};

// Text with its top-left reference point (x, y) in twips, the resolved font,
// the direction in tenths of a degree (900 rises vertically, turned about the
// reference point) and the width and height the surface measured for it.
struct TextCommand {
  double x = 0;
  double y = 0;
  std::string text;
  FontSpec font;
  std::int16_t angle = 0;
  double width = 0;
  double height = 0;

  friend bool operator==(const TextCommand&, const TextCommand&) = default;
};

struct LineCommand {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  Pen pen;
  DrawingLayer layer = DrawingLayer::kNone;

  friend bool operator==(const LineCommand&, const LineCommand&) = default;
};

// A circle filled with the brush and outlined with the pen.
struct CircleCommand {
  double x = 0;
  double y = 0;
  double radius = 0;
  Pen pen;
  std::int16_t brush = kBrushSolid;
  DrawingLayer layer = DrawingLayer::kNone;

  friend bool operator==(const CircleCommand&, const CircleCommand&) = default;
};

// A rectangle between two corners, filled with the brush and outlined with
// the pen.
struct RectangleCommand {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  Pen pen;
  std::int16_t brush = kBrushSolid;
  DrawingLayer layer = DrawingLayer::kNone;

  friend bool operator==(const RectangleCommand&, const RectangleCommand&) = default;
};

using PageCommand = std::variant<TextCommand, LineCommand, CircleCommand, RectangleCommand>;

struct Page {
  std::vector<PageCommand> commands;

  friend bool operator==(const Page&, const Page&) = default;
};

// A recorded document: the paper in twips (already turned for landscape)
// and its pages in drawing order. finished is set by EndDoc; a document that
// an error stopped early stays unfinished but keeps what was drawn.
struct Document {
  double paperWidth = 0;
  double paperHeight = 0;
  bool landscape = false;
  std::string title;  // UTF-8, e.g. "計算書"; empty when unnamed
  std::vector<Page> pages;
  bool finished = false;

  friend bool operator==(const Document&, const Document&) = default;
};

}  // namespace tavoro
