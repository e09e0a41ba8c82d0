#include "study/study_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/fixed_pitch_measurer.h"
#include "study/study_page_text.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// The study pages beyond their golden display lists: curves clipped at the frame.
// The inflow graph's frame, in page twips.
constexpr double kInflowLeft = 2000;
constexpr double kFrameTop = 2300;
constexpr double kFrameWidth = 5200;
constexpr double kFrameBottom = 2300 + 5600;

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

}  // namespace
}  // namespace tavoro
