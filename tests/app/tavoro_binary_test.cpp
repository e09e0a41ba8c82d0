// Runs the built tavoro program.
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tavoro_version.h"

namespace tavoro {
namespace {

// Exit status and standard output of `tavoro <args>` under a decimal-comma locale.
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

// The value of "Name:   value" in pdfinfo's listing, or "(none)".
std::string InfoField(std::string info, const std::string& name) {
  info.insert(0, 1, '\n');
  const std::size_t start = info.find("\n" + name + ":");
  if (start == std::string::npos) return "(none)";
  const std::size_t value = info.find_first_not_of(' ', start + name.size() + 2);
  return info.substr(value, info.find('\n', value) - value);
}

// Every PDF names its document and the program that wrote it.
TEST(TavoroBinaryTest, NamesItsVersionAndTitlesEachPdf) {
  EXPECT_EQ(RunTavoro("--version"), std::pair(0, std::string("Tavoro " TAVORO_VERSION "\n")));
  EXPECT_NE(std::string(TAVORO_VERSION).find('.'), std::string::npos);

  const std::string directory = ::testing::TempDir();
  const std::string report = directory + "tavoro_title_report.pdf";
  const std::string chart = directory + "tavoro_title_chart.pdf";
  ASSERT_EQ(RunTavoro("export --groundwater 2 --impervious 20 --excavation 10 --perimeter 20 "
                      "--kn 0.01 --width 2 --kg 0.0001 --point 10 --range 100 --report " +
                      report + " --chart " + chart)
                .first,
            0);
  for (const auto& [path, title] :
       {std::pair(report, "計算書"), std::pair(chart, "地下水位降下曲線")}) {
    FILE* pipe = popen(("pdfinfo " + path + " 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string info;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      info.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << info;
    EXPECT_EQ(InfoField(info, "Title"), title) << info;
    EXPECT_EQ(InfoField(info, "Creator"), "Tavoro " TAVORO_VERSION) << info;
  }
}

// The words pdftotext -bbox finds on each page of a PDF, as its lines
// "<word xMin=... yMin=... xMax=... yMax=...>text</word>".
std::vector<std::vector<std::string>> PageWords(const std::string& pdf) {
  FILE* pipe = popen(("pdftotext -bbox " + pdf + " - 2>/dev/null").c_str(), "r");
  std::string text;
  char buffer[4096];
  for (std::size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    text.append(buffer, n);
  if (pipe != nullptr) pclose(pipe);
  std::vector<std::vector<std::string>> pages;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("<page ") != std::string::npos) pages.emplace_back();
    const std::size_t word = line.find("<word ");
    if (word != std::string::npos && !pages.empty()) pages.back().push_back(line.substr(word));
  }
  return pages;
}

std::string WordText(const std::string& word) {
  const std::size_t start = word.find('>') + 1;
  return word.substr(start, word.find("</word>") - start);
}

// The built-in worked examples: sourced, all passing, the same in the JSON
// and in the 「検証例」 pages; a bad option writes nothing.
TEST(TavoroBinaryTest, VerifyRunsSourcedExamplesThatAllPass) {
  const auto [status, json] = RunTavoro("verify --json -");
  ASSERT_EQ(status, 0);
  const nlohmann::json root = nlohmann::json::parse(json);
  ASSERT_GE(root.at("examples").size(), 4u);
  for (const nlohmann::json& example : root.at("examples")) {
    SCOPED_TRACE(example.dump());
    EXPECT_GT(example.at("source").get<std::string>().size(), 20u);
    EXPECT_FALSE(example.at("inputs").empty());
    ASSERT_EQ(example.at("published").size(), example.at("computed").size());
    for (const nlohmann::json& computed : example.at("computed")) {
      EXPECT_TRUE(computed.at("value").is_number());
    }
    EXPECT_TRUE(example.at("passed").get<bool>());
  }

  const std::string dir = ::testing::TempDir();
  const std::string pdf = dir + "tavoro_verify.pdf";
  EXPECT_EQ(RunTavoro("verify --pdf " + pdf).first, 0);
  const auto pages = PageWords(pdf);
  ASSERT_FALSE(pages.empty());
  EXPECT_EQ(WordText(pages.front().front()), "検証例");
  EXPECT_EQ(RunTavoro("verify --pdf").first, 2);
}

}  // namespace
}  // namespace tavoro
