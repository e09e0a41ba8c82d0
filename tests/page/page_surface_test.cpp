#include "page/page_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "page/fixed_pitch_measurer.h"

namespace tavoro {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class PageSurfaceTest : public ::testing::Test {
 protected:
  const std::vector<PageCommand>& Commands(int page = 0) const {
    return surface.document().pages.at(static_cast<std::size_t>(page)).commands;
  }

  FixedPitchMeasurer measurer;
  PageSurface surface{measurer};
};

TEST_F(PageSurfaceTest, MarginsReadBackInTwips) {
  surface.SetMarginLeft("20mm");
  EXPECT_NEAR(surface.MarginLeft(), 1133.858268, 1e-6);
  surface.SetMarginRight("1.5cm");
  EXPECT_NEAR(surface.MarginRight(), 850.393701, 1e-6);
  surface.SetMarginTop("1in");
  EXPECT_DOUBLE_EQ(surface.MarginTop(), 1440.0);
  surface.SetMarginBottom("720tw");
  EXPECT_DOUBLE_EQ(surface.MarginBottom(), 720.0);
  surface.SetMarginBottom(" 360 ");
  EXPECT_DOUBLE_EQ(surface.MarginBottom(), 360.0);
  surface.SetMarginRight("0mm");
  EXPECT_DOUBLE_EQ(surface.MarginRight(), 0.0);
  surface.SetMarginTop("10 PT");
  EXPECT_DOUBLE_EQ(surface.MarginTop(), 200.0);

  for (const char* bad :
       {"", "mm", "abc", "20furlongs", "-5mm", "nan", "inf", "1e400mm", "2 0mm"}) {
    surface.SetMarginLeft(bad);
    EXPECT_NEAR(surface.MarginLeft(), 1133.858268, 1e-6) << bad;
  }
}

TEST_F(PageSurfaceTest, StartDocTakesA4InTheOrientationSet) {
  surface.SetPaperSize(9);
  surface.SetOrientation(0);
  surface.StartDoc();
  EXPECT_NEAR(surface.document().paperWidth, 11905.511811, 1e-6);
  EXPECT_NEAR(surface.document().paperHeight, 16837.795276, 1e-6);
  EXPECT_FALSE(surface.document().landscape);
  ASSERT_EQ(surface.document().pages.size(), 1u);

  surface.SetOrientation(1);
  surface.StartDoc();
  EXPECT_NEAR(surface.document().paperWidth, 16837.795276, 1e-6);
  EXPECT_NEAR(surface.document().paperHeight, 11905.511811, 1e-6);
  EXPECT_TRUE(surface.document().landscape);

  surface.SetOrientation(7);
  EXPECT_EQ(surface.Orientation(), 1);
}

TEST_F(PageSurfaceTest, TextContinuesOnTheSameLine) {
  surface.StartDoc();
  surface.SetFontName("ＭＳ 明朝");
  surface.SetFontSize(10);
  surface.SetCurrentX(1000);
  surface.SetCurrentY(2000);
  surface.Text("Q1=");
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 1300);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 2000);
  surface.SetFontSize(6);
  surface.Text("流量");
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 1540);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 2000);

  const FontSpec mincho10{"ＭＳ 明朝", 10};
  const FontSpec mincho6{"ＭＳ 明朝", 6};
  ASSERT_EQ(Commands().size(), 2u);
  EXPECT_EQ(std::get<TextCommand>(Commands()[0]),
            (TextCommand{1000, 2000, "Q1=", mincho10, 0, 300, 200}));
  EXPECT_EQ(std::get<TextCommand>(Commands()[1]),
            (TextCommand{1300, 2000, "流量", mincho6, 0, 240, 120}));
}

TEST_F(PageSurfaceTest, RotatedTextKeepsItsAngleAndAdvancesCurrentX) {
  surface.StartDoc();
  surface.SetFontSize(10);
  surface.SetTextAngle(900);
  surface.SetCurrentX(500);
  surface.SetCurrentY(4000);
  surface.Text("水位");
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 900);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 4000);
  ASSERT_EQ(Commands().size(), 1u);
  EXPECT_EQ(std::get<TextCommand>(Commands()[0]).angle, 900);
}

TEST_F(PageSurfaceTest, PolylineContinuesFromThePreviousLineEnd) {
  surface.StartDoc();
  surface.SetPenWidth(10);
  surface.DrawLine(1, 2);  // from (0, 0) before any line
  surface.DrawLine(100, 200, 300, 400);
  surface.DrawLine(500, 400);
  surface.SetPenStyle(kPenDotted);
  surface.DrawLine(500, 600);

  const Pen solid10{10, kPenSolid};
  const Pen dotted10{10, kPenDotted};
  ASSERT_EQ(Commands().size(), 4u);
  EXPECT_EQ(std::get<LineCommand>(Commands()[0]), (LineCommand{0, 0, 1, 2, solid10}));
  EXPECT_EQ(std::get<LineCommand>(Commands()[1]), (LineCommand{100, 200, 300, 400, solid10}));
  EXPECT_EQ(std::get<LineCommand>(Commands()[2]), (LineCommand{300, 400, 500, 400, solid10}));
  EXPECT_EQ(std::get<LineCommand>(Commands()[3]), (LineCommand{500, 400, 500, 600, dotted10}));
}

