// A seeded sweep of ring studies over random cases with short and long
// calculation ranges: every width and permeability a study names, typed back
// into the form's texts, passes the input rules and meets the target, and one
// millimetre narrower or one step looser misses it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "calc/run_case.h"
#include "study/study.h"
#include "study/study_search.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

constexpr int kStudies = 1000;

std::string Digits(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
  return buffer;
}

std::string Millimetres(double metres) {
  return Digits(std::round(metres * 1000) / 1000, 12);
}

// The case's texts with B, kg and 計算範囲 replaced: its rejection, or Q2 or S2.
struct Typed {
  std::string rejection;
  double value = NAN;
};

Typed TypeBack(InputTexts texts, const std::string& width, const std::string& kg,
               const StudyTarget& target, const std::string& range = "") {
  texts[kWidthField] = width;
  texts[kKgField] = kg;
  if (!range.empty()) texts[kRangeField] = range;
  const CaseRun run = RunCase(texts, 0);
  if (run.rejection) return {run.rejection->message};
  const CalculationCase& c = run.calc;
  return {"", target.kind == StudyTargetKind::kInflow ? c.Q[kImproved]
                                                      : c.CurveS[kImproved][kRingEdgePoint]};
}

TEST(StudySweep, EveryWidthAndPermeabilityNamedPassesTheRulesAndMeetsTheTarget) {
  std::mt19937_64 random(20261207);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  int studied = 0, rangeBound = 0, widths = 0, beyond = 0;
  for (int n = 0; n < kStudies * 4 && studied < kStudies; ++n) {
    // Every other case with a calculation range only a few metres beyond the shaft.
    const double groundwater = uniform(0, 20);
    const double excavation = groundwater + std::exp(uniform(std::log(0.5), std::log(40)));
    const double perimeter = uniform(2, 120);
    const double r = perimeter / (2 * 3.141592653589793);
    const double range = n % 2 == 0 ? r + uniform(0.05, 12)
                                    : std::exp(uniform(std::log(r + 60), std::log(5000)));
    const double kn = std::pow(10, uniform(-5, 0));
    const bool ring = uniform(0, 1) < 0.7;
    const InputTexts texts = {
        Digits(groundwater, 3),
        Digits(excavation + uniform(0, 40), 4),
        Digits(excavation, 4),
        Digits(perimeter, 4),
        Digits(kn, 2),
        ring ? Millimetres(std::min(uniform(0.1, 6), (range - r) * 0.9)) : "",
        ring ? Digits(kn * std::pow(10, uniform(-4, 0)), 2) : "",
        Digits(uniform(0, range), 3),
        Digits(range, 5)};
    const CaseRun run = RunCase(texts, 0);
    if (run.rejection) continue;
    StudyRequest request;
    request.inputs = run.calc;
    request.knCmPerSec = *ReadFieldText(kKnField, texts[kKnField]);
    request.kgList = DefaultStudyPermeabilities(
        run.calc.B, ReadFieldText(kKgField, texts[kKgField]).value_or(0), request.knCmPerSec);
    const bool inflow = uniform(0, 1) < 0.5;
    request.target = {inflow ? StudyTargetKind::kInflow : StudyTargetKind::kDrawdown,
                      (inflow ? run.calc.Q[kNatural] : run.calc.S[kNatural]) * uniform(0.2, 0.98)};
    request.widthMax = uniform(1, 50);
    if (CheckStudyRequest(request)) continue;
    ++studied;
    const StudyResult result = RunStudy(request);
    const StudyTarget& target = request.target;
    std::string what;
    for (const std::string& text : texts) what += "[" + text + "]";
    rangeBound += result.bound == WidthBound::kRange;

    // The widest width studied is accepted with every kg of the default list.
    for (const StudySolution& solution : result.solutions) {
      const std::string kg = ShortNumberText(solution.kg);
      ASSERT_EQ(TypeBack(texts, Millimetres(result.widthEnd), kg, target).rejection, "") << what;
      if (solution.width) {
        ++widths;
        const Typed typed = TypeBack(texts, Millimetres(*solution.width), kg, target);
        ASSERT_EQ(typed.rejection, "") << what << " B " << *solution.width;
        ASSERT_EQ(typed.value, solution.value) << what;
        ASSERT_LE(typed.value, target.value) << what;
        // One millimetre less (a ring still) misses.
        const std::string less = Millimetres(*solution.width - 0.001);
        if (less != "0") {
          ASSERT_GT(TypeBack(texts, less, kg, target).value, target.value) << what << " B " << less;
        }
      }
      if (solution.widthBeyondRange) {
        ++beyond;
        const std::string width = Millimetres(*solution.widthBeyondRange);
        const Typed typed = TypeBack(texts, width, kg, target, Millimetres(solution.rangeNeeded));
        ASSERT_EQ(typed.rejection, "") << what << " B " << width;
        ASSERT_LE(typed.value, target.value) << what;
        const std::string less = Millimetres(solution.rangeNeeded - 0.001);
        ASSERT_NE(TypeBack(texts, width, kg, target, less).rejection, "") << what;
      }
    }
    if (result.kgForWidth) {
      const Typed typed = TypeBack(texts, texts[kWidthField], KgText(*result.kgForWidth), target);
      ASSERT_EQ(typed.rejection, "") << what << " kg " << KgText(*result.kgForWidth);
      ASSERT_LE(typed.value, target.value) << what;
      // One unit looser in the third digit misses, or is looser than the ground.
      const double looser = LadderValue(LadderRungAtMost(*result.kgForWidth) + 1);
      if (looser <= request.knCmPerSec) {
        ASSERT_GT(TypeBack(texts, texts[kWidthField], KgText(looser), target).value, target.value)
            << what << " kg " << KgText(looser);
      }
    }
  }
  // The sweep reaches each kind of answer.
  EXPECT_EQ(studied, kStudies);
  EXPECT_GT(rangeBound, kStudies / 10);
  EXPECT_GT(widths, kStudies);
  EXPECT_GT(beyond, 10);
}

}  // namespace
}  // namespace tavoro
