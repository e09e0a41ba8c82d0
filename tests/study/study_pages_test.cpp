#include "study/study_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/fixed_pitch_measurer.h"
#include "study/study_page_text.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// Frames of the two graphs and the table's B column, in page twips.
constexpr double kInflowLeft = 2000;
constexpr double kDrawdownLeft = 9900;
constexpr double kFrameTop = 2300;
constexpr double kFrameWidth = 5200;
constexpr double kFrameBottom = 2300 + 5600;
constexpr double kWidthColumnRight = 1134 + 1000 - 60;
constexpr double kLastRowBottom = 10772;

StudyResult Study(StudyTargetKind kind, double target, std::vector<double> kgList,
                  double widthMax = 10) {
  StudyRequest request;
  request.inputs = testing::WorkedExample();
  request.knCmPerSec = 0.01;
  request.kgList = std::move(kgList);
  request.widthMax = widthMax;
  request.target = StudyTarget{kind, target};
  return RunStudy(request);
}

Document Pages(const StudyResult& result, const ProjectInfo& project = {}) {
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildStudyPages(page, result, project, settings);
  return page.document();
}

template <typename Command>
std::vector<Command> All(const Page& page) {
  std::vector<Command> found;
  for (const PageCommand& command : page.commands) {
    if (const auto* c = std::get_if<Command>(&command)) found.push_back(*c);
  }
  return found;
}

int CountText(const Page& page, const std::string& text) {
  int count = 0;
  for (const TextCommand& t : All<TextCommand>(page)) count += t.text == text;
  return count;
}

TEST(StudyPagesTest, GraphPageShowsTargetLineLabelledCurvesAndMarkedSolutions) {
  const StudyResult result = Study(StudyTargetKind::kInflow, 0.3, {1e-4, 1e-5, 1e-3});
  const Document document = Pages(result);
  ASSERT_TRUE(document.finished);
  EXPECT_EQ(document.title, "改良幅の検討");
  EXPECT_TRUE(document.landscape);
  const Page& graph = document.pages.at(0);

  // Q2 axis 0 to 1.2 (Q1 is 0.977): the target 0.3 lies a quarter up.
  const double targetY = kFrameBottom - 0.3 / 1.2 * 5600;
  int targetLines = 0;
  for (const LineCommand& line : All<LineCommand>(graph)) {
    targetLines += line.pen.width == 25 && line.y1 == targetY && line.y2 == targetY &&
                   line.x1 == kInflowLeft && line.x2 == kInflowLeft + kFrameWidth;
  }
  EXPECT_EQ(targetLines, 1);
  EXPECT_EQ(CountText(graph, "目標"), 1);
  EXPECT_EQ(CountText(graph, "1.2"), 1);

  // A dot on the target graph for each width found, at its width and value.
  const std::vector<CircleCommand> dots = All<CircleCommand>(graph);
  ASSERT_EQ(dots.size(), 3u);
  for (std::size_t i = 0; i < dots.size(); ++i) {
    const StudySolution& solution = result.solutions[i];
    EXPECT_DOUBLE_EQ(dots[i].x, kInflowLeft + *solution.width / 10 * kFrameWidth);
    EXPECT_DOUBLE_EQ(dots[i].y, kFrameBottom - solution.value / 1.2 * 5600);
    EXPECT_EQ(CountText(graph, "B=" + StudyLengthText(*solution.width) + "m"), 1);
  }
  // Each curve named beside both graphs; both axes titled with units.
  for (const char* kg : {"1.00e-4", "1.00e-5", "1.00e-3"}) EXPECT_EQ(CountText(graph, kg), 2);
  int risingTitles = 0;
  for (const TextCommand& t : All<TextCommand>(graph)) {
    if (t.angle == 900) {
      EXPECT_TRUE(t.text == "湧水量 Q2 (m³/min)" || t.text == "改良範囲端の水位低下量 S2 (m)");
      ++risingTitles;
    }
  }
  EXPECT_EQ(risingTitles, 2);
  EXPECT_EQ(CountText(graph, "改良幅 B (m)"), 2);
  EXPECT_EQ(CountText(graph, SolutionText(result.solutions[2], StudyTargetKind::kInflow)), 1);
}

