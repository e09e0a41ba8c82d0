#include "page/page_setup.h"

#include <gtest/gtest.h>

#include "page/fixed_pitch_measurer.h"

namespace tavoro {
namespace {

// Tells the faces and texts apart: only the gothic "あ" is exactly one em.
class FaceAwareMeasurer : public FixedPitchMeasurer {
 public:
  double TextHeight(const FontSpec& font, std::string_view text) const override {
    const double em = font.size * 20;
    return font.name == "ＭＳ ゴシック" && text == "あ" ? em : em + 1;
  }
};

TEST(PageSetupTest, ReportPageBuildsTheLineGridFromTheReadBackPositions) {
  const FaceAwareMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  SetupReportPage(page, settings);

  EXPECT_NEAR(page.MarginLeft(), 1133.858268, 1e-6);
  EXPECT_EQ(page.MarginRight(), 0);
  EXPECT_NEAR(page.MarginTop(), 850.393701, 1e-6);
  EXPECT_NEAR(page.MarginBottom(), 1133.858268, 1e-6);
  EXPECT_EQ(settings.BaseFontSize, 10);
  EXPECT_EQ(settings.BodyFontName, "ＭＳ 明朝");
  EXPECT_EQ(page.FontName(), "ＭＳ ゴシック");
  EXPECT_EQ(page.FontSize(), 10);
  EXPECT_EQ(settings.CharHeight, 200);
  EXPECT_EQ(page.CurrentY(), 849.6);
  for (int n = 1; n <= 48; ++n) EXPECT_DOUBLE_EQ(settings.RowY[n], 849.6 + (n - 1) * 297.6) << n;
  for (int j = 0; j <= 50; ++j) {
    EXPECT_DOUBLE_EQ(settings.ColX[j], page.MarginLeft() + j * 216.0) << j;
  }
}

// The chart's setup also rebuilds everything an earlier use left behind.
TEST(PageSetupTest, ChartPageDiffersFromTheReportOnlyInOrientation) {
  const FaceAwareMeasurer measurer;
  PageSurface report(measurer);
  PageSurface chart(measurer);
  PageSettings reportSettings;
  PageSettings chartSettings;
  SetupReportPage(report, reportSettings);
  chart.SetFontName("Arial");
  chart.SetFontSize(24);
  chart.SetMarginLeft("1in");
  SetupChartPage(chart, chartSettings);

  EXPECT_EQ(chartSettings.CharHeight, reportSettings.CharHeight);
  EXPECT_EQ(chartSettings.RowY, reportSettings.RowY);
  EXPECT_EQ(chartSettings.ColX, reportSettings.ColX);
  EXPECT_EQ(chart.MarginTop(), report.MarginTop());

  report.StartDoc();
  chart.StartDoc();
  EXPECT_TRUE(chart.document().landscape && !report.document().landscape);
  EXPECT_EQ(chart.document().paperWidth, report.document().paperHeight);
}

}  // namespace
}  // namespace tavoro
