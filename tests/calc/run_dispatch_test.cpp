#include "calc/run_dispatch.h"

#include <string>

#include <gtest/gtest.h>

#include "calc/compute_case.h"
#include "worked_example.h"

namespace tavoro {
namespace {

InputTexts WorkedExampleTexts() {
  return {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};
}

TEST(RunDispatchTest, StoresTheInputsAndComputes) {
  CalculationCase calc;
  const RunResult result = RunDispatch(calc, WorkedExampleTexts(), 1);
  EXPECT_EQ(result.status, RunStatus::kWentAhead);
  CalculationCase expected = testing::WorkedExample();
  ComputeCase(expected);
  expected.OutputMode = 1;
  EXPECT_EQ(calc.kn, 0.01 / 100.0);
  EXPECT_EQ(calc.kg, 0.0001 / 100.0);
  EXPECT_EQ(calc.CurveY, expected.CurveY);
  EXPECT_EQ(calc.Q, expected.Q);
  EXPECT_EQ(calc.OutputMode, 1);
}

TEST(RunDispatchTest, PermeabilityInCentimetresPerSecond) {
  CalculationCase calc;
  InputTexts texts = WorkedExampleTexts();
  texts[4] = "1e-3";
  texts[6] = " 2,5 ";
  RunDispatch(calc, texts, 0);
  EXPECT_DOUBLE_EQ(calc.kn, 0.00001);
  EXPECT_EQ(calc.kg, 0.02);
}

TEST(RunDispatchTest, GuardStoresInputsButComputesNothing) {
  CalculationCase calc;
  RunDispatch(calc, WorkedExampleTexts(), 1);
  const CalculationCase before = calc;

  InputTexts texts = WorkedExampleTexts();
  texts[0] = "10";  // water table at the shaft bottom
  texts[3] = "30";
  EXPECT_EQ(RunDispatch(calc, texts, 0).status, RunStatus::kGuardStopped);
  EXPECT_EQ(calc.GroundwaterDepth, 10);
  EXPECT_EQ(calc.L, 30);
  EXPECT_EQ(calc.r, before.r);
  EXPECT_EQ(calc.CurveX, before.CurveX);
  EXPECT_EQ(calc.OutputMode, 1);

  CalculationCase empty;
  EXPECT_EQ(RunDispatch(empty, InputTexts{}, 1).status, RunStatus::kGuardStopped);
  EXPECT_EQ(empty.OutputMode, 0);
  EXPECT_EQ(empty.H, 0);
}

TEST(RunDispatchTest, NumberBeyondRangeChangesNothing) {
  CalculationCase calc;
  RunDispatch(calc, WorkedExampleTexts(), 1);
  const CalculationCase before = calc;

  InputTexts texts = WorkedExampleTexts();
  texts[0] = "3";
  texts[6] = "1e999";
  texts[8] = "-1e999";
  const RunResult result = RunDispatch(calc, texts, 0);
  EXPECT_EQ(result.status, RunStatus::kRejected);
  EXPECT_EQ(result.rejectedField, 6);
  EXPECT_STREQ(InputFieldCaption(result.rejectedField), "改良後の透水係数");
  EXPECT_EQ(calc.GroundwaterDepth, before.GroundwaterDepth);
  EXPECT_EQ(calc.kg, before.kg);
  EXPECT_EQ(calc.OutputMode, before.OutputMode);
  EXPECT_EQ(calc.CurveY, before.CurveY);
}

}  // namespace
}  // namespace tavoro
