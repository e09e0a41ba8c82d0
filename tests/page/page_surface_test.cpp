#include "page/page_surface.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "page/fixed_pitch_measurer.h"

namespace tavoro {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class PageSurfaceTest : public ::testing::Test {
 protected:
  const std::vector<PageCommand>& Commands() const {
    return surface.document().pages.at(0).commands;
  }

  FixedPitchMeasurer measurer;
  PageSurface surface{measurer};
};

// 10 pt: 200 twips a kana, 100 an ASCII letter, lines 200 high.
TEST_F(PageSurfaceTest, TextStandsAtItsPointAndTheNextPieceFlowsOn) {
  surface.StartDoc();
  surface.Text(1000, 500, "水位");
  surface.Text("h2");
  surface.SetTextDirection(TextDirection::kRising);
  surface.Text(3000, 800, "R");
  EXPECT_EQ(surface.CurrentX(), 3100);
  EXPECT_EQ(surface.CurrentY(), 800);
  const FontSpec font{"", 10};
  EXPECT_EQ(Commands(),
            (std::vector<PageCommand>{
                TextCommand{1000, 500, "水位", font, TextDirection::kHorizontal, 400, 200},
                TextCommand{1400, 500, "h2", font, TextDirection::kHorizontal, 200, 200},
                TextCommand{3000, 800, "R", font, TextDirection::kRising, 100, 200}}));
}

TEST_F(PageSurfaceTest, PolylineContinuesFromTheLastRecordedLineEnd) {
  surface.StartDoc();
  surface.SetPenWidth(10);
  surface.DrawLine(1, 2);  // from (0, 0) before any line
  surface.DrawLine(100, 200, 300, 400);
  surface.DrawLine(500, 400);
  surface.DrawLine(kNaN, 300);  // dropped lines leave the polyline at (500, 400)
  surface.DrawLine(kInf, 0, 1, 1);
  surface.SetPenStyle(PenStyle::kDotted);
  surface.DrawLine(500, 600);
  const Pen solid{10, PenStyle::kSolid};
  EXPECT_EQ(Commands(), (std::vector<PageCommand>{
                            LineCommand{0, 0, 1, 2, solid}, LineCommand{100, 200, 300, 400, solid},
                            LineCommand{300, 400, 500, 400, solid},
                            LineCommand{500, 400, 500, 600, {10, PenStyle::kDotted}}}));
}

TEST_F(PageSurfaceTest, DrawingLeavesTheTextPositionAndNonFiniteCommandsAreDropped) {
  surface.StartDoc();
  surface.SetCurrentX(1234.5);
  surface.SetCurrentY(678.9);
  surface.DrawLine(-1e12, 5, 1e12, 5);  // far off the paper, but finite
  surface.SetBrushStyle(BrushStyle::kDiagonalCross);
  surface.DrawRectangle(10, 20, 30, 40);
  surface.DrawRectangle(0, 0, -kInf, 10);
  surface.SetBrushStyle(BrushStyle::kSolid);
  surface.DrawCircle(3000, 3000, 50);
  surface.DrawCircle(100, 100, kNaN);
  EXPECT_EQ(surface.CurrentX(), 1234.5);
  EXPECT_EQ(surface.CurrentY(), 678.9);
  surface.SetFontSize(kInf);
  surface.Text("x");
  EXPECT_EQ(surface.CurrentX(), 1234.5);
  surface.SetFontSize(10);
  surface.Text(0, kNaN, "x");
  EXPECT_EQ(Commands(), (std::vector<PageCommand>{
                            LineCommand{-1e12, 5, 1e12, 5, Pen{}},
                            RectangleCommand{10, 20, 30, 40, Pen{}, BrushStyle::kDiagonalCross},
                            CircleCommand{3000, 3000, 50, Pen{}, BrushStyle::kSolid}}));
}

// Nothing is kept outside an open document, and nothing there breaks.
TEST_F(PageSurfaceTest, OnlyAnOpenDocumentRecords) {
  surface.NewPage();
  EXPECT_TRUE(surface.document().pages.empty());
  surface.StartDoc();
  surface.EndDoc();
  surface.DrawLine(0, 0, 1, 1);
  surface.NewPage();
  EXPECT_TRUE(surface.document().finished);
  EXPECT_EQ(surface.document().pages, std::vector<Page>(1));
}

}  // namespace
}  // namespace tavoro
