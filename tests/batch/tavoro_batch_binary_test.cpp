// `tavoro batch` end to end: encodings, headers, exit statuses, the same
// output whatever the job count, and results equal to `tavoro export`.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

namespace tavoro {
namespace {

namespace fs = std::filesystem;

struct ProgramRun {
  int status = -1;
  std::string out;
};

ProgramRun Tavoro(const std::string& args) {
  const std::string command = TAVORO_BINARY " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  ProgramRun run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The PDF without the creation date and document id it carries.
std::string PdfPages(std::string pdf) {
  for (const std::string key :
       {"/CreationDate (", "<xmp:CreateDate>", "<xmp:ModifyDate>", "<xmp:MetadataDate>", "/ID ["}) {
    for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
      const std::size_t end = pdf.find_first_of(")]<", at + key.size());
      pdf.erase(at + key.size(), end - at - key.size());
    }
  }
  for (const std::string key : {"uuid:", "<xmpMM:DocumentID>"}) {
    for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1)) {
      pdf.erase(at + key.size(), std::min<std::size_t>(36, pdf.size() - at - key.size()));
    }
  }
  return pdf;
}

std::vector<std::vector<std::string>> CsvLines(const std::string& csv) {
  std::vector<std::vector<std::string>> lines;
  std::stringstream stream(csv.substr(3));  // after the byte-order mark
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::stringstream cellStream(line);
    for (std::string cell; std::getline(cellStream, cell, ',');) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    lines.push_back(cells);
  }
  return lines;
}

double Number(const std::string& text) {
  if (text.empty()) return std::nan("");
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

double JsonNumber(const nlohmann::json& value) {
  return value.is_number() ? value.get<double>() : std::nan("");
}

// Equal doubles, NaN equal to NaN.
::testing::AssertionResult Same(double a, double b) {
  if ((std::isnan(a) && std::isnan(b)) || a == b) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a << " != " << b;
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

class BatchBinaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tavoro-batch-binary-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string At(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
};

TEST_F(BatchBinaryTest, SummaryEqualsExportWhateverTheEncodingHeadersAndJobs) {
  // Captions, UTF-8 with a byte-order mark.
  WriteFile(dir_ / "captions.csv",
            "\xEF\xBB\xBF立坑名,地下水位,不透水層深度,掘削深度,立坑周長,透水係数,改良幅,"
            "改良後の透水係数,着目点,計算範囲\r\n" +
                std::string(kRows));
  // Option names, CP932 as Excel writes it: "No." + 全角 digits are plain ASCII here,
  // the shaft names' 立坑 is 0x97A7 0x8D42.
  std::string cp932Rows = kRows;
  for (std::size_t at; (at = cp932Rows.find("立坑")) != std::string::npos;) {
    cp932Rows.replace(at, std::string("立坑").size(), "\x97\xA7\x8D\x42");
  }
  WriteFile(
      dir_ / "options.csv",
      "shaft,groundwater,impervious,excavation,perimeter,kn,width,kg,point,range\r\n" + cp932Rows);

  EXPECT_EQ(Tavoro("batch " + At("captions.csv") + " --out " + At("one") + " --jobs 1").status, 1);
  EXPECT_EQ(Tavoro("batch " + At("captions.csv") + " --out " + At("four") + " --jobs 4").status, 1);
  EXPECT_EQ(Tavoro("batch " + At("options.csv") + " --out " + At("cp932")).status, 1);

  const std::string summary = ReadFile(dir_ / "one" / "summary.csv");
  EXPECT_EQ(ReadFile(dir_ / "four" / "summary.csv"), summary);
  EXPECT_EQ(ReadFile(dir_ / "cp932" / "summary.csv"), summary);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_ / "one")) {
    const std::string name = entry.path().filename().string();
    names.push_back(name);
    if (name.ends_with(".pdf")) {
      EXPECT_EQ(PdfPages(ReadFile(entry.path())), PdfPages(ReadFile(dir_ / "four" / name))) << name;
    }
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"001-No.1 立坑-chart.pdf", "001-No.1 立坑-report.pdf",
                                             "002-No.2 立坑-chart.pdf", "002-No.2 立坑-report.pdf",
                                             "summary.csv", "summary.pdf"}));

  const auto lines = CsvLines(summary);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3][2], "計算不可");
  EXPECT_FALSE(lines[3].back().empty());
  std::stringstream rows(kRows);
  for (std::size_t row = 1; row <= 2; ++row) {
    std::string line;
    std::getline(rows, line);
    std::stringstream cells(line.substr(line.find(',') + 1));
    std::string args = "export --json -";
    for (const char* option : kExportOptions) {
      std::string cell;
      std::getline(cells, cell, ',');
      if (!cell.empty() && cell.back() == '\r') cell.pop_back();
      args += std::string(" ") + option + " " + cell;
    }
    const ProgramRun exported = Tavoro(args);
    ASSERT_EQ(exported.status, 0) << args;
    const nlohmann::json json = nlohmann::json::parse(exported.out);
    const std::vector<std::string>& cellsOut = lines[row];
    ASSERT_EQ(cellsOut.size(), 26u);
    EXPECT_EQ(cellsOut[2], "計算済み");
    EXPECT_TRUE(Same(Number(cellsOut[12]), JsonNumber(json["r"])));
    EXPECT_TRUE(Same(Number(cellsOut[13]), JsonNumber(json["H"])));
    EXPECT_TRUE(Same(Number(cellsOut[14]), JsonNumber(json["h"][0])));
    EXPECT_TRUE(Same(Number(cellsOut[15]), JsonNumber(json["S"][0])));
    EXPECT_TRUE(Same(Number(cellsOut[16]), JsonNumber(json["R"][0])));
    EXPECT_TRUE(Same(Number(cellsOut[17]), JsonNumber(json["Q"][0])));
    EXPECT_TRUE(Same(Number(cellsOut[18]), JsonNumber(json["Q"][1])));
    EXPECT_TRUE(Same(Number(cellsOut[19]), JsonNumber(json["CurveY"][1][9])));
    EXPECT_TRUE(Same(Number(cellsOut[20]), JsonNumber(json["CurveS"][1][9])));
    EXPECT_TRUE(Same(Number(cellsOut[21]), JsonNumber(json["R"][1])));
    EXPECT_TRUE(Same(Number(cellsOut[22]), JsonNumber(json["PointS"][0])));
    EXPECT_TRUE(Same(Number(cellsOut[23]), JsonNumber(json["PointS"][1])));
    EXPECT_TRUE(Same(Number(cellsOut[7]) / 100, JsonNumber(json["inputs"]["kn"])));
  }
}

}  // namespace
}  // namespace tavoro
