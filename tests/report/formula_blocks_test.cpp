#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calculation_case.h"
#include "recorded_page.h"
#include "report/improved_blocks.h"
#include "report/q1_block.h"
#include "report/q2_block.h"
#include "report/radius_blocks.h"

namespace tavoro {
namespace {

// A placed text piece as a block should print it.
struct Piece {
  std::string text;
  double x;
  double y;
  double size = 10;
};

void ExpectPieces(const std::vector<TextCommand>& actual, const std::vector<Piece>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("piece " + std::to_string(i) + " \"" + expected[i].text + "\"");
    EXPECT_EQ(actual[i].text, expected[i].text);
    EXPECT_DOUBLE_EQ(actual[i].x, expected[i].x);
    EXPECT_DOUBLE_EQ(actual[i].y, expected[i].y);
    EXPECT_EQ(actual[i].font.size, expected[i].size);
  }
}

void ExpectLine(const LineCommand& line, double x1, double y1, double x2, double y2) {
  EXPECT_DOUBLE_EQ(line.x1, x1);
  EXPECT_DOUBLE_EQ(line.y1, y1);
  EXPECT_DOUBLE_EQ(line.x2, x2);
  EXPECT_DOUBLE_EQ(line.y2, y2);
  EXPECT_EQ(line.pen.width, 7);
}

// With CharHeight 240 a line based at b has NumTop b + 29, BarY b + 326.6,
// DenTop b + 355.6 and MidTop b + 206.
constexpr double kCharHeight = 240;

class FormulaBlockTest : public RecordedPageTest {
 protected:
  CalculationCase calc_;
};

TEST_F(FormulaBlockTest, Q1BlockSetsBothLinesOnTheirBarsAndTheResultAfterTheNumerator) {
  calc_.H = 18;
  calc_.h[1] = 10;
  calc_.kn = 0.0001;
  calc_.R[1] = 240;
  calc_.r = 3.18309886;
  calc_.Q[1] = 0.976755;

  DrawQ1Block(page_, calc_, kCharHeight, 2000, 2432, 1000);

  // The substituted line is based at DenTop + 297.6 = 1653.2.
  ExpectPieces(TextsOf(FirstPage()), {
                                         {"Q1", 2000, 1206},
                                         {"=  ", 2432, 1206},
                                         {"  π ・ kn ・ ( H", 2732, 1029},
                                         {"2", 4432, 1029, 6},
                                         {" - h", 4492, 1029},
                                         {"2", 4892, 1029, 6},
                                         {" )  ", 4952, 1029},
                                         {"ln( R1 / r )", 3442, 1355.6},
                                         {"=  ", 2432, 1859.2},
                                         {"  π × 0.006000 × ( 18.000", 2732, 1682.2},
                                         {"2", 5532, 1682.2, 6},
                                         {" - 10.000", 5592, 1682.2},
                                         {"2", 6492, 1682.2, 6},
                                         {" )  ", 6552, 1682.2},
                                         {"ln(　240.000 / 3.183 )", 3742, 2008.8},
                                         {"  =  0.977 (m", 6952, 1859.2},
                                         {"3", 8252, 1859.2, 6},
                                         {"/min)", 8312, 1859.2},
                                     });
  const auto lines = LinesOf(FirstPage());
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 2732, 1326.6, 5352, 1326.6);
  ExpectLine(lines[1], 2732, 1979.8, 6952, 1979.8);
}

