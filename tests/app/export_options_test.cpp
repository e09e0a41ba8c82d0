#include "export_options.h"

#include <gtest/gtest.h>

namespace tavoro {
namespace {

using Args = std::vector<std::string>;

ExportOptions ParseOk(const Args& args) {
  const ParsedExportOptions parsed = ParseExportOptions(args);
  EXPECT_TRUE(parsed.options) << parsed.error;
  return parsed.options.value_or(ExportOptions{});
}

std::string ParseError(const Args& args) {
  const ParsedExportOptions parsed = ParseExportOptions(args);
  EXPECT_FALSE(parsed.options);
  return parsed.error;
}

TEST(ExportOptionsTest, FieldsInFormOrderBothSpellings) {
  const ExportOptions options = ParseOk({"--groundwater", "2", "--impervious=20", "--excavation",
                                         "-10", "--perimeter=20 m", "--kn", "0.01", "--width", "",
                                         "--kg=1e-4", "--point", "10", "--range=", "--json", "-"});
  const InputTexts expected = {"2", "20", "-10", "20 m", "0.01", "", "1e-4", "10", ""};
  EXPECT_EQ(options.texts, expected);
  EXPECT_EQ(options.jsonPath, "-");
  EXPECT_FALSE(options.reportPath);
  EXPECT_FALSE(options.chartPath);
  EXPECT_EQ(options.dpi, kDefaultDpi);
}

TEST(ExportOptionsTest, OmittedFieldsAreEmptyAndOutputsKeepTheirPaths) {
  const ExportOptions options =
      ParseOk({"--report", "out/r.pdf", "--chart=c.png", "--dpi", "300", "--kn", "a=b"});
  EXPECT_EQ(options.texts[0], "");
  EXPECT_EQ(options.texts[4], "a=b");
  EXPECT_EQ(options.reportPath, "out/r.pdf");
  EXPECT_EQ(options.chartPath, "c.png");
  EXPECT_FALSE(options.jsonPath);
  EXPECT_EQ(options.dpi, 300);
  EXPECT_EQ(ParseOk({"--chart", "c.png", "--dpi=10"}).dpi, 10);
  EXPECT_EQ(ParseOk({"--chart", "c.png", "--dpi=1200"}).dpi, 1200);
}

TEST(ExportOptionsTest, HelpNeedsNoOutput) {
  EXPECT_TRUE(ParseOk({"--help"}).help);
  EXPECT_TRUE(ParseOk({"--kn", "1", "-h"}).help);
}

TEST(ExportOptionsTest, Errors) {
  EXPECT_EQ(ParseError({}), "nothing to write: give --json, --report or --chart");
  EXPECT_EQ(ParseError({"--kn", "1"}), "nothing to write: give --json, --report or --chart");
  EXPECT_EQ(ParseError({"--json", "-", "--depth", "3"}), "unknown option --depth");
  EXPECT_EQ(ParseError({"--json", "-", "--depth=3"}), "unknown option --depth");
  EXPECT_EQ(ParseError({"--json", "-", "--kn"}), "--kn needs a value");
  EXPECT_EQ(ParseError({"--json"}), "--json needs a value");
  EXPECT_EQ(ParseError({"--json="}), "--json needs a file name");
  EXPECT_EQ(ParseError({"--json", "-", "7"}), "unexpected argument \"7\"");
  EXPECT_EQ(ParseError({"--json", "-", "--kn", "1", "--kn=2"}), "--kn is given twice");
  EXPECT_EQ(ParseError({"--json", "a", "--json", "b"}), "--json is given twice");
  for (const char* dpi : {"9", "1201", "150dpi", "", "-150", "1e2", "99999999999"}) {
    EXPECT_EQ(ParseError({"--chart", "c.png", "--dpi", dpi}),
              std::string("--dpi needs a whole number from 10 to 1200, not \"") + dpi + "\"");
  }
}

}  // namespace
}  // namespace tavoro
