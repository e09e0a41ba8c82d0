// Runs the built tavoro program.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "files.h"
#include "process.h"
#include "tavoro_version.h"
#include "worked_example.h"

namespace tavoro {
namespace {

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
  const testing::ProcessResult version = testing::RunTavoro({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Tavoro " TAVORO_VERSION "\n");

  const testing::TempFolder folder;
  ASSERT_EQ(testing::RunTavoro(testing::WithWorkedExample(
                                   "export", {"--report", folder / "r.pdf", "--chart", folder / "c.pdf"}))
                .status,
            0);
  for (const auto& [name, title] : {std::pair("r.pdf", "計算書"), std::pair("c.pdf", "地下水位降下曲線")}) {
    const testing::ProcessResult info = testing::RunProcess({"pdfinfo", folder / name});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(InfoField(info.out, "Title"), title) << info.out;
    EXPECT_EQ(InfoField(info.out, "Creator"), "Tavoro " TAVORO_VERSION) << info.out;
  }
}

// The built-in worked examples: sourced and all passing, in the JSON and in the 「検証例」 pages.
TEST(TavoroBinaryTest, VerifyRunsSourcedExamplesThatAllPass) {
  const testing::ProcessResult verify = testing::RunTavoro({"verify", "--json", "-"});
  ASSERT_EQ(verify.status, 0) << verify.err;
  const nlohmann::json root = nlohmann::json::parse(verify.out);
  ASSERT_GE(root.at("examples").size(), 4u);
  for (const nlohmann::json& example : root.at("examples")) {
    EXPECT_GT(example.at("source").get<std::string>().size(), 20u) << example.dump();
    EXPECT_FALSE(example.at("inputs").empty()) << example.dump();
    EXPECT_EQ(example.at("published").size(), example.at("computed").size()) << example.dump();
    EXPECT_TRUE(example.at("passed").get<bool>()) << example.dump();
  }

  const testing::TempFolder folder;
  EXPECT_EQ(testing::RunTavoro({"verify", "--pdf", folder / "v.pdf"}).status, 0);
  const testing::ProcessResult text = testing::RunProcess({"pdftotext", folder / "v.pdf", "-"});
  EXPECT_TRUE(text.out.starts_with("検証例")) << text.out.substr(0, 200);
}

}  // namespace
}  // namespace tavoro