TEST(StudyPagesTest, CurvesRisingAboveTheAxisStopAtTheFramesTop) {
  // A ring looser than the ground raises Q2 far above Q1 near R1.
  const StudyResult result = Study(StudyTargetKind::kInflow, 0.3, {0.1, 1e-4}, 50);
  ASSERT_GT(result.curves[0].values.back().Q2, 2 * result.withoutRing.Q2);
  const Document document = Pages(result);
  const Page& graph = document.pages.at(0);
  for (const LineCommand& line : All<LineCommand>(graph)) {
    const bool insideInflowFrame = line.x1 > kInflowLeft && line.x1 < kInflowLeft + kFrameWidth &&
                                   line.x2 > kInflowLeft && line.x2 < kInflowLeft + kFrameWidth;
    if (!insideInflowFrame || line.x1 == line.x2) continue;  // ticks and gridlines
    EXPECT_GE(std::min(line.y1, line.y2), kFrameTop);
    EXPECT_LE(std::max(line.y1, line.y2), kFrameBottom);
  }
}

TEST(StudyPagesTest, TablePagesListEverySampledWidthOncePerGroupWithinTheMargins) {
  // Four permeabilities: two column groups, three and one.
  const StudyResult result = Study(StudyTargetKind::kDrawdown, 0.01, {1e-4, 1e-5, 1e-3, 1e-6}, 1);
  const Document document = Pages(result);
  ASSERT_GE(document.pages.size(), 3u);

  std::vector<std::string> widthColumn;
  for (std::size_t p = 1; p < document.pages.size(); ++p) {
    for (const TextCommand& t : All<TextCommand>(document.pages[p])) {
      EXPECT_LE(t.y + t.height, kLastRowBottom) << t.text;
      if (t.x + t.width == kWidthColumnRight) widthColumn.push_back(t.text);
    }
  }
  std::vector<std::string> expected;
  for (int group = 0; group < 2; ++group) {
    for (const double width : result.widths) expected.push_back(StudyLengthText(width));
  }
  std::erase(widthColumn, "B (m)");
  EXPECT_EQ(widthColumn, expected);
  // Every page of the table repeats its heading.
  for (std::size_t p = 2; p < document.pages.size(); ++p) {
    EXPECT_GE(CountText(document.pages[p], "B (m)"), 1) << "page " << p + 1;
  }
  // Only the tightest ring reaches 1 cm within 1 m: one dot, three misses.
  ASSERT_TRUE(result.solutions[3].width);
  const Page& first = document.pages[1];
  EXPECT_EQ(CountText(first, "範囲内になし"), 3);
  EXPECT_EQ(CountText(first, KgForWidthText(result)), 1);
  EXPECT_EQ(All<CircleCommand>(document.pages[0]).size(), 1u);

  // A named project heads every page above the top margin and numbers it
  // below the bottom one, and moves nothing else.
  const Document headed = Pages(result, ProjectInfo{"北工区", "", "", "2024-05-01", ""});
  ASSERT_EQ(headed.pages.size(), document.pages.size());
  for (std::size_t p = 0; p < headed.pages.size(); ++p) {
    const std::vector<TextCommand> texts = All<TextCommand>(headed.pages[p]);
    int inMargin = 0;
    for (const TextCommand& t : texts) {
      inMargin += t.y + t.height <= 850.39 || t.y >= 210 * 1440 / 25.4 - 1133.86;
    }
    EXPECT_GE(inMargin, 1) << "page " << p + 1;
    EXPECT_EQ(texts.size() - static_cast<std::size_t>(inMargin),
              All<TextCommand>(document.pages[p]).size());
  }
}

}  // namespace
}  // namespace tavoro
