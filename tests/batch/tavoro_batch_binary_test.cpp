// `tavoro batch` end to end: encodings, headers, the same output whatever the job count, and
// results equal to `tavoro export`.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "files.h"
#include "process.h"

namespace tavoro {
namespace {

double Number(const std::string& text) {
  double value = std::nan("");
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The worked example with a ring, the same shaft without one, and a shaft
// whose excavation does not reach the groundwater.
const char kRows[] =
    "No.1 立坑,2,20,10,20,0.01,2,0.0001,10,100\r\n"
    "No.2 立坑,3,25,12,25.1,0.02,0,0.0001,15,120\r\n"
    "No.3 立坑,5,20,4,20,0.01,2,0.0001,10,100\r\n";
const char* const kExportOptions[] = {"--groundwater", "--impervious", "--excavation",
                                      "--perimeter",   "--kn",         "--width",
                                      "--kg",          "--point",      "--range"};

TEST(BatchBinaryTest, SummaryEqualsExportWhateverTheEncodingHeadersAndJobs) {
  const testing::TempFolder dir;
  // Captions, UTF-8 with a byte-order mark.
  testing::WriteFile(dir.path() / "captions.csv",
                     "\xEF\xBB\xBF立坑名,地下水位,不透水層深度,掘削深度,立坑周長,透水係数,改良幅,"
                     "改良後の透水係数,着目点,計算範囲\r\n" +
                         std::string(kRows));
  // Option names, CP932 as Excel writes it: the shaft names' 立坑 is 0x97A7 0x8D42.
  std::string cp932Rows = kRows;
  for (std::size_t at; (at = cp932Rows.find("立坑")) != std::string::npos;) {
    cp932Rows.replace(at, std::string("立坑").size(), "\x97\xA7\x8D\x42");
  }
  testing::WriteFile(
      dir.path() / "options.csv",
      "shaft,groundwater,impervious,excavation,perimeter,kn,width,kg,point,range\r\n" + cp932Rows);

  EXPECT_EQ(testing::RunTavoro({"batch", dir / "captions.csv", "--out", dir / "one", "--jobs", "1"}).status, 1);
  EXPECT_EQ(testing::RunTavoro({"batch", dir / "captions.csv", "--out", dir / "four", "--jobs", "4"}).status, 1);
  EXPECT_EQ(testing::RunTavoro({"batch", dir / "options.csv", "--out", dir / "cp932"}).status, 1);

  const std::string summary = testing::ReadFile(dir.path() / "one" / "summary.csv");
  EXPECT_EQ(testing::ReadFile(dir.path() / "four" / "summary.csv"), summary);
  EXPECT_EQ(testing::ReadFile(dir.path() / "cp932" / "summary.csv"), summary);
  const std::vector<std::string> names = {"001-No.1 立坑-chart.pdf", "001-No.1 立坑-report.pdf",
                                          "002-No.2 立坑-chart.pdf", "002-No.2 立坑-report.pdf",
                                          "summary.csv", "summary.pdf"};
  for (const std::string& name : names) {
    if (!name.ends_with(".pdf")) continue;
    EXPECT_EQ(testing::PdfWithoutMetadata(testing::ReadFile(dir.path() / "one" / name)),
              testing::PdfWithoutMetadata(testing::ReadFile(dir.path() / "four" / name)))
        << name;
  }
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "one")) {
    written.push_back(entry.path().filename().string());
  }
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, names);

  const auto lines = testing::CsvCells(summary);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3][2], "計算不可");
  EXPECT_FALSE(lines[3].back().empty());
  std::stringstream rows(kRows);
  for (std::size_t row = 1; row <= 2; ++row) {
    std::string line;
    std::getline(rows, line);
    std::stringstream cells(line.substr(line.find(',') + 1));
    std::vector<std::string> args = {"export", "--json", "-"};
    for (const char* option : kExportOptions) {
      std::string cell;
      std::getline(cells, cell, ',');
      if (!cell.empty() && cell.back() == '\r') cell.pop_back();
      args.insert(args.end(), {option, cell});
    }
    const testing::ProcessResult exported = testing::RunTavoro(args);
    ASSERT_EQ(exported.status, 0) << exported.err;
    const nlohmann::json json = nlohmann::json::parse(exported.out);
    const std::vector<std::string>& out = lines[row];
    ASSERT_EQ(out.size(), 26u);
    EXPECT_EQ(out[2], "計算済み");
    // Summary columns 12 to 23 and the JSON's values, bit for bit (null for not computed).
    const nlohmann::json same[] = {json["r"], json["H"], json["h"][0], json["S"][0],
                                   json["R"][0], json["Q"][0], json["Q"][1], json["CurveY"][1][9],
                                   json["CurveS"][1][9], json["R"][1], json["PointS"][0],
                                   json["PointS"][1]};
    for (std::size_t i = 0; i < std::size(same); ++i) {
      const double value = same[i].is_number() ? same[i].get<double>() : std::nan("");
      const double cell = Number(out[12 + i]);
      EXPECT_TRUE(cell == value || (std::isnan(cell) && std::isnan(value))) << row << " " << 12 + i;
    }
    EXPECT_EQ(Number(out[7]) / 100, json["inputs"]["kn"].get<double>());
  }
}

}  // namespace
}  // namespace tavoro
