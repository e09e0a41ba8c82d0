#include "study/study.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calc/run_case.h"
#include "study/study_text.h"
#include "worked_example.h"

namespace tavoro {
namespace {

using testing::WorkedExample;

std::string MillimetreText(double width) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.3f", width);
  return buffer;
}

// The report's figures for the worked example with B and kg typed as texts.
CalculationCase Typed(const std::string& width, const std::string& kg) {
  InputTexts texts = testing::kWorkedExampleTexts;
  texts[kWidthField] = width;
  texts[kKgField] = kg;
  const CaseRun run = RunCase(texts, 0);
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
