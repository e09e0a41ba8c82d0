#include "study/study.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "calc/run_case.h"
#include "page/fixed_pitch_measurer.h"
#include "study/study_pages.h"
#include "worked_example.h"

namespace tavoro {
namespace {

using testing::WorkedExample;

StudyRequest Request(StudyTargetKind kind, double target, std::vector<double> kgList,
                     double widthMax = kDefaultStudyWidth) {
  StudyRequest request;
  request.inputs = WorkedExample();
  request.knCmPerSec = 0.01;
  request.kgList = std::move(kgList);
  request.widthMax = widthMax;
  request.target = StudyTarget{kind, target};
  return request;
}

// The loosest kg is searched no tighter than the form accepts, 1e-9 cm/sec: a target that
// 1e-9 just meets gets exactly 1e-9, one that only a tighter ring meets gets none.
TEST(StudyTest, LoosestPermeabilityNeverGoesBelowTheBottomRung) {
  InputTexts texts = testing::kWorkedExampleTexts;
  texts[kKgField] = "1e-9";
  const double atBottom = RunCase(texts, 0).calc.Q[kImproved];
  ASSERT_GT(atBottom, 0);
  const StudyResult met = RunStudy(Request(StudyTargetKind::kInflow, atBottom * 1.000001, {1e-4}));
  ASSERT_TRUE(met.kgForWidth);
  EXPECT_DOUBLE_EQ(*met.kgForWidth, 1e-9);
  EXPECT_FALSE(RunStudy(Request(StudyTargetKind::kInflow, atBottom * 0.99, {1e-4})).kgForWidth);
  // A target the natural ground meets gives kn itself; no ring, no answer.
  EXPECT_EQ(RunStudy(Request(StudyTargetKind::kInflow, 5, {1e-4})).kgForWidth, 0.01);
  StudyRequest noRing = Request(StudyTargetKind::kInflow, 0.3, {1e-4});
  noRing.inputs.B = 0;
  EXPECT_FALSE(RunStudy(noRing).kgForWidth);
}

TEST(StudyTest, DefaultPermeabilitiesAreOnlyValuesTheFormAccepts) {
  struct Case {
    double width, kg, kn;
    std::vector<double> list;
  };
  const Case cases[] = {
      {2, 0.0001, 0.01, {0.0001, 0.00001, 0.001}},
      {2, 0.005, 0.01, {0.005, 0.0005}},  // 0.05 is looser than kn
      {2, 0.01, 0.01, {0.01, 0.001}},     // kg = kn is accepted, ten times that is not
      {2, 5e-9, 1e-4, {5e-9, 5e-8}},      // 5e-10 lies below 1e-9
      {0, 0, 3e-5, {3e-6, 3e-7, 3e-8}},   // without a ring: kn/10, kn/100, kn/1000
      {0, 0, 2e-8, {2e-9}},
      {0, 0, 1e-9, {1e-9}},  // nothing tighter is accepted: kn itself
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultStudyPermeabilities(c.width, c.kg, c.kn), c.list) << c.kg << " " << c.kn;
  }
}

// The study pages beyond their golden display lists: curves clipped at the inflow graph's
// frame (in page twips).
TEST(StudyPagesTest, CurvesRisingAboveTheAxisStopAtTheFramesTop) {
  constexpr double kInflowLeft = 2000, kFrameTop = 2300, kFrameWidth = 5200;
  constexpr double kFrameBottom = 2300 + 5600;
  // A ring looser than the ground raises Q2 far above Q1 near R1.
  const StudyResult result = RunStudy(Request(StudyTargetKind::kInflow, 0.3, {0.1, 1e-4}, 50));
  ASSERT_GT(result.curves[0].values.back().Q2, 2 * result.withoutRing.Q2);
  const FixedPitchMeasurer measurer;
  PageSurface page(measurer);
  PageSettings settings;
  BuildStudyPages(page, result, {}, settings);
  for (const PageCommand& command : page.document().pages.at(0).commands) {
    const auto* line = std::get_if<LineCommand>(&command);
    if (line == nullptr) continue;
    const bool insideInflowFrame = line->x1 > kInflowLeft && line->x1 < kInflowLeft + kFrameWidth &&
                                   line->x2 > kInflowLeft && line->x2 < kInflowLeft + kFrameWidth;
    if (!insideInflowFrame || line->x1 == line->x2) continue;  // ticks and gridlines
    EXPECT_GE(std::min(line->y1, line->y2), kFrameTop);
    EXPECT_LE(std::max(line->y1, line->y2), kFrameBottom);
  }
}

}  // namespace
}  // namespace tavoro
