// The report with Kusakin's or a given radius of influence, and the page
// 盤ぶくれの検討.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "calc/ground_rules.h"
#include "calc/run_case.h"
#include "page/fixed_pitch_measurer.h"
#include "page/page_surface.h"
#include "report/report.h"

namespace tavoro {
namespace {

const InputTexts kWorkedExample = {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};

struct Drawn {
  Document document;
  ReportOutcome outcome;
  // Each page's texts joined by "|".
  std::vector<std::string> pages;
};

Drawn DrawCase(const InputTexts& texts, std::initializer_list<std::pair<int, std::string>> ground) {
  GroundTexts groundTexts;
  for (const auto& [field, text] : ground) GroundText(groundTexts, field) = text;
  const CaseRun run = RunCase(texts, 0, groundTexts);
  EXPECT_FALSE(run.rejection) << run.rejection->message;
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  ReportLineCounter counter;
  Drawn drawn;
  drawn.outcome = DrawReport(page, run.calc, settings, counter);
  drawn.document = page.document();
  for (const Page& p : drawn.document.pages) {
    std::string joined = "|";
    for (const PageCommand& command : p.commands) {
      const auto* text = std::get_if<TextCommand>(&command);
      if (text == nullptr) continue;
      joined += text->text + "|";
      EXPECT_TRUE(text->x >= 0 && text->x + text->width <= drawn.document.paperWidth)
          << text->text;
    }
    drawn.pages.push_back(joined);
  }
  return drawn;
}

void ExpectTexts(const std::string& page, std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    EXPECT_NE(page.find(std::string("|") + text + "|"), std::string::npos) << text << "\n" << page;
  }
}

TEST(GroundPagesTest, KusakinAndGivenRadiusBlocks) {
  const Drawn kusakin = DrawCase(kWorkedExample, {{kRadiusMethodField, "kusakin"}});
  ASSERT_TRUE(kusakin.outcome.completed);
  ASSERT_EQ(kusakin.pages.size(), 2u);
  // R1 = 575 · 8 · √(18 · 1e-4) = 195.161 m.
  ExpectTexts(kusakin.pages[0], {": 影響範囲(m) Kusakin の式より算定する", "=  575 ・ S ・  ",
                                 " H ・ kn / 60 ", "=  575 × 8.000 ×  ", " 18.000 × 0.000100 ",
                                 "　=　195.161 (m)"});
  ExpectTexts(kusakin.pages[1], {"として Kusakin の式より求める。", "=  575 ・ S2 ・  "});

  const Drawn given = DrawCase(kWorkedExample, {{kRadiusMethodField, "given"},
                                                {kRadiusField, "500"},
                                                {kRadiusNoteField, "河川までの距離の2倍"}});
  ASSERT_TRUE(given.outcome.completed);
  ExpectTexts(given.pages[0], {": 影響範囲(m) 指定値とする（根拠は下記）",
                               "=  R2  =  500.000 (m)　指定値", "   根拠 : 河川までの距離の2倍"});
  ExpectTexts(given.pages[1], {"地盤改良を施した場合の影響範囲R2は、指定値のR1と同じとする。",
                               "=  R1  =  500.000 (m)　指定値"});
  InputTexts plain = kWorkedExample;
  plain[kWidthField] = "";
  const Drawn single = DrawCase(plain, {{kRadiusMethodField, "given"}, {kRadiusField, "500"}});
  ASSERT_EQ(single.pages.size(), 1u);
  ExpectTexts(single.pages[0], {": 影響範囲(m) 指定値とする", "=  500.000 (m)　指定値",
                                "   根拠 : 記載なし"});
}

TEST(GroundPagesTest, UpliftPage) {
  // The exam example: γt 14, d 8, γw 10, hw 12.
  InputTexts shallower = kWorkedExample;
  shallower[kImperviousField] = "18";
  const Drawn exam = DrawCase(shallower, {{kConfinedTopField, "18"},
                                               {kConfinedHeadField, "6"},
                                               {kUnitWeightField, "14"},
                                               {kWaterUnitWeightField, "10"}});
  ASSERT_TRUE(exam.outcome.completed) << exam.outcome.error;
  ASSERT_EQ(exam.pages.size(), 3u);
  ExpectTexts(exam.pages[2],
              {"盤ぶくれの検討", "  γt ・ d  ", "  14.00 × 8.000  ", "  10.00 × 12.000  ",
               "  =  0.933", "F = 0.933  <  Fs = 1.10　盤ぶくれのおそれがある",
               "Δh  =  hw - W / ( γw ・ Fs )  =  12.000 - 112.000 / ( 10.00 × 1.10 )  =  1.818 (m)",
               "目標とする被圧水頭  GL-( Dc - W / ( γw ・ Fs ) )  =  GL-7.818 (m)",
               "GL-8.571 (m) まで", "d = 8.000 m", "hw = 12.000 m", "被圧水頭 GL-6.000"});

  // Twelve layers, far too light: the page still fits, and says how the depth was found.
  std::string layers = "1:10";
  for (int i = 1; i < kMaxSoilLayers; ++i) layers += ",1:10";
  const Drawn heavy = DrawCase(kWorkedExample, {{kConfinedTopField, "22"},
                                                {kConfinedHeadField, "-100"},
                                                {kSoilLayersField, layers}});
  ASSERT_TRUE(heavy.outcome.completed) << heavy.outcome.error;
  ExpectTexts(heavy.pages[2],
              {"  Σγti ・ ti  ", "=  120.000 (kN/m²)", "被圧水頭 GL+100.000",
               "地表 (GL±0) でも F < Fs となり、被圧水頭を下げずに安全な掘削深度はない。"});
  const Drawn extrapolated = DrawCase(kWorkedExample, {{kConfinedTopField, "22"},
                                                       {kConfinedHeadField, "10"},
                                                       {kSoilLayersField, layers}});
  ExpectTexts(extrapolated.pages[2], {"(掘削底より上の土は最上層の γt として算定した)"});

  const Drawn safe = DrawCase(kWorkedExample, {{kConfinedTopField, "25"},
                                               {kConfinedHeadField, "15"},
                                               {kUpliftSafetyField, "1.0"}});
  ExpectTexts(safe.pages[2], {"F = 2.755  ≧  Fs = 1.00　盤ぶくれに対して安全"});

  InputTexts reached = kWorkedExample;
  reached[kImperviousField] = "10";
  reached[kWidthField] = "";
  const Drawn none = DrawCase(reached, {{kConfinedTopField, "10"}, {kConfinedHeadField, "5"}});
  ASSERT_EQ(none.pages.size(), 2u);
  ExpectTexts(none.pages[1], {"掘削底が被圧帯水層上面に達しており (d = 0)、盤ぶくれの検討は適用しない。"});
}

}  // namespace
}  // namespace tavoro
