#include "calc/run_dispatch.h"

#include <tuple>

#include <gtest/gtest.h>

#include "calc/compute_case.h"
#include "worked_example.h"

namespace tavoro {
namespace {

TEST(RunDispatchTest, RunsStopsAtTheGuardAndRejects) {
  CalculationCase c, expected = testing::WorkedExample();
  c.OutputMode = 1;  // the chart was shown last
  ComputeCase(expected);
  InputTexts texts = {"2", "20", "10", "20", "0.01", "2", "0.0001", "10", "100"};
  EXPECT_EQ(RunDispatch(c, texts, 0).status, RunStatus::kWentAhead);
  EXPECT_EQ(std::tuple(c.kn, c.kg, c.OutputMode), std::tuple(0.0001, 0.000001, 0));
  EXPECT_EQ(c.CurveY, expected.CurveY);

  // Water table at the shaft bottom: the inputs are stored, nothing is computed.
  texts[0] = "10";
  texts[4] = "1e-3";
  EXPECT_EQ(RunDispatch(c, texts, 1).status, RunStatus::kGuardStopped);
  EXPECT_EQ(std::tuple(c.GroundwaterDepth, c.kn, c.OutputMode), std::tuple(10, 0.00001, 0));
  EXPECT_EQ(c.CurveY, expected.CurveY);

  // Numbers beyond the range of a double: the first is named, nothing at all is stored.
  texts[0] = "3";
  texts[6] = "1e999";
  texts[8] = "-1e999";
  const RunResult rejected = RunDispatch(c, texts, 1);
  EXPECT_EQ(rejected.status, RunStatus::kRejected);
  EXPECT_STREQ(InputFieldCaption(rejected.rejectedField), "改良後の透水係数");
  EXPECT_EQ(std::tuple(c.GroundwaterDepth, c.kg, c.OutputMode), std::tuple(10, 0.000001, 0));
}

}  // namespace
}  // namespace tavoro
