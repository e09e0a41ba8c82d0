#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "calc/compute_case.h"
#include "page/fixed_pitch_measurer.h"
#include "page/page_length.h"
#include "report/report.h"
#include "worked_example.h"

namespace tavoro {
namespace {

Document Report(const CalculationCase& calc, const ProjectInfo& project, const CoverFacts* cover) {
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  ReportLineCounter counter;
  EXPECT_TRUE(DrawReport(page, calc, settings, counter, project, cover).completed);
  return page.document();
}

std::vector<std::string> Texts(const Page& page) {
  std::vector<std::string> texts;
  for (const PageCommand& command : page.commands) {
    if (const auto* text = std::get_if<TextCommand>(&command)) texts.push_back(text->text);
  }
  return texts;
}

// Every text but the page number inside the 20 mm margins.
void ExpectInsideTheBody(const Page& page) {
  const double margin = 20 * 1440 / 25.4;
  for (auto it = page.commands.begin(); it != page.commands.end() - 1; ++it) {
    if (const auto* text = std::get_if<TextCommand>(&*it)) {
      EXPECT_LE(text->y + text->height, kA4HeightTwips - margin) << text->text;
      EXPECT_LE(text->x + text->width, kA4WidthTwips - margin) << text->text;
    }
  }
}

ProjectInfo Project() {
  ProjectInfo project;
  project.name = "北工区";
  project.shaft = "No.3";
  project.author = "山田";
  project.checker = "佐藤";
  project.date = "2024-05-01";
  return project;
}

// The cover goes before the report, which stays as it was but for its
// numbers, now counting the cover.
TEST(CoverPageTest, ComesFirstAndLeavesTheReportPagesAsTheyWereButCounted) {
  const CoverFacts facts{"Tavoro 9.8", "2026-12-07"};
  for (const double width : {2.0, 0.0}) {
    SCOPED_TRACE(width);
    CalculationCase calc = testing::WorkedExample();
    calc.B = width;
    ComputeCase(calc);
    const Document plain = Report(calc, Project(), nullptr);
    const Document covered = Report(calc, Project(), &facts);
    const std::size_t count = covered.pages.size();
    ASSERT_EQ(count, plain.pages.size() + 1);
    for (std::size_t i = 0; i < count; ++i) {
      SCOPED_TRACE(i);
      const auto& commands = covered.pages[i].commands;
      EXPECT_EQ(std::get<TextCommand>(commands.back()).text,
                std::to_string(i + 1) + " / " + std::to_string(count));
      if (i == 0) continue;
      const auto& before = plain.pages[i - 1].commands;
      ASSERT_EQ(commands.size(), before.size());
      EXPECT_TRUE(std::equal(commands.begin(), commands.end() - 1, before.begin()));
    }
  }
}

// Every item of the cover, the results in the report's digits; all of it
// inside the page body.
TEST(CoverPageTest, HoldsTheHeaderSignersInputsResultsMethodsAndProgram) {
  const CoverFacts facts{"Tavoro 9.8", "2026-12-07"};
  CalculationCase calc = testing::WorkedExample();
  ComputeCase(calc);
  const Document document = Report(calc, Project(), &facts);
  const std::vector<std::string> texts = Texts(document.pages.front());
  const auto has = [&](const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  for (const char* expected :
       {"立坑内湧水量及び地下水位降下高さの算定　計算書", "北工区", "No.3", "2024-05-01", "作　成",
        "照　査", "山田", "佐藤", "地下水位", "不透水層深度", "掘削深度", "立坑周長", "透水係数",
        "改良幅", "改良後の透水係数", "着目点", "計算範囲", "0.0001", "Sichardt", "Q1", "0.977",
        "R1", "240.000", "r", "3.183", "Q2", "0.080", "R2", "13.789", "h2", "17.540", "S2",
        "0.460", "5.378", "0.150", "計算プログラム：Tavoro 9.8　　計算日：2026-12-07"}) {
    EXPECT_TRUE(has(expected)) << expected;
  }
  const auto mentions = [&](const std::string& word) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& text) { return text.find(word) != std::string::npos; });
  };
  for (const char* source : {"Dupuit, J.", "1863", "Sichardt, W.", "1928", "直列の2層"}) {
    EXPECT_TRUE(mentions(source)) << source;
  }

  ExpectInsideTheBody(document.pages.front());
}

// The method chosen and the uplift check name themselves, their source and F.
TEST(CoverPageTest, NamesTheChosenRadiusMethodAndTheUpliftCheck) {
  const CoverFacts facts{"Tavoro 9.8", "2026-12-07"};
  CalculationCase calc = testing::WorkedExample();
  calc.ground.radiusMethod = RadiusMethod::kKusakin;
  UpliftInputs uplift;
  uplift.confinedTop = 18;
  uplift.confinedHead = 6;
  uplift.unitWeight = 14;
  uplift.waterUnitWeight = 10;
  calc.ground.uplift = uplift;
  ComputeCase(calc);
  ASSERT_TRUE(calc.uplift && calc.uplift->applies);
  // Five layers of 1.6 m: more than the cover lists one by one.
  calc.ground.uplift->layers.assign(5, SoilLayer{1.6, 14});
  ComputeCase(calc);
  const Document document = Report(calc, Project(), &facts);
  ExpectInsideTheBody(document.pages.front());
  const std::vector<std::string> texts = Texts(document.pages.front());
  for (const char* expected : {"Kusakin", "14〜14", "GL-Dc", "18", "γt", "F", "0.933", "NG"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  }
  const auto mentions = [&](const std::string& word) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& text) { return text.find(word) != std::string::npos; });
  };
  EXPECT_TRUE(mentions("575"));
  EXPECT_TRUE(mentions("土被り荷重と被圧水圧の釣合い"));
  EXPECT_FALSE(mentions("Sichardt, W."));
}

}  // namespace
}  // namespace tavoro