TEST_F(FormulaBlockTest, R1BlockPutsItsRadicandsUnderSignsAndTheResultRightAfter) {
  calc_.S[1] = 5;
  calc_.kn = 0.0001;
  calc_.R[1] = 150;

  DrawR1Block(page_, calc_, kCharHeight, 3000, 3216, 1000);

  // Symbolic line at MidTop 1206; substituted line based at 1503.6, at
  // NumTop 1532.6. The kn under the radical is in m/s.
  ExpectPieces(TextsOf(FirstPage()), {
                                         {"R1", 3000, 1206},
                                         {"=  3000 ・ S ・  ", 3216, 1206},
                                         {" kn / 60 ", 4916, 1206},
                                         {"=  3000 × 5.000 ×  ", 3216, 1532.6},
                                         {" 0.000100 ", 5316, 1532.6},
                                         {"　=　150.000 (m)", 6316, 1532.6},
                                     });
  const auto lines = LinesOf(FirstPage());
  ASSERT_EQ(lines.size(), 8u);
  ExpectLine(lines[0], 4766, 1346, 4816, 1346);
  ExpectLine(lines[1], 4816, 1346, 4836, 1446);
  ExpectLine(lines[2], 4836, 1446, 4916, 1126);
  ExpectLine(lines[3], 4916, 1126, 5816, 1126);
  ExpectLine(lines[4], 5166, 1672.6, 5216, 1672.6);
  ExpectLine(lines[5], 5216, 1672.6, 5236, 1772.6);
  ExpectLine(lines[6], 5236, 1772.6, 5316, 1452.6);
  ExpectLine(lines[7], 5316, 1452.6, 6316, 1452.6);
}

TEST_F(FormulaBlockTest, RadiusBlockHasTwoPlainLines) {
  calc_.L = 31.416;
  calc_.r = 31.416 / (2 * 3.14159265358979);

  DrawRadiusBlock(page_, calc_, kCharHeight, 3000, 3216, 1000);

  ExpectPieces(TextsOf(FirstPage()), {
                                         {"r", 3000, 1206},
                                         {"= L / ( 2 ・ π )", 3216, 1206},
                                         {"= 31.416 / ( 2 × π )", 3216, 1532.6},
                                         {"　=　5.000 (m)", 5416, 1532.6},
                                     });
  EXPECT_TRUE(LinesOf(FirstPage()).empty());
  EXPECT_EQ(page_.PenWidth(), 7);
}

TEST_F(FormulaBlockTest, Q2BlockCentresNumeratorsOverTheDenominatorAndResultUnderTheEquals) {
  calc_.H = 12.5;
  calc_.h[1] = 0.5;
  calc_.kn = 0.0001;
  calc_.kg = 0.00001;
  calc_.B = 2;
  calc_.r = 5;
  calc_.R[1] = 150;
  calc_.Q[2] = 0.080287;

  DrawQ2Block(page_, calc_, kCharHeight, 2000, 2432, 1000);

  // Symbolic numerator centred on the width of "  π ・ kn ・ ( H - h2 )  "
  // (2600), not on the printed pieces (2620): (5400 − 2600) \ 2 = 1400.
  // Substituted numerator on "π×0.006000×(12.500-0.500)" (2800) under a
  // 6800-wide denominator: 2000. Lines based at 1000, 1653.2 and 2306.4.
  ExpectPieces(
      TextsOf(FirstPage()),
      {
          {"Q2", 2000, 1206},
          {"=  ", 2432, 1206},
          {" ln( R1 / ( r + B) ) + kn / kg ・ ln( ( r + B ) / r ) ", 2732, 1355.6},
          {"  π ・ kn ・ ( H", 4132, 1029},
          {"2", 5832, 1029, 6},
          {" - h", 5892, 1029},
          {"2", 6292, 1029, 6},
          {" )  ", 6352, 1029},
          {"  ", 6752, 1355.6},
          {"=  ", 2432, 1859.2},
          {"ln(150.000/(5.000+2.000))+0.006000/0.000600×ln((5.000+2.000)/5.000)", 2732, 2008.8},
          {"π×0.006000×(12.500", 4732, 1682.2},
          {"2", 6832, 1682.2, 6},
          {"-0.500", 6892, 1682.2},
          {"2", 7492, 1682.2, 6},
          {")", 7552, 1682.2},
          {"  ", 9532, 2008.8},
          {"=  0.080 (m", 2432, 2512.4},
          {"3", 3532, 2512.4, 6},
          {"/min)", 3592, 2512.4},
      });
  // Each bar spans exactly its printed denominator.
  const auto lines = LinesOf(FirstPage());
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 2732, 1326.6, 8132, 1326.6);
  ExpectLine(lines[1], 2732, 1979.8, 9532, 1979.8);
}

