#include "page/page_setup.h"

#include <gtest/gtest.h>

#include "page/fixed_pitch_measurer.h"

namespace tavoro {
namespace {

TEST(PageSetupTest, ReportPageBuildsTheLineGrid) {
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  page.SetCurrentY(5);
  SetupReportPage(page, settings);

  EXPECT_EQ(page.Orientation(), 0);
  EXPECT_NEAR(page.MarginLeft(), 1133.858268, 1e-6);
  EXPECT_DOUBLE_EQ(page.MarginRight(), 0);
  EXPECT_NEAR(page.MarginTop(), 850.393701, 1e-6);
  EXPECT_NEAR(page.MarginBottom(), 1133.858268, 1e-6);

  EXPECT_DOUBLE_EQ(settings.BaseFontSize, 10.0);
  EXPECT_EQ(settings.BodyFontName, "ＭＳ 明朝");
  EXPECT_EQ(page.FontName(), "ＭＳ ゴシック");
  EXPECT_DOUBLE_EQ(page.FontSize(), 10.0);
  EXPECT_DOUBLE_EQ(settings.CharHeight, 200.0);

  EXPECT_DOUBLE_EQ(settings.RowY[1], 849.6);
  EXPECT_NEAR(settings.RowY[2] - settings.RowY[1], 297.6, 1e-9);
  EXPECT_NEAR(settings.RowY[48], 849.6 + 13987.2, 1e-9);
  EXPECT_DOUBLE_EQ(page.CurrentY(), settings.RowY[1]);
  EXPECT_NEAR(settings.ColX[0], 1133.858268, 1e-6);
  EXPECT_NEAR(settings.ColX[1] - settings.ColX[0], 216.0, 1e-9);
  EXPECT_NEAR(settings.ColX[50], 11933.858268, 1e-6);
}

TEST(PageSetupTest, ChartPageDiffersOnlyInOrientation) {
  const FixedPitchMeasurer measurer;
  PageSurface report(measurer);
  PageSurface chart(measurer);
  PageSettings reportSettings;
  PageSettings chartSettings;
  SetupReportPage(report, reportSettings);
  SetupChartPage(chart, chartSettings);

  EXPECT_EQ(chart.Orientation(), 1);
  EXPECT_EQ(chartSettings.BaseFontSize, reportSettings.BaseFontSize);
  EXPECT_EQ(chartSettings.BodyFontName, reportSettings.BodyFontName);
  EXPECT_EQ(chartSettings.CharHeight, reportSettings.CharHeight);
  EXPECT_EQ(chartSettings.RowY, reportSettings.RowY);
  EXPECT_EQ(chartSettings.ColX, reportSettings.ColX);
  EXPECT_EQ(chart.MarginTop(), report.MarginTop());
  EXPECT_EQ(chart.MarginBottom(), report.MarginBottom());
  EXPECT_EQ(chart.FontName(), report.FontName());

  chart.StartDoc();
  EXPECT_TRUE(chart.document().landscape);
  EXPECT_GT(chart.document().paperWidth, chart.document().paperHeight);
}

// A later setup rebuilds everything, whatever the surface held before.
TEST(PageSetupTest, SetupOverwritesEarlierState) {
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  settings.RowY[48] = -1;
  settings.ColX[50] = -1;
  page.SetFontName("Arial");
  page.SetFontSize(24);
  page.SetMarginLeft("1in");
  SetupChartPage(page, settings);
  EXPECT_DOUBLE_EQ(settings.CharHeight, 200.0);
  EXPECT_NEAR(settings.RowY[48], 14836.8, 1e-9);
  EXPECT_NEAR(settings.ColX[50], 11933.858268, 1e-6);
}

}  // namespace
}  // namespace tavoro
