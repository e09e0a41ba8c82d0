#include "page/page_surface.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
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

TEST_F(PageSurfaceTest, MarginsReadBackInTwips) {
  const std::pair<const char*, double> lengths[] = {{"20mm", 1133.858268}, {"1.5cm", 850.393701},
                                                    {"720tw", 720},        {" 360 ", 360},
                                                    {"10 PT", 200},        {"0mm", 0},
                                                    {"1in", 1440}};
  for (const auto& [text, twips] : lengths) {
    surface.SetMarginTop(text);
    EXPECT_NEAR(surface.MarginTop(), twips, 1e-6) << text;
  }
  // A text that is not a length leaves the margin as it was.
  for (const char* bad :
       {"", "mm", "abc", "20furlongs", "-5mm", "nan", "inf", "1e400mm", "2 0mm"}) {
    surface.SetMarginTop(bad);
    EXPECT_EQ(surface.MarginTop(), 1440) << bad;
  }
}

TEST_F(PageSurfaceTest, PolylineContinuesFromTheLastRecordedLineEnd) {
  surface.StartDoc();
  surface.SetPenWidth(10);
  surface.DrawLine(1, 2);  // from (0, 0) before any line
  surface.DrawLine(100, 200, 300, 400);
  surface.DrawLine(500, 400);
  surface.DrawLine(kNaN, 300);  // dropped lines leave the polyline at (500, 400)
  surface.DrawLine(kInf, 0, 1, 1);
  surface.SetPenStyle(kPenDotted);
  surface.DrawLine(500, 600);
  const Pen solid{10, kPenSolid};
  EXPECT_EQ(Commands(), (std::vector<PageCommand>{
                            LineCommand{0, 0, 1, 2, solid}, LineCommand{100, 200, 300, 400, solid},
                            LineCommand{300, 400, 500, 400, solid},
                            LineCommand{500, 400, 500, 600, {10, kPenDotted}}}));
}

TEST_F(PageSurfaceTest, DrawingLeavesTheTextPositionAndNonFiniteCommandsAreDropped) {
  surface.StartDoc();
  surface.SetCurrentX(1234.5);
  surface.SetCurrentY(678.9);
  surface.DrawLine(-1e12, 5, 1e12, 5);  // far off the paper, but finite
  surface.SetBrushStyle(kBrushCrossHatch);
  surface.DrawRectangle(10, 20, 30, 40);
  surface.DrawRectangle(0, 0, -kInf, 10);
  surface.SetBrushStyle(kBrushSolid);
  surface.DrawCircle(3000, 3000, 50);
  surface.DrawCircle(100, 100, kNaN);
  EXPECT_EQ(surface.CurrentX(), 1234.5);
  EXPECT_EQ(surface.CurrentY(), 678.9);
  surface.SetFontSize(kInf);
  surface.Text("x");
  EXPECT_EQ(surface.CurrentX(), 1234.5);
  surface.SetFontSize(10);
  surface.SetCurrentY(kNaN);
  surface.Text("x");
  EXPECT_EQ(Commands(),
            (std::vector<PageCommand>{LineCommand{-1e12, 5, 1e12, 5, Pen{}},
                                      RectangleCommand{10, 20, 30, 40, Pen{}, kBrushCrossHatch},
                                      CircleCommand{3000, 3000, 50, Pen{}, kBrushSolid}}));
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
