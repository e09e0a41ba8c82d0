#include <gtest/gtest.h>

#include <cmath>

#include "page/qt/qt_face.h"
#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

TEST(QtTextMeasurerTest, JapaneseFacesAreOneEmTallAndFixedPitch) {
  const QtTextMeasurer measurer;
  for (const char* name : {"ＭＳ 明朝", "ＭＳ ゴシック"}) {
    const FontSpec ten{name, 10};
    EXPECT_NEAR(measurer.TextHeight(ten, "あ"), 200.0, 0.01) << name;
    EXPECT_NEAR(measurer.TextHeight(ten, ""), 200.0, 0.01) << name;
    EXPECT_NEAR(measurer.TextHeight(FontSpec{name, 6}, "Q"), 120.0, 0.01) << name;
    EXPECT_NEAR(measurer.TextWidth(ten, "あ"), 200.0, 0.01) << name;
    EXPECT_NEAR(measurer.TextWidth(ten, "水位降下曲線"), 1200.0, 0.05) << name;
    EXPECT_NEAR(measurer.TextWidth(ten, "Q"), 100.0, 0.01) << name;
    EXPECT_NEAR(measurer.TextWidth(FontSpec{name, 6}, "GL-1.500"), 480.0, 0.05) << name;
    EXPECT_NEAR(measurer.TextWidth(FontSpec{name, 7.5}, "kn=0.0012"), 675.0, 0.05) << name;
    EXPECT_EQ(measurer.TextWidth(ten, ""), 0.0) << name;
  }
}

TEST(QtTextMeasurerTest, FacesResolveToTheIpaFamilies) {
  EXPECT_EQ(ResolveFamily("ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(ResolveFamily("MS Mincho"), "IPAMincho");
  EXPECT_EQ(ResolveFamily("ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(ResolveFamily("MS Gothic"), "IPAGothic");
  EXPECT_EQ(ResolveFamily(""), "IPAMincho");
  EXPECT_EQ(ResolveFamily("No Such Face 12345"), "IPAMincho");
  EXPECT_EQ(ResolveFamily("IPAGothic"), "IPAGothic");

  const QtTextMeasurer measurer;
  const double width = measurer.TextWidth(FontSpec{"No Such Face 12345", 10}, "計算");
  EXPECT_NEAR(width, 400.0, 0.05);
}

}  // namespace
}  // namespace tavoro
