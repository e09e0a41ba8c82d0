// tavoro export writing project texts into DXF and SVG.
#include <gtest/gtest.h>

#include <string>

#include "files.h"
#include "process.h"
#include "worked_example.h"

namespace tavoro {
namespace {

// Project texts show in CAD as typed: look-alikes CP932 holds, CAD's codes
// escaped, what CP932 lacks named on standard error; SVG drops what XML forbids.
TEST(ExportFormatsTest, ProjectTextsReachDxfAndSvgAsTyped) {
  const testing::TempFolder folder;
  std::vector<std::string> args = {"export"};
  args.insert(args.end(), testing::kWorkedExampleArgs.begin(), testing::kWorkedExampleArgs.end());
  args.insert(args.end(), {"--project-name", "\u301C\u2212\u2016\u00A2\u00A3\u00AC\u00A5 50%%p ^J %",
                           "--shaft-name", "A\xef\xbf\xbf" "B\xef\xbf\xbe" "C\xf0\x9f\x99\x82",
                           "--chart", folder / "c.dxf", "--report", folder / "r.svg"});
  std::vector<std::string> argv = {TAVORO_BINARY};
  argv.insert(argv.end(), args.begin(), args.end());
  const testing::ProcessResult exported = testing::RunProcess(argv, "", {"LC_ALL=C.UTF-8"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_TRUE(exported.err.ends_with("tavoro: 「" + (folder / "c.dxf") +
                              "」: Shift_JIS にない文字 \xEF\xBF\xBF\xEF\xBF\xBE\xF0\x9F\x99\x82 は ? "
                              "にしました。\n")) << exported.err;
  const std::string dxf = testing::ReadFile(folder.path() / "c.dxf");
  EXPECT_NE(dxf.find("\x81\x60\x81\x7C\x81\x61\x81\x91\x81\x92\x81\xCA\x5C 50%%%%%%p ^ J %"),
            std::string::npos);
  EXPECT_NE(dxf.find("A?B?C?"), std::string::npos);
  const std::string svg = testing::ReadFile(folder.path() / "r-1.svg");
  EXPECT_NE(svg.find(">ABC"), std::string::npos);
  EXPECT_EQ(svg.find("\xEF\xBF\xBF"), std::string::npos);
}

}  // namespace
}  // namespace tavoro
