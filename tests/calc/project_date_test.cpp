// 日付 read in its three written forms and kept as YYYY-MM-DD.
#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "calc/project_date.h"

namespace tavoro {
namespace {

TEST(ProjectDateTest, ThreeFormsOfARealDayKeptAsIsoText) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {// clang-format off
      {"2026-12-07", "2026-12-07"}, {"2026/12/07", "2026-12-07"}, {"2026年12月7日", "2026-12-07"},
      {"2024/2/29", "2024-02-29"}, {"2000年2月29日", "2000-02-29"}, {"2026-1-9", "2026-01-09"},
      {"２０２６／０３／０１", "2026-03-01"}, {"２０２６年３月１日", "2026-03-01"},
      {"2026-02-30", std::nullopt}, {"2026/13/01", std::nullopt}, {"1900-02-29", std::nullopt},
      {"2026年4月31日", std::nullopt}, {"2026-00-10", std::nullopt}, {"2026/03/00", std::nullopt},
      {"2026-03/01", std::nullopt}, {"2026年3月1", std::nullopt}, {"26-03-01", std::nullopt},
      {"2026-003-01", std::nullopt}, {"2026-03-01 ", std::nullopt}, {"令和8年3月1日", std::nullopt},
      {"", std::nullopt}, {"2026", std::nullopt}, {"2026-03-01x", std::nullopt}};
  // clang-format on
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(NormalizedProjectDate(text), expected) << text;
    EXPECT_EQ(IsProjectDate(text), expected && *expected == text) << text;
  }
}

}  // namespace
}  // namespace tavoro
