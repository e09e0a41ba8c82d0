// A seeded sweep of ring studies over random cases with short and long
// calculation ranges: every width and permeability a study names is typed back
// into the form's texts and must pass its input rules and meet the target.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "calc/run_case.h"
#include "study/study.h"
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
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", metres);
  return buffer;
}

class Cases {
 public:
  explicit Cases(std::uint64_t seed) : random_(seed) {}

  // A shaft as an engineer types it; every other one with a calculation
  // range only a few metres beyond the shaft.
  InputTexts Next(bool shortRange) {
    const double groundwater = Uniform(0, 20);
    const double excavation = groundwater + std::exp(Uniform(std::log(0.5), std::log(40)));
    const double perimeter = Uniform(2, 120);
    const double r = perimeter / (2 * 3.141592653589793);
    const double range = shortRange ? r + Uniform(0.05, 12) : std::exp(Uniform(std::log(r + 60), std::log(5000)));
    const double kn = std::pow(10, Uniform(-5, 0));
    const bool ring = Uniform(0, 1) < 0.7;
    const double width = std::min(Uniform(0.1, 6), (range - r) * 0.9);
    return InputTexts{Digits(groundwater, 3),
                      Digits(excavation + Uniform(0, 40), 4),
                      Digits(excavation, 4),
                      Digits(perimeter, 4),
                      Digits(kn, 2),
                      ring ? Millimetres(width) : "",
                      ring ? Digits(kn * std::pow(10, Uniform(-4, 0)), 2) : "",
                      Digits(Uniform(0, range), 3),
                      Digits(range, 5)};
  }

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }

 private:
  std::mt19937_64 random_;
};

double Quantity(const CalculationCase& calc, StudyTargetKind kind) {
  return kind == StudyTargetKind::kInflow ? calc.Q[kImproved]
                                          : calc.CurveS[kImproved][kRingEdgePoint];
}

// The case with B, kg and 計算範囲 typed as given: rejected, or its Q2 or S2.
struct Typed {
  std::string rejection;
  double value = NAN;
};

Typed TypeBack(InputTexts texts, const std::string& width, const std::string& kg,
               StudyTargetKind kind) {
  texts[kWidthField] = width;
  texts[kKgField] = kg;
  const CaseRun run = RunCase(texts, 0);
  if (run.rejection) return {run.rejection->message};
  return {"", Quantity(run.calc, kind)};
}

std::string Describe(const InputTexts& texts) {
  std::string out;
  for (const std::string& text : texts) out += "[" + text + "]";
  return out;
}

TEST(StudySweep, EveryWidthAndPermeabilityNamedPassesTheRulesAndMeetsTheTarget) {
  Cases cases(20261207);
  int studied = 0, rangeBound = 0, widths = 0, beyond = 0;
  for (int n = 0; n < kStudies * 4 && studied < kStudies; ++n) {
    InputTexts texts = cases.Next(n % 2 == 0);
    const CaseRun run = RunCase(texts, 0);
    if (run.rejection) continue;
    StudyRequest request;
    request.inputs = run.calc;
    request.knCmPerSec = *ReadFieldText(kKnField, texts[kKnField]);
    const double caseKg = ReadFieldText(kKgField, texts[kKgField]).value_or(0);
    request.kgList = DefaultStudyPermeabilities(run.calc.B, caseKg, request.knCmPerSec);
    const bool inflow = cases.Uniform(0, 1) < 0.5;
    const StudyTargetKind kind = inflow ? StudyTargetKind::kInflow : StudyTargetKind::kDrawdown;
    const double base = inflow ? run.calc.Q[kNatural] : run.calc.S[kNatural];
    request.target = StudyTarget{kind, base * cases.Uniform(0.2, 0.98)};
    request.widthMax = cases.Uniform(1, 50);
    if (CheckStudyRequest(request)) continue;
    ++studied;
    const StudyResult result = RunStudy(request);
    const std::string what = Describe(texts);
    rangeBound += result.bound == WidthBound::kRange;

    // The last width studied is accepted, as every narrower one is.
    const std::string widest = Millimetres(result.widthEnd);
    ASSERT_EQ(TypeBack(texts, widest, KgText(result.solutions[0].kg), kind).rejection, "")
        << what << " B " << widest;
    for (const StudySolution& solution : result.solutions) {
      // Each default kg is one the form accepts with a ring.
      ASSERT_EQ(TypeBack(texts, "1", ShortNumberText(solution.kg), kind).rejection.find("改良後"),
                std::string::npos)
          << what << " kg " << solution.kg;
      const std::string kg = ShortNumberText(solution.kg);
      if (solution.width) {
        ++widths;
        const Typed typed = TypeBack(texts, Millimetres(*solution.width), kg, kind);
        ASSERT_EQ(typed.rejection, "") << what << " B " << *solution.width;
        ASSERT_LE(typed.value, request.target.value) << what;
        ASSERT_EQ(typed.value, solution.value) << what;
      }
      if (solution.widthBeyondRange) {
        ++beyond;
        InputTexts wider = texts;
        wider[kRangeField] = Millimetres(solution.rangeNeeded);
        const Typed typed = TypeBack(wider, Millimetres(*solution.widthBeyondRange), kg, kind);
        ASSERT_EQ(typed.rejection, "") << what << " B " << *solution.widthBeyondRange;
        ASSERT_LE(typed.value, request.target.value) << what;
        // One millimetre less range refuses it.
        wider[kRangeField] = Millimetres(solution.rangeNeeded - 0.001);
        ASSERT_NE(TypeBack(wider, Millimetres(*solution.widthBeyondRange), kg, kind).rejection, "")
            << what;
      }
    }
    if (result.kgForWidth) {
      const Typed typed = TypeBack(texts, texts[kWidthField], KgText(*result.kgForWidth), kind);
      ASSERT_EQ(typed.rejection, "") << what << " kg " << KgText(*result.kgForWidth);
      ASSERT_LE(typed.value, request.target.value) << what;
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
