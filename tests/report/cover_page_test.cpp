#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "calc/compute_case.h"
#include "page/fixed_pitch_measurer.h"
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

}  // namespace
}  // namespace tavoro
