#include "calc/result_notes.h"

#include <gtest/gtest.h>

#include "calc/run_case.h"

namespace tavoro {
namespace {

CalculationCase Computed(const char* width, const char* kg) {
  const CaseRun run = RunCase({"2", "20", "10", "20", "0.01", width, kg, "10", "100"}, 0);
  EXPECT_FALSE(run.rejection);
  return run.calc;
}

// r = 20 / 2π = 3.183 m; with B = 2 m the ring's edge stands at 5.183 m. With
// kg = 1e-5 cm/sec the drawdown there is 0.049 m, so R2 = 3000 · 0.049 ·
// √1e-4 = 1.459 m lies inside the ring.
TEST(ResultNotes, SayWhyTheImprovedCurveIsMissingAndNothingWhenAllIsComputed) {
  EXPECT_TRUE(ResultNotes(Computed("2", "0.0001")).empty());
  EXPECT_TRUE(ResultNotes(Computed("0", "")).empty());

  const CalculationCase beyond = Computed("2", "1e-5");
  ASSERT_FALSE(beyond.ImprovedCurveComputed);
  const std::vector<ResultNote> notes = ResultNotes(beyond);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].code.find("r2"), std::string::npos);
  EXPECT_EQ(notes[0].text,
            "改良外円 r+B=5.183 m が影響範囲 R2=1.459 m の外にあるため、改良後低下水位曲線と着目点"
            "の水位低下量 Sx2 は算定できません。");

  CalculationCase overflowed = Computed("2", "0.0001");
  overflowed.Q[kImproved] = kNotComputed;
  EXPECT_EQ(ResultNotes(overflowed).at(0).code, "improved-not-computed");
  EXPECT_EQ(JoinedNoteTexts({{"a", "一"}, {"b", "二"}}), "一　二");
}

}  // namespace
}  // namespace tavoro