TEST_F(PageSurfaceTest, DrawingLeavesTheTextPosition) {
  surface.StartDoc();
  surface.SetCurrentX(1234.5);
  surface.SetCurrentY(678.9);
  surface.DrawLine(0, 0, 5000, 5000);
  surface.DrawLine(7000, 100);
  surface.SetBrushStyle(kBrushCrossHatch);
  surface.DrawRectangle(10, 20, 30, 40);
  surface.SetBrushStyle(kBrushSolid);
  surface.DrawCircle(3000, 3000, 50);
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 1234.5);
  EXPECT_DOUBLE_EQ(surface.CurrentY(), 678.9);
  ASSERT_EQ(Commands().size(), 4u);
  EXPECT_EQ(std::get<RectangleCommand>(Commands()[2]),
            (RectangleCommand{10, 20, 30, 40, Pen{}, kBrushCrossHatch}));
  EXPECT_EQ(std::get<CircleCommand>(Commands()[3]),
            (CircleCommand{3000, 3000, 50, Pen{}, kBrushSolid}));
}

TEST_F(PageSurfaceTest, NonFiniteCommandsAreDroppedAndFarOnesKept) {
  surface.StartDoc();
  surface.DrawLine(100, 100, 200, 200);
  surface.DrawLine(kNaN, 300);  // dropped lines leave the polyline at (200, 200)
  surface.DrawLine(kInf, 0, 1, 1);
  surface.DrawLine(300, 300);
  surface.DrawCircle(100, 100, kNaN);
  surface.DrawCircle(kInf, 100, 10);
  surface.DrawRectangle(0, 0, -kInf, 10);
  surface.SetCurrentX(kNaN);
  surface.Text("x");
  surface.SetCurrentX(0);
  surface.SetFontSize(kInf);
  surface.Text("x");
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 0);
  surface.SetFontSize(10);
  surface.DrawLine(-1e12, 5, 1e12, 5);

  ASSERT_EQ(Commands().size(), 3u);
  EXPECT_EQ(std::get<LineCommand>(Commands()[1]), (LineCommand{200, 200, 300, 300, Pen{}}));
  EXPECT_EQ(std::get<LineCommand>(Commands()[2]), (LineCommand{-1e12, 5, 1e12, 5, Pen{}}));
}

TEST_F(PageSurfaceTest, NothingIsRecordedOutsideAnOpenDocument) {
  surface.SetFontSize(10);
  surface.Text("ab");
  EXPECT_DOUBLE_EQ(surface.CurrentX(), 200);
  surface.DrawLine(0, 0, 10, 10);
  surface.NewPage();
  EXPECT_TRUE(surface.document().pages.empty());

  surface.StartDoc();
  surface.DrawLine(20, 20);  // continues from the line drawn before StartDoc
  surface.NewPage();
  surface.Text("c");
  surface.EndDoc();
  surface.DrawLine(0, 0, 1, 1);
  surface.NewPage();

  const Document& document = surface.document();
  EXPECT_TRUE(document.finished);
  ASSERT_EQ(document.pages.size(), 2u);
  ASSERT_EQ(document.pages[0].commands.size(), 1u);
  EXPECT_EQ(std::get<LineCommand>(document.pages[0].commands[0]),
            (LineCommand{10, 10, 20, 20, Pen{}}));
  ASSERT_EQ(document.pages[1].commands.size(), 1u);
  EXPECT_EQ(std::get<TextCommand>(document.pages[1].commands[0]).x, 200);

  surface.StartDoc();
  EXPECT_FALSE(surface.document().finished);
  ASSERT_EQ(surface.document().pages.size(), 1u);
  EXPECT_TRUE(surface.document().pages[0].commands.empty());
}

TEST(FixedPitchMeasurerTest, FullWidthPerCodePointHalfWidthPerAscii) {
  const FixedPitchMeasurer measurer;
  const FontSpec ten{"ＭＳ ゴシック", 10};
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, ""), 0);
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, "Q"), 100);
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, "あ"), 200);
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, "m³/min"), 100 * 5 + 200);
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, "𝜋r"), 300);  // a four-byte character
  EXPECT_DOUBLE_EQ(measurer.TextWidth(FontSpec{"", 6}, "透水係数k"), 4 * 120 + 60);
  // Broken sequences: each stray byte counts as one character and the text
  // after it is still read.
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, "\xE3\x81"), 200);
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten,
                                      "\xE3"
                                      "a"),
                   300);
  EXPECT_DOUBLE_EQ(measurer.TextWidth(ten, "\x80\x80"), 400);
  EXPECT_DOUBLE_EQ(measurer.TextHeight(ten, "あ"), 200);
  EXPECT_DOUBLE_EQ(measurer.TextHeight(ten, ""), 200);
}

}  // namespace
}  // namespace tavoro
