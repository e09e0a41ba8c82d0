#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "page/text_measurer.h"

namespace tavoro {

enum class PenStyle : std::uint8_t { kSolid, kDotted };

// How circles and rectangles are filled: black, or hatched with a diagonal
// cross on a grid fixed to the page.
enum class BrushStyle : std::uint8_t { kSolid, kDiagonalCross };

enum class Orientation : std::uint8_t { kPortrait, kLandscape };

// Text runs left to right, or rises bottom to top (turned 90° about its
// reference point).
enum class TextDirection : std::uint8_t { kHorizontal, kRising };

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
  PenStyle style = PenStyle::kSolid;

  friend bool operator==(const Pen&, const Pen&) = default;
};

// Text with its top-left reference point (x, y) in twips, the resolved font,
// the direction and the width and height the surface measured for it.
struct TextCommand {
  double x = 0;
  double y = 0;
  std::string text;
  FontSpec font;
  TextDirection direction = TextDirection::kHorizontal;
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
  BrushStyle brush = BrushStyle::kSolid;
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
  BrushStyle brush = BrushStyle::kSolid;
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
  Orientation orientation = Orientation::kPortrait;
  std::string title;  // UTF-8, e.g. "計算書"; empty when unnamed
  std::vector<Page> pages;
  bool finished = false;

  friend bool operator==(const Document&, const Document&) = default;
};

}  // namespace tavoro