TEST_F(FormulaBlockTest, H2BlockRadicalReachesPastTheRaisedTwoAndItsLinesDropFurther) {
  calc_.Q[2] = 0.080287;
  calc_.r = 3.18309886;
  calc_.B = 2;
  calc_.kg = 0.000001;
  calc_.h[1] = 10;
  calc_.CurveY[2][10] = 17.5404;

  DrawH2Block(page_, calc_, kCharHeight, 1000, 2000, 2500, 1000);

  // Substituted line based at 1355.6 + 200 + 297.6 = 1853.2, result line at
  // 2208.8 + 297.6 = 2506.4.
  ExpectPieces(TextsOf(FirstPage()),
               {
                   {"改良外円の水位高", 1000, 1206},
                   {"h2", 2000, 1206},
                   {"=   ", 2500, 1206},
                   {"  ( Q2 ・ ln ( ( r + B ) / r) )  ", 2900, 1029},
                   {"π ・ kg", 4150, 1355.6},
                   {" + h", 6200, 1206},
                   {"2", 6600, 1206, 6},
                   {" ", 6660, 1355.6},
                   {"=   ", 2500, 2059.2},
                   {"  ( 0.080 × ln ( ( 3.183 + 2.000 ) / 3.183) )  ", 2900, 1882.2},
                   {"π × 0.000060", 4600, 2208.8},
                   {" + 10.000", 7700, 2059.2},
                   {"2", 8600, 2059.2, 6},
                   {" ", 8660, 2208.8},
                   {"=  17.540　(m) ", 2500, 2712.4},
                   {" ", 4000, 2862},
               });
  const auto lines = LinesOf(FirstPage());
  ASSERT_EQ(lines.size(), 10u);
  ExpectLine(lines[0], 2900, 1326.6, 6200, 1326.6);
  // Symbolic radical: overbar 124 above the block's row, ending after the 2.
  ExpectLine(lines[1], 2750, 1496, 2800, 1496);
  ExpectLine(lines[2], 2800, 1496, 2820, 1646);
  ExpectLine(lines[3], 2820, 1646, 2900, 876);
  ExpectLine(lines[4], 2900, 876, 6660, 876);
  ExpectLine(lines[5], 2900, 2179.8, 7700, 2179.8);
  ExpectLine(lines[6], 2750, 2299.2, 2800, 2299.2);
  ExpectLine(lines[7], 2800, 2299.2, 2820, 2499.2);
  ExpectLine(lines[8], 2820, 2499.2, 2900, 1779.2);
  ExpectLine(lines[9], 2900, 1779.2, 8660, 1779.2);
}

TEST_F(FormulaBlockTest, S2AndR2BlocksShowCaseTwoValues) {
  calc_.H = 12.5;
  calc_.kn = 0.0001;
  calc_.CurveY[2][10] = 10.25;
  calc_.CurveS[2][10] = 2.25;
  calc_.R[2] = 67.5;

  DrawS2Block(page_, calc_, kCharHeight, 1000, 2000, 2500, 1000);
  DrawR2Block(page_, calc_, kCharHeight, 1000, 2000, 2500, 3000);

  ExpectPieces(TextsOf(FirstPage()), {
                                         {"水位降下高さ", 1000, 1206},
                                         {"S2", 2000, 1206},
                                         {"=   H - h2", 2500, 1206},
                                         {"=   12.500 - 10.250", 2500, 1532.6},
                                         {"  =   2.250 (m)", 4400, 1532.6},
                                         {"影響範囲", 1000, 3206},
                                         {"R2", 2000, 3206},
                                         {"=  3000 ・ S2 ・  ", 2500, 3206},
                                         {" kn / 60 ", 4300, 3206},
                                         {"=  3000 × 2.250 ×  ", 2500, 3532.6},
                                         {" 0.000100 ", 4600, 3532.6},
                                         {"　=　67.500 (m)", 5600, 3532.6},
                                     });
  const auto lines = LinesOf(FirstPage());
  ASSERT_EQ(lines.size(), 8u);
  ExpectLine(lines[3], 4300, 3126, 5200, 3126);
  ExpectLine(lines[4], 4450, 3672.6, 4500, 3672.6);
  ExpectLine(lines[7], 4600, 3452.6, 5600, 3452.6);
}

}  // namespace
}  // namespace tavoro
