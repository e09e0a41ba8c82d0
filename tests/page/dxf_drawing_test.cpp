// The display list as a DXF drawing, read back group by group.
#include "page/dxf/dxf_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "page/dxf/dxf_geometry.h"

namespace tavoro {
namespace {

// A4 landscape as the chart records it.
constexpr double kPaperWidth = 16838;
constexpr double kPaperHeight = 11906;
constexpr double kMm = 25.4 / 1440;

// Marks every text so the test sees that each one went through the encoder.
std::string Encode(std::string_view utf8) {
  return "<" + std::string(utf8) + ">";
}

struct Entity {
  std::string type;
  std::multimap<int, std::string> groups;

  std::string Text(int code) const {
    const auto it = groups.find(code);
    return it == groups.end() ? "" : it->second;
  }
  double Real(int code) const { return std::stod(Text(code)); }
};

// The drawing's group pairs, each "0" starting a new record.
std::vector<Entity> Records(const std::string& dxf) {
  std::vector<Entity> records;
  std::size_t at = 0;
  const auto nextLine = [&] {
    const std::size_t end = dxf.find("\r\n", at);
    std::string line = dxf.substr(at, end - at);
    at = end == std::string::npos ? dxf.size() : end + 2;
    return line;
  };
  while (at < dxf.size()) {
    const int code = std::stoi(nextLine());
    const std::string value = nextLine();
    if (code == 0) {
      records.push_back({value, {}});
    } else if (!records.empty()) {
      records.back().groups.emplace(code, value);
    }
  }
  return records;
}

// The records between "ENTITIES" and the end of that section.
std::vector<Entity> Entities(const std::string& dxf) {
  std::vector<Entity> all = Records(dxf);
  std::vector<Entity> entities;
  bool inside = false;
  for (const Entity& record : all) {
    if (record.type == "SECTION") {
      inside = record.Text(2) == "ENTITIES";
    } else if (record.type == "ENDSEC") {
      inside = false;
    } else if (inside) {
      entities.push_back(record);
    }
  }
  return entities;
}

std::vector<Entity> OfType(const std::vector<Entity>& entities, const std::string& type) {
  std::vector<Entity> found;
  for (const Entity& e : entities) {
    if (e.type == type) found.push_back(e);
  }
  return found;
}

Document OnePage(std::vector<PageCommand> commands) {
  Document document;
  document.paperWidth = kPaperWidth;
  document.paperHeight = kPaperHeight;
  document.orientation = Orientation::kLandscape;
  document.pages.push_back(Page{std::move(commands)});
  return document;
}

std::string Drawing(const Document& document) {
  const std::optional<std::string> dxf = DxfDrawing(document, 0, Encode);
  EXPECT_TRUE(dxf.has_value());
  return dxf.value_or("");
}

const Pen kSolid{10, PenStyle::kSolid};
const Pen kDotted{10, PenStyle::kDotted};

TEST(DxfDrawingTest, FillsBecomeSolidsDonutsAndHatchLinesInsideTheirShape) {
  const DrawingLayer ring = DrawingLayer::kImprovement;
  const std::string dxf = Drawing(OnePage({
      RectangleCommand{1440, 1440, 2880, 2160, kSolid, BrushStyle::kSolid, ring},
      CircleCommand{5000, 5000, 72, kSolid, BrushStyle::kSolid, DrawingLayer::kWater},
      RectangleCommand{6000, 6300, 6400, 6000, kDotted, BrushStyle::kDiagonalCross, ring},
  }));
  const std::vector<Entity> entities = Entities(dxf);
  const std::vector<Entity> solids = OfType(entities, "SOLID");
  ASSERT_EQ(solids.size(), 1u);
  // Corners 1-2 along the bottom, 3-4 along the top.
  EXPECT_DOUBLE_EQ(solids[0].Real(10), 25.4);
  EXPECT_DOUBLE_EQ(solids[0].Real(20), (kPaperHeight - 2160) * kMm);
  EXPECT_DOUBLE_EQ(solids[0].Real(11), 50.8);
  EXPECT_DOUBLE_EQ(solids[0].Real(22), (kPaperHeight - 1440) * kMm);
  EXPECT_DOUBLE_EQ(solids[0].Real(13), 50.8);
  EXPECT_DOUBLE_EQ(solids[0].Real(23), (kPaperHeight - 1440) * kMm);

  const std::vector<Entity> polylines = OfType(entities, "POLYLINE");
  ASSERT_EQ(polylines.size(), 3u);  // the rectangle's outline, the donut, the hatched outline
  EXPECT_EQ(polylines[0].Text(70), "1");
  EXPECT_DOUBLE_EQ(polylines[1].Real(40), 72 * kMm);
  EXPECT_EQ(polylines[1].Text(8), "<水位>");
  EXPECT_EQ(polylines[2].Text(6), "DOT");
  const std::vector<Entity> circles = OfType(entities, "CIRCLE");
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_DOUBLE_EQ(circles[0].Real(40), 72 * kMm);

  // The diagonal cross hatch of a 400 x 300 twip box on the page's 90-twip grid.
  const std::vector<Entity> lines = OfType(entities, "LINE");
  EXPECT_EQ(lines.size(), HatchSegments({6000, 6000, 6400, 6300}, 90).size());
  EXPECT_GE(lines.size(), 8u);
  for (const Entity& line : lines) {
    EXPECT_EQ(line.Text(8), "<改良>");
    EXPECT_EQ(line.groups.count(6), 0u);
    for (const int code : {10, 11}) {
      EXPECT_GE(line.Real(code), 6000 * kMm - 1e-9);
      EXPECT_LE(line.Real(code), 6400 * kMm + 1e-9);
      EXPECT_GE(line.Real(code + 10), (kPaperHeight - 6300) * kMm - 1e-9);
      EXPECT_LE(line.Real(code + 10), (kPaperHeight - 6000) * kMm + 1e-9);
    }
  }
}

TEST(DxfDrawingTest, NothingReachesBeyondThePaper) {
  const double nan = std::nan("");
  const std::string dxf = Drawing(OnePage({
      LineCommand{-1e12, 1440, 1e12, 1440, kSolid, DrawingLayer::kFrame},
      LineCommand{nan, 0, 10, 10, kSolid, DrawingLayer::kFrame},
      LineCommand{-500, -500, -100, -100, kSolid, DrawingLayer::kFrame},
      CircleCommand{10, 10, 72, kSolid, BrushStyle::kSolid, DrawingLayer::kWater},
      TextCommand{-1440, 1440, "外", {"ＭＳ 明朝", 10}, TextDirection::kHorizontal, 200, 200},
      TextCommand{1440, 1440, "大", {"ＭＳ 明朝", 1e9}, TextDirection::kHorizontal, 200, 200},
      RectangleCommand{-1e9, 100, 1e9, 200, kSolid, BrushStyle::kDiagonalCross,
                       DrawingLayer::kFrame},
  }));
  const std::vector<Entity> entities = Entities(dxf);
  const std::vector<Entity> lines = OfType(entities, "LINE");
  ASSERT_FALSE(lines.empty());
  EXPECT_DOUBLE_EQ(lines[0].Real(10), 0);
  EXPECT_DOUBLE_EQ(lines[0].Real(11), kPaperWidth * kMm);
  EXPECT_TRUE(OfType(entities, "TEXT").empty());
  EXPECT_TRUE(OfType(entities, "CIRCLE").empty());
  for (const Entity& line : lines) {
    EXPECT_GE(line.Real(10), 0);
    EXPECT_LE(line.Real(11), kPaperWidth * kMm);
  }
  EXPECT_FALSE(DxfDrawing(OnePage({}), 1, Encode).has_value());
  Document noPaper = OnePage({});
  noPaper.paperWidth = nan;
  EXPECT_FALSE(DxfDrawing(noPaper, 0, Encode).has_value());
}

TEST(DxfGeometryTest, ClipsSegmentsToTheBoxAndCutsChordsOfCircles) {
  const DxfBox box{0, 0, 10, 10};
  EXPECT_EQ(ClipToBox({{-5, 5}, {15, 5}}, box), (DxfSegment{{0, 5}, {10, 5}}));
  EXPECT_EQ(ClipToBox({{2, 2}, {3, 3}}, box), (DxfSegment{{2, 2}, {3, 3}}));
  EXPECT_EQ(ClipToBox({{-5, -5}, {15, 15}}, box), (DxfSegment{{0, 0}, {10, 10}}));
  EXPECT_FALSE(ClipToBox({{-5, 11}, {15, 11}}, box));
  EXPECT_FALSE(ClipToBox({{11, -1}, {20, 5}}, box));
  EXPECT_FALSE(ClipToBox({{std::nan(""), 1}, {2, 2}}, box));

  EXPECT_EQ(ChordOnLine({{-10, 0}, {10, 0}}, {0, 0}, 5), (DxfSegment{{-5, 0}, {5, 0}}));
  EXPECT_FALSE(ChordOnLine({{-10, 6}, {10, 6}}, {0, 0}, 5));

  // The cross over a 90-twip square: x + y = 0 only touches its corner, x + y
  // = 90√2 is cut at its right edge, x - y = 0 runs corner to corner.
  const std::vector<DxfSegment> cross = HatchSegments({0, 0, 90, 90}, 90);
  ASSERT_EQ(cross.size(), 2u);
  EXPECT_NEAR(cross[0].from.x, 90 * std::sqrt(2.0) - 90, 1e-9);
  EXPECT_NEAR(cross[0].to.y, 90 * std::sqrt(2.0) - 90, 1e-9);
  EXPECT_EQ(cross[1], (DxfSegment{{0, 0}, {90, 90}}));
  EXPECT_TRUE(HatchSegments({0, 0, 1e12, 1e12}, 90).empty());
}

}  // namespace
}  // namespace tavoro
