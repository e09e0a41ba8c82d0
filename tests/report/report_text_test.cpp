#include "report/report_text.h"

#include <gtest/gtest.h>

#include "recorded_page.h"
#include "report/report_error.h"

namespace tavoro {
namespace {

using ReportTextTest = RecordedPageTest;

TEST(AdvanceLinesTest, AddsAndRefusesToOverflowSixteenBits) {
  ReportLineCounter counter{1};
  EXPECT_EQ(AdvanceLines(counter, 2), 3);
  EXPECT_EQ(counter.value, 3);

  counter.value = 32760;
  EXPECT_THROW(AdvanceLines(counter, 8), ReportError);
  EXPECT_EQ(counter.value, 32760);
  counter.value = -32760;
  EXPECT_THROW(AdvanceLines(counter, -9), ReportError);
  EXPECT_EQ(counter.value, -32760);
  EXPECT_EQ(AdvanceLines(counter, -8), -32768);
}

TEST(RowTopTest, OnlyRowsOneToFortyEightExist) {
  PageSettings settings;
  settings.RowY[1] = 849.6;
  settings.RowY[48] = 14836.8;
  EXPECT_EQ(RowTop(settings, 1), 849.6);
  EXPECT_EQ(RowTop(settings, 48), 14836.8);
  EXPECT_THROW(RowTop(settings, 0), ReportError);
  EXPECT_THROW(RowTop(settings, 49), ReportError);
  EXPECT_THROW(ColumnLeft(settings, 51), ReportError);
}

TEST_F(ReportTextTest, BeginReportTextPutsBodyFontAndFirstRowInForce) {
  PageSettings settings;
  settings.BaseFontSize = 10;
  settings.BodyFontName = "ＭＳ 明朝";
  settings.RowY[1] = 850;
  page_.SetFontName("ＭＳ ゴシック");
  page_.SetFontSize(12);
  ReportLineCounter counter{17};

  BeginReportText(page_, settings, counter);

  EXPECT_EQ(page_.FontName(), "ＭＳ 明朝");
  EXPECT_EQ(page_.FontSize(), 10);
  EXPECT_EQ(counter.value, 1);
  EXPECT_EQ(page_.CurrentY(), 850);
}

TEST_F(ReportTextTest, SuperscriptIsTwoThirdsSizeOnTheLineTopAndRestoresTheLine) {
  PrintAt(page_, 1000, 2000, "H");
  PrintSuperscript(page_, "2");
  page_.Text("x");

  const auto texts = TextsOf(FirstPage());
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[1].x, 1100);
  EXPECT_EQ(texts[1].y, 2000);
  EXPECT_EQ(texts[1].font.size, 6);
  EXPECT_EQ(texts[2].x, 1160);
  EXPECT_EQ(texts[2].font.size, 10);
  EXPECT_EQ(page_.CurrentY(), 2000);

  // Whole points, halves to even, then thirds dropping the remainder.
  const auto smallSizeFor = [this](double size) {
    page_.SetFontSize(size);
    PrintSuperscript(page_, "3");
    EXPECT_EQ(page_.FontSize(), size);
    return TextsOf(FirstPage()).back().font.size;
  };
  EXPECT_EQ(smallSizeFor(11), 6);
  EXPECT_EQ(smallSizeFor(12), 8);
  EXPECT_EQ(smallSizeFor(8.5), 4);
  EXPECT_EQ(smallSizeFor(9.5), 6);
}

}  // namespace
}  // namespace tavoro
