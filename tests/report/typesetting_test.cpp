// Rounding of the formula layout at the real faces' heights (the golden display lists
// measure at a fixed pitch), and the line counter that a long session keeps.
#include "report/formula_layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "report/report_error.h"
#include "report/report_text.h"

namespace tavoro {
namespace {

TEST(FormulaLayoutTest, MarginsAndCentringRoundHalvesToEvenThenHalveTowardZero) {
  // CharHeight, RowMargin, PairMargin.
  const std::tuple<double, int, int> cases[] = {{240, 29, 177},  {300, -1, 147},  {297.1, 0, 149},
                                                {295.1, 1, 150}, {294.1, 2, 150}, {300.6, -1, 147}};
  for (const auto& [charHeight, rowMargin, pairMargin] : cases) {
    EXPECT_EQ(RowMargin(charHeight), rowMargin) << charHeight;
    EXPECT_EQ(PairMargin(charHeight), pairMargin) << charHeight;
  }
  // A negative margin is applied as it is.
  EXPECT_DOUBLE_EQ(FormulaLineAt(1000, 300).numTop, 999);
  EXPECT_DOUBLE_EQ(FormulaLineAt(1000, 300).denTop, 1295.6);
  EXPECT_THROW(RowMargin(std::numeric_limits<double>::quiet_NaN()), ReportError);

  // Centring over 1000..xe: span end, piece width, left edge. A piece 600
  // wider than the span starts 300 left of it.
  const std::tuple<double, double, double> spans[] = {{2000, 400, 1300},    {1400, 1000, 700},
                                                      {2601, 1000, 1300},   {1400, 1001, 700},
                                                      {2600.5, 1000, 1300}, {2601.5, 1000, 1301}};
  for (const auto& [xe, width, left] : spans) EXPECT_EQ(CentredLeft(1000, xe, width), left) << xe;
}

TEST(ReportTextTest, AdvanceLinesAddsAndRefusesToLeaveSixteenBits) {
  ReportLineCounter counter{1};
  EXPECT_EQ(AdvanceLines(counter, 2), 3);
  EXPECT_EQ(counter.value, 3);

  counter.value = -32760;
  EXPECT_EQ(AdvanceLines(counter, -8), -32768);
  EXPECT_THROW(AdvanceLines(counter, -1), ReportError);
  EXPECT_EQ(counter.value, -32768);
  counter.value = 32767;
  EXPECT_THROW(AdvanceLines(counter, 1), ReportError);
}

}  // namespace
}  // namespace tavoro
