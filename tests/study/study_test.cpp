#include "study/study.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calc/run_case.h"
#include "study/ring_evaluation.h"
#include "study/study_page_text.h"
#include "study/study_text.h"
#include "worked_example.h"

namespace tavoro {
namespace {

using testing::WorkedExample;

// The worked example as typed into the form, with B and kg replaced.
InputTexts FormTexts(const std::string& width, const std::string& kg) {
  return InputTexts{"2", "20", "10", "20", "0.01", width, kg, "10", "100"};
}

std::string MillimetreText(double width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", width);
  return buffer;
}

// The report's figures for B and kg typed as texts.
CalculationCase Typed(const std::string& width, const std::string& kg) {
  const CaseRun run = RunCase(FormTexts(width, kg), 0);
  EXPECT_FALSE(run.rejection) << run.rejection->message;
  return run.calc;
}

double TargetOf(const CalculationCase& calc, StudyTargetKind kind) {
  return kind == StudyTargetKind::kInflow ? calc.Q[kImproved]
                                          : calc.CurveS[kImproved][kRingEdgePoint];
}

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

TEST(StudyTest, WidthFoundMeetsTheTargetTypedIntoTheFormAndOneMillimetreLessDoesNot) {
  for (const StudyTargetKind kind : {StudyTargetKind::kInflow, StudyTargetKind::kDrawdown}) {
    const double target = kind == StudyTargetKind::kInflow ? 0.3 : 1.5;
    const StudyRequest request = Request(kind, target, {1e-4, 1e-5, 1e-3});
    ASSERT_FALSE(CheckStudyRequest(request));
    const StudyResult result = RunStudy(request);
    ASSERT_EQ(result.solutions.size(), 3u);
    for (const StudySolution& solution : result.solutions) {
      SCOPED_TRACE(KgText(solution.kg));
      ASSERT_TRUE(solution.width);
      EXPECT_GT(*solution.width, 0.001);
      const std::string kgText = ShortNumberText(solution.kg);
      const CalculationCase found = Typed(MillimetreText(*solution.width), kgText);
      const CalculationCase less = Typed(MillimetreText(*solution.width - 0.001), kgText);
      EXPECT_LE(TargetOf(found, kind), target);
      EXPECT_GT(TargetOf(less, kind), target);
      // The very figures of the report, not merely close ones.
      EXPECT_EQ(solution.value, TargetOf(found, kind));
      EXPECT_LE(solution.best, solution.value);
    }
    // A tighter ring needs less width.
    EXPECT_LT(*result.solutions[1].width, *result.solutions[0].width);
    EXPECT_LT(*result.solutions[0].width, *result.solutions[2].width);
  }
}

TEST(StudyTest, SampledCurvesAreTheFormsFiguresFromTheCaseWithoutRingOn) {
  const StudyResult result = RunStudy(Request(StudyTargetKind::kInflow, 0.1, {1e-4}));
  ASSERT_EQ(result.widths.size(), 101u);
  EXPECT_EQ(result.widths.front(), 0.0);
  EXPECT_EQ(result.widths[37], 3.7);
  EXPECT_EQ(result.widths.back(), 10.0);
  EXPECT_EQ(result.bound, WidthBound::kAsked);

  const CalculationCase withoutRing = Typed("0", "0.0001");
  const RingValues& first = result.curves[0].values.front();
  EXPECT_EQ(first.Q2, withoutRing.Q[kNatural]);
  EXPECT_EQ(first.S2, withoutRing.S[kNatural]);
  EXPECT_EQ(first.h2, withoutRing.h[kNatural]);
  EXPECT_EQ(first.R2, withoutRing.R[kNatural]);

  // The worked example's own ring, B 2 m, is the grid's 20th width.
  const CalculationCase ring = Typed("2", "0.0001");
  const RingValues& atTwo = result.curves[0].values[20];
  EXPECT_EQ(atTwo.Q2, ring.Q[kImproved]);
  EXPECT_EQ(atTwo.S2, ring.CurveS[kImproved][kRingEdgePoint]);
  EXPECT_EQ(atTwo.h2, ring.CurveY[kImproved][kRingEdgePoint]);
  EXPECT_EQ(atTwo.R2, ring.R[kImproved]);
  EXPECT_NEAR(atTwo.Q2, 0.0802871, 5e-8);
}

TEST(StudyTest, UnreachableTargetGivesNoWidthAndTheBestReached) {
  // At most 1 m of ring cannot bring the drawdown at its edge below 1 cm.
  const StudyResult result = RunStudy(Request(StudyTargetKind::kDrawdown, 0.01, {1e-4}, 1));
  const StudySolution& solution = result.solutions[0];
  EXPECT_FALSE(solution.width);
  EXPECT_TRUE(std::isnan(solution.value));
  // S2 falls with the width, so the best is at the widest ring.
  EXPECT_EQ(solution.bestWidth, 1.0);
  EXPECT_EQ(solution.best, Typed("1", "0.0001").CurveS[kImproved][kRingEdgePoint]);
  EXPECT_GT(solution.best, 0.01);
}

TEST(StudyTest, WidthRangeStopsShortOfTheRadiusOfInfluence) {
  // kn 0.0001 cm/sec: R1 = 3000 · 8 m · √(1e-6) = 24 m and r = 3.18310 m, so
  // the ring's edge must stay inside 24 m, short of the 50 m asked.
  StudyRequest request = Request(StudyTargetKind::kInflow, 0.01, {1e-5}, 50);
  request.inputs.kn = 0.0001 / 100.0;
  request.knCmPerSec = 0.0001;
  ASSERT_FALSE(CheckStudyRequest(request));
  const StudyResult result = RunStudy(request);
  EXPECT_EQ(result.bound, WidthBound::kR1);
  EXPECT_EQ(result.widthEnd, 20.816);
  EXPECT_LT(result.r + result.widthEnd, result.withoutRing.R2);
  EXPECT_GE(result.r + result.widthEnd + 0.001, result.withoutRing.R2);
  EXPECT_EQ(result.widths.size(), 101u);
  EXPECT_EQ(result.widths.back(), result.widthEnd);
  for (const RingValues& values : result.curves[0].values) {
    EXPECT_TRUE(std::isfinite(values.Q2) && std::isfinite(values.S2) && std::isfinite(values.h2) &&
                std::isfinite(values.R2));
  }
  // Asking beyond the form's widest ring is refused.
  request.widthMax = 51;
  EXPECT_TRUE(CheckStudyRequest(request));
}

TEST(StudyTest, LargestPermeabilityForTheCasesWidthToThreeDigits) {
  // The case's B is 2 m; Q2 is 0.0803 with kg 0.0001 cm/sec and 0.977 without.
  for (const StudyTargetKind kind : {StudyTargetKind::kInflow, StudyTargetKind::kDrawdown}) {
    const double target = kind == StudyTargetKind::kInflow ? 0.3 : 2.0;
    const StudyResult result = RunStudy(Request(kind, target, {1e-4}));
    ASSERT_TRUE(result.kgForWidth);
    const std::string text = KgText(*result.kgForWidth);
    const CalculationCase found = Typed("2", text);
    EXPECT_LE(TargetOf(found, kind), target);
    // One unit looser in the third digit misses.
    const double mantissa = std::stod(text.substr(0, 4));
    const std::string looser =
        ShortNumberText(std::round(mantissa * 100 + 1) / 100) + text.substr(4);
    EXPECT_GT(TargetOf(Typed("2", looser), kind), target);
  }
  // A target the natural ground meets gives kn itself; no ring, no answer.
  EXPECT_EQ(RunStudy(Request(StudyTargetKind::kInflow, 5, {1e-4})).kgForWidth, 0.01);
  StudyRequest noRing = Request(StudyTargetKind::kInflow, 0.3, {1e-4});
  noRing.inputs.B = 0;
  EXPECT_FALSE(RunStudy(noRing).kgForWidth);
}

// The loosest kg is searched no tighter than the form accepts, 1e-9 cm/sec: a target that
// 1e-9 just meets gets exactly 1e-9, one that only a tighter ring meets gets none.
TEST(StudyTest, LoosestPermeabilityNeverGoesBelowTheBottomRung) {
  const double atBottom = Typed("2", "1e-9").Q[kImproved];
  ASSERT_GT(atBottom, 0);
  const StudyResult met = RunStudy(Request(StudyTargetKind::kInflow, atBottom * 1.000001, {1e-4}));
  ASSERT_TRUE(met.kgForWidth);
  EXPECT_DOUBLE_EQ(*met.kgForWidth, 1e-9);
  EXPECT_FALSE(RunStudy(Request(StudyTargetKind::kInflow, atBottom * 0.99, {1e-4})).kgForWidth);
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

}  // namespace
}  // namespace tavoro
