#include "study/study.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calc/run_case.h"
#include "study/ring_evaluation.h"
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
  EXPECT_FALSE(result.cappedByR1);

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

TEST(StudyTest, TargetAlreadyMetWithoutRingNeedsNoWidth) {
  const CalculationCase withoutRing = Typed("0", "0.0001");
  const StudyResult result =
      RunStudy(Request(StudyTargetKind::kInflow, withoutRing.Q[kNatural], {1e-4}));
  ASSERT_TRUE(result.solutions[0].width);
  EXPECT_EQ(*result.solutions[0].width, 0.0);
  EXPECT_EQ(result.solutions[0].value, withoutRing.Q[kNatural]);
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

TEST(StudyTest, RingNoTighterThanTheGroundNeverCutsTheInflow) {
  // kn is 0.01 cm/sec: a ring as loose or looser only adds resistance nowhere.
  const CalculationCase withoutRing = Typed("0", "0.0001");
  const double Q1 = withoutRing.Q[kNatural];
  const StudyResult result = RunStudy(Request(StudyTargetKind::kInflow, Q1 * 0.99, {0.01, 0.1}));
  for (const StudySolution& solution : result.solutions) {
    EXPECT_FALSE(solution.width);
    EXPECT_EQ(solution.bestWidth, 0.0);
    EXPECT_EQ(solution.best, Q1);
  }
  // The looser ring raises Q2 with the width.
  EXPECT_GT(result.curves[1].values.back().Q2, Q1);
}

TEST(StudyTest, WidthRangeStopsShortOfTheRadiusOfInfluence) {
  // kn 0.0001 cm/sec: R1 = 3000 · 8 m · √(1e-6) = 24 m and r = 3.18310 m, so
  // the ring's edge must stay inside 24 m, short of the 50 m asked.
  StudyRequest request = Request(StudyTargetKind::kInflow, 0.01, {1e-5}, 50);
  request.inputs.kn = 0.0001 / 100.0;
  ASSERT_FALSE(CheckStudyRequest(request));
  const StudyResult result = RunStudy(request);
  EXPECT_TRUE(result.cappedByR1);
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

TEST(StudyTest, DefaultPermeabilitiesAreTheCasesTighterAndLooserBelowKn) {
  const std::vector<double> list = DefaultStudyPermeabilities(0.0001, 0.01 / 100);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0], 0.0001);
  EXPECT_EQ(list[1], 0.00001);
  EXPECT_EQ(list[2], 0.001);
  // Ten times 0.005 is looser than kn 0.01 cm/sec.
  EXPECT_EQ(DefaultStudyPermeabilities(0.005, 0.01 / 100), (std::vector<double>{0.005, 0.0005}));
  EXPECT_TRUE(DefaultStudyPermeabilities(0, 0.01 / 100).empty());
}

TEST(StudyTest, RequestsTheStudyCannotRunAreNamedInJapanese) {
  const auto message = [](StudyRequest request) { return CheckStudyRequest(request).value_or(""); };
  const StudyRequest good = Request(StudyTargetKind::kInflow, 0.1, {1e-4});
  StudyRequest bad = good;
  bad.kgList = {};
  EXPECT_NE(message(bad).find("透水係数がありません"), std::string::npos);
  bad.kgList = {1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4};
  EXPECT_NE(message(bad).find("6 個まで"), std::string::npos);
  bad.kgList = {1e-4, -2};
  EXPECT_NE(message(bad).find("2 番目の値（-2）"), std::string::npos);
  bad = good;
  bad.widthMax = 0;
  EXPECT_NE(message(bad).find("改良幅の上限（0）"), std::string::npos);
  bad.widthMax = NAN;
  EXPECT_NE(message(bad).find("改良幅の上限"), std::string::npos);
  bad = good;
  bad.target = StudyTarget{StudyTargetKind::kDrawdown, -1};
  EXPECT_NE(message(bad).find("水位低下量 S2（-1）"), std::string::npos);
  bad = good;
  bad.inputs.kn = 0;  // R1 = 0 cannot hold a ring
  EXPECT_NE(message(bad).find("検討できません"), std::string::npos);
  EXPECT_EQ(message(good), "");
}

}  // namespace
}  // namespace tavoro
