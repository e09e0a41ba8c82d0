#include <gtest/gtest.h>

#include "calc/compute_case.h"
#include "recorded_page.h"
#include "report/improved_blocks.h"
#include "report/q1_block.h"
#include "report/q2_block.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// The worked example's blocks with CharHeight 240, from y = 1000: a line
// based at b has NumTop b + 29, BarY b + 326.6, DenTop b + 355.6 and
// MidTop b + 206.
class FormulaBlockTest : public RecordedPageTest {
 protected:
  FormulaBlockTest() : calc_(testing::WorkedExample()) { ComputeCase(calc_); }

  static constexpr double kCharHeight = 240;
  CalculationCase calc_;
};

TEST_F(FormulaBlockTest, Q1SubstitutedLineStartsOneRowBelowTheDenominator) {
  DrawQ1Block(page_, calc_, kCharHeight, 2000, 2432, 1000);

  // After the 8 pieces of the symbolic line (its denominator ends at
  // 1355.6): the substituted line based at 1355.6 + 297.6 = 1653.2, its
  // denominator centred under the wider numerator, and the result right
  // after the numerator's trailing spaces.
  const Strings texts = OnPage().texts;
  ASSERT_EQ(texts.size(), 18u);
  EXPECT_EQ(texts[7], "ln( R1 / r )@3442,1355.6");
  EXPECT_EQ(Strings(texts.begin() + 8, texts.end()),
            (Strings{"=  @2432,1859.2", "  π × 0.006000 × ( 18.000@2732,1682.2", "2@5532,1682.2/6",
                     " - 10.000@5592,1682.2", "2@6492,1682.2/6", " )  @6552,1682.2",
                     "ln(　240.000 / 3.183 )@3742,2008.8", "  =  0.977 (m@6952,1859.2",
                     "3@8252,1859.2/6", "/min)@8312,1859.2"}));
  EXPECT_EQ(OnPage().lines, (Strings{"2732,1326.6>5352,1326.6", "2732,1979.8>6952,1979.8"}));
}

TEST_F(FormulaBlockTest, Q2CentresNumeratorsOverWiderDenominatorsAndPutsTheResultUnderX2) {
  DrawQ2Block(page_, calc_, kCharHeight, 2000, 2432, 1000);

  // The symbolic numerator is centred on the fixed text
  // "  π ・ kn ・ ( H - h2 )  " (2600 wide, not the 2620 printed):
  // (5400 − 2600) \ 2 = 1400. The substituted one on
  // "π×0.006000×(18.000-10.000)" (2900) under 6800: 1950. Lines based at
  // 1000, 1653.2 and 2306.4.
  EXPECT_EQ(OnPage().texts,
            (Strings{
                // clang-format off
                "Q2@2000,1206", "=  @2432,1206",
                " ln( R1 / ( r + B) ) + kn / kg ・ ln( ( r + B ) / r ) @2732,1355.6",
                "  π ・ kn ・ ( H@4132,1029", "2@5832,1029/6", " - h@5892,1029", "2@6292,1029/6",
                " )  @6352,1029", "  @6752,1355.6",
                "=  @2432,1859.2",
                "ln(240.000/(3.183+2.000))+0.006000/0.000060×ln((3.183+2.000)/3.183)@2732,2008.8",
                "π×0.006000×(18.000@4682,1682.2", "2@6782,1682.2/6", "-10.000@6842,1682.2",
                "2@7542,1682.2/6", ")@7602,1682.2", "  @9532,2008.8",
                "=  0.080 (m@2432,2512.4", "3@3532,2512.4/6", "/min)@3592,2512.4"
                // clang-format on
            }));
  EXPECT_EQ(OnPage().lines, (Strings{"2732,1326.6>8132,1326.6", "2732,1979.8>9532,1979.8"}));
}

TEST_F(FormulaBlockTest, H2RadicalsReachPastTheRaisedTwoAndTheLinesDropFurther) {
  DrawH2Block(page_, calc_, kCharHeight, 1000, 2000, 2500, 1000);

  // Substituted line based at 1355.6 + 200 + 297.6 = 1853.2, result line at
  // 2208.8 + 297.6 = 2506.4.
  EXPECT_EQ(OnPage().texts,
            (Strings{"改良外円の水位高@1000,1206", "h2@2000,1206", "=   @2500,1206",
                     "  ( Q2 ・ ln ( ( r + B ) / r) )  @2900,1029", "π ・ kg@4150,1355.6",
                     " + h@6200,1206", "2@6600,1206/6", " @6660,1355.6", "=   @2500,2059.2",
                     "  ( 0.080 × ln ( ( 3.183 + 2.000 ) / 3.183) )  @2900,1882.2",
                     "π × 0.000060@4600,2208.8", " + 10.000@7700,2059.2", "2@8600,2059.2/6",
                     " @8660,2208.8", "=  17.540　(m) @2500,2712.4", " @4000,2862"}));
  // Symbolic overbar 124 above the block's row; both end after the raised 2.
  EXPECT_EQ(OnPage().lines,
            (Strings{"2900,1326.6>6200,1326.6", "2750,1496>2800,1496", "2800,1496>2820,1646",
                     "2820,1646>2900,876", "2900,876>6660,876", "2900,2179.8>7700,2179.8",
                     "2750,2299.2>2800,2299.2", "2800,2299.2>2820,2499.2",
                     "2820,2499.2>2900,1779.2", "2900,1779.2>8660,1779.2"}));
}

}  // namespace
}  // namespace tavoro
