// tavoro export writing SVG, DXF and CSV, and refusing other extensions.
#include <sys/wait.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "calc/number_format.h"

namespace tavoro {
namespace {

namespace fs = std::filesystem;

constexpr char kWorkedExample[] =
    "export --groundwater 2 --impervious 20 --excavation 10 --perimeter 20 --kn 0.01 --width 2 "
    "--kg 0.0001 --point 10 --range 100";

std::pair<int, std::string> RunTavoro(const std::string& args) {
  const std::string command = "LC_ALL=de_DE.UTF-8 " TAVORO_BINARY " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, ""};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class ExportFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory =
        fs::temp_directory_path() /
        ("tavoro-formats-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(directory);
    fs::create_directories(directory);
  }
  void TearDown() override { fs::remove_all(directory); }
  std::string In(const char* name) const { return (directory / name).string(); }

  fs::path directory;
};

// Cells of one CSV line.
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells(1);
  for (const char c : line) {
    if (c == ',') {
      cells.emplace_back();
    } else if (c != '\r') {
      cells.back() += c;
    }
  }
  return cells;
}

// The CSV cell as the JSON writes the same value: a number or null.
nlohmann::json AsJson(const std::string& cell) {
  if (cell == kNotComputedMark) return nullptr;
  double value = 0;
  const auto result = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  EXPECT_TRUE(result.ec == std::errc() && result.ptr == cell.data() + cell.size()) << cell;
  return value;
}

TEST_F(ExportFormatsTest, CsvHoldsTheValuesOfTheJson) {
  const auto [status, jsonText] =
      RunTavoro(std::string(kWorkedExample) + " --json - --csv " + In("case.csv"));
  ASSERT_EQ(status, 0);
  const nlohmann::json json = nlohmann::json::parse(jsonText);
  std::istringstream csv(ReadFile(directory / "case.csv"));
  std::string line;
  std::getline(csv, line);
  ASSERT_EQ(line, "\xEF\xBB\xBF記号,値,単位\r");

  const std::map<std::string, nlohmann::json> fromJson = {
      {"GL-", json["inputs"]["GroundwaterDepth"]},
      {"Hf", json["inputs"]["ImperviousDepth"]},
      {"Ht", json["inputs"]["ExcavationDepth"]},
      {"L", json["inputs"]["L"]},
      {"kn", json["inputs"]["kn"]},
      {"B", json["inputs"]["B"]},
      {"kg", json["inputs"]["kg"]},
      {"x", json["inputs"]["PointDistance"]},
      {"計算範囲", json["inputs"]["CalcRange"]},
      {"H", json["H"]},
      {"r", json["r"]},
      {"h", json["h"][0]},
      {"S", json["S"][0]},
      {"R1", json["R"][0]},
      {"Q1", json["Q"][0]},
      {"R2", json["R"][1]},
      {"Q2", json["Q"][1]},
      {"y1(x)", json["PointY"][0]},
      {"s1(x)", json["PointS"][0]},
      {"y2(x)", json["PointY"][1]},
      {"s2(x)", json["PointS"][1]},
  };
  std::size_t rows = 0;
  while (std::getline(csv, line) && line != "\r") {
    const std::vector<std::string> cells = Cells(line);
    ASSERT_EQ(cells.size(), 3u) << line;
    ASSERT_EQ(fromJson.count(cells[0]), 1u) << cells[0];
    EXPECT_EQ(AsJson(cells[1]), fromJson.at(cells[0])) << cells[0];
    ++rows;
  }
  EXPECT_EQ(rows, fromJson.size());

  std::getline(csv, line);  // the curve table's heading
  for (std::size_t point = 0; point < 100; ++point) {
    ASSERT_TRUE(std::getline(csv, line));
    const std::vector<std::string> cells = Cells(line);
    ASSERT_EQ(cells.size(), 7u);
    for (std::size_t k = 0; k < 2; ++k) {
      EXPECT_EQ(AsJson(cells[1 + 3 * k]), json["CurveX"][k][point]) << point;
      EXPECT_EQ(AsJson(cells[2 + 3 * k]), json["CurveY"][k][point]) << point;
      EXPECT_EQ(AsJson(cells[3 + 3 * k]), json["CurveS"][k][point]) << point;
    }
  }
  EXPECT_FALSE(std::getline(csv, line));
}

TEST_F(ExportFormatsTest, SvgPagesFollowThePngNamingAndTheChartGoesToDxf) {
  const auto [status, out] = RunTavoro(std::string(kWorkedExample) + " --report " +
                                       In("report.svg") + " --chart " + In("chart.dxf"));
  ASSERT_EQ(status, 0);
  EXPECT_FALSE(fs::exists(directory / "report.svg"));
  for (const char* page : {"report-1.svg", "report-2.svg"}) {
    const std::string svg = ReadFile(directory / page);
    EXPECT_NE(svg.find("<svg width=\"210.009mm\" height=\"297.004mm\""), std::string::npos) << page;
  }
  const std::string dxf = ReadFile(directory / "chart.dxf");
  EXPECT_NE(dxf.find("$ACADVER\r\n  1\r\nAC1009\r\n"), std::string::npos);
  // 改良後低下水位曲線 in Shift_JIS.
  EXPECT_NE(dxf.find("\x89\xfc\x97\xc7\x8c\xe3\x92\xe1\x89\xba\x90\x85\x88\xca\x8b\xc8\x90\xfc"),
            std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 3);
}

// Project texts show in CAD as typed: look-alikes CP932 holds, CAD's codes
// escaped, what CP932 lacks named on standard error; SVG drops what XML forbids.
TEST_F(ExportFormatsTest, ProjectTextsReachDxfAndSvgAsTyped) {
  const std::string command = std::string("LC_ALL=C.UTF-8 ") + TAVORO_BINARY + " " +
                              kWorkedExample +
                              " --project-name '\u301C\u2212\u2016\u00A2\u00A3\u00AC\u00A5 50%%p ^J %'"
                              " --shaft-name $'A\\\\xef\\\\xbf\\\\xbfB\\\\xef\\\\xbf\\\\xbeC\\\\xf0\\\\x9f\\\\x99\\\\x82' --chart " +
                              In("c.dxf") + " --report " + In("r.svg") + " 2>&1 >/dev/null";
  FILE* pipe = popen(("bash -c \"" + command + "\"").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string err;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) err.append(buffer, n);
  const int status = pclose(pipe);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << err;
  EXPECT_TRUE(err.ends_with("tavoro: 「" + In("c.dxf") + "」: Shift_JIS にない文字 \xEF\xBF\xBF\xEF\xBF\xBE\xF0\x9F\x99\x82 は ? にしました。\n")) << err;
  const std::string dxf = ReadFile(directory / "c.dxf");
  EXPECT_NE(dxf.find("\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA\x5C 50%%%%%%p ^ J %"),
            std::string::npos);
  EXPECT_NE(dxf.find("A?B?C?"), std::string::npos);
  const std::string svg = ReadFile(directory / "r-1.svg");
  EXPECT_NE(svg.find(">ABC"), std::string::npos);
  EXPECT_EQ(svg.find("\xEF\xBF\xBF"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
