// A seeded sweep of random cases through the input rules, the computation,
// the report and the chart, as the form runs them one after another; among
// them the corners of what the rules accept.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "calc/run_case.h"
#include "chart/chart.h"
#include "page/fixed_pitch_measurer.h"
#include "page/page_surface.h"
#include "report/report.h"
#include "worked_example.h"

namespace tavoro {
namespace {

constexpr int kCases = 20000;
constexpr std::size_t kMostCommandsPerPage = 3000;

// What a desktop session keeps between runs besides the case.
struct Session {
  CalculationCase calc;
  PageSettings settings;
  ReportLineCounter counter;
};

struct Drawn {
  Document report;
  ReportOutcome outcome;
  Document chart;
};

Drawn DrawBoth(Session& session) {
  const FixedPitchMeasurer measurer;
  Drawn drawn;
  PageSurface reportPage(measurer);
  drawn.outcome = DrawReport(reportPage, session.calc, session.settings, session.counter);
  drawn.report = reportPage.document();
  PageSurface chartPage(measurer);
  BuildChartPage(chartPage, session.calc, session.settings);
  drawn.chart = chartPage.document();
  return drawn;
}

class Texts {
 public:
  explicit Texts(std::uint64_t seed) : random_(seed) {}

  InputTexts Next() {
    InputTexts texts = Engineering();
    const double mode = Uniform(0, 1);
    if (mode < 0.15) {
      Replace(texts, [this] { return Extreme(); });
    } else if (mode < 0.3) {
      Replace(texts, [this] { return Hostile(); });
    } else if (mode < 0.35) {
      texts[kExcavationField] = texts[Pick(2) == 0 ? kGroundwaterField : kImperviousField];
    }
    corner = mode >= 0.35 && mode < 0.5;
    if (corner) {
      for (std::size_t f = 0; f < texts.size(); ++f) texts[f] = Corner(f);
    }
    return texts;
  }
  bool corner = false;  // the last texts are a corner

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  std::size_t Pick(std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
  }

  // A number as an engineer might type it: some digits, now and then
  // blanks, a unit or the full-width forms of the input method.
  std::string Typed(double value, const char* unit) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", static_cast<int>(1 + Pick(8)), value);
    std::string text = buffer;
    if (Pick(4) == 0) text += unit;
    if (Pick(6) == 0) text = " " + text + " ";
    if (Pick(8) == 0) text = FullWidth(text);
    return text;
  }

  static std::string FullWidth(const std::string& text) {
    std::string out;
    for (const char c : text) {
      if (c > ' ' && c <= '~') {
        const unsigned code = 0xFEE0u + static_cast<unsigned char>(c);
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
      } else {
        out += c == ' ' ? "　" : std::string(1, c);
      }
    }
    return out;
  }

  InputTexts Engineering() {
    const double groundwater = Uniform(0, 30);
    const double excavation = groundwater + std::exp(Uniform(std::log(0.1), std::log(80)));
    const double impervious = excavation + Uniform(0, 60);
    const double range = std::exp(Uniform(0, std::log(5000)));
    const double kn = std::pow(10, Uniform(-6, 1));
    const bool ring = Pick(3) != 0;
    InputTexts texts;
    texts[kGroundwaterField] = Typed(groundwater, "m");
    texts[kImperviousField] = Typed(impervious, "m");
    texts[kExcavationField] = Typed(excavation, "m");
    texts[kPerimeterField] = Typed(Uniform(1, 300), "m");
    texts[kKnField] = Typed(kn, "cm/sec");
    texts[kWidthField] = ring ? Typed(Uniform(0.1, 12), "m") : (Pick(2) ? "" : "0");
    texts[kKgField] = ring || Pick(2) ? Typed(kn * std::pow(10, Uniform(-4, 0)), "cm/s") : "";
    texts[kPointField] = Typed(Uniform(0, range), "m");
    texts[kRangeField] = Typed(range, "m");
    return texts;
  }

  // Either end of what the rules accept for field f, with long digits.
  std::string Corner(std::size_t f) {
    static const std::vector<std::vector<std::string>> ends = {
        {"0", "0.0004999", "499.9994"},       {"500", "499.99949"},
        {"499.9995", "0.0005", "12.3456789"}, {"0.1", "499.99949", "3.333333"},
        {"1e-9", "9.9999999", "0.0123456"},   {"", "0.0004999", "49.99949"},
        {"1e-9", "9.9999999", "0.0123456"},   {"0", "9999.9994"},
        {"9999.9994", "0.5", "123.4567"}};
    return ends[f][Pick(ends[f].size())];
  }

  std::string Extreme() {
    static const char* const values[] = {
        "0",          "-0",     "1e-300",  "-1e-300",
        "1e300",      "-1e300", "5e-324",  "1.7976931348623157e308",
        "1e309",      "500",    "500.001", "10000",
        "10000.0001", "0.1",    "1e-9",    "10",
        "50",         "1e-10",  "-5",      "32767.5",
        "40000",      "1e9"};
    return values[Pick(std::size(values))];
  }

  std::string Hostile() {
    static const char* const values[] = {
        "",     "abc",    "1,000",    "0,01",  "10 m 5",       "nan",   "inf",   "--1",
        "1e",   "\n",     "１０ｍｍ", "0x1p3", "1e+",          "+-1",   ".",     "e5",
        "1..2", "12.5.3", "\t\r\n ",  "−",     "１．０ｅ－３", "10m m", "cm/sec"};
    const std::size_t count = std::size(values);
    const std::size_t pick = Pick(count + 2);
    if (pick < count) return values[pick];
    if (pick == count) return std::string(1 + Pick(6000), static_cast<char>('0' + Pick(10)));
    std::string bytes;
    for (std::size_t i = 0, n = Pick(60); i < n; ++i) bytes.push_back(static_cast<char>(Pick(256)));
    return bytes;
  }

  template <typename Make>
  void Replace(InputTexts& texts, Make make) {
    for (std::size_t i = 0, n = 1 + Pick(3); i < n; ++i) texts[Pick(kInputFieldCount)] = make();
  }

  std::mt19937_64 random_;
};

// Every drawn coordinate finite, commands bounded, and no text of an
// accepted case outside its paper.
void ExpectSoundDocument(const Document& document, const std::string& what) {
  for (const Page& page : document.pages) {
    ASSERT_LE(page.commands.size(), kMostCommandsPerPage) << what;
    for (const PageCommand& command : page.commands) {
      const std::vector<double> xy = std::visit(
          [](const auto& c) {
            if constexpr (requires { c.x1; }) {
              return std::vector<double>{c.x1, c.y1, c.x2, c.y2};
            } else if constexpr (requires { c.radius; }) {
              return std::vector<double>{c.x, c.y, c.radius};
            } else {
              return std::vector<double>{c.x, c.y, c.width, c.height};
            }
          },
          command);
      for (const double v : xy) ASSERT_TRUE(std::isfinite(v)) << what;
      if (const auto* text = std::get_if<TextCommand>(&command)) {
        ASSERT_EQ(text->text.find("NaN"), std::string::npos) << what;
        const bool across = text->direction == TextDirection::kHorizontal;
        const double right = across ? text->x + text->width : text->x + text->height;
        const double top = across ? text->y : text->y - text->width;
        EXPECT_TRUE(text->x >= 0 && right <= document.paperWidth && top >= 0 &&
                    text->y <= document.paperHeight)
            << what << ": \"" << text->text << "\" at " << text->x << ", " << text->y;
      }
    }
  }
}

std::string Describe(const InputTexts& texts) {
  std::string out;
  for (const std::string& text : texts) out += "[" + text.substr(0, 60) + "]";
  return out;
}

TEST(RandomSweep, EveryRunIsSoundAndIndependentOfTheRunBefore) {
  Texts generator(20240611);
  int accepted = 0, corners = 0;
  // The worked example first, then each case on the same session.
  Session workedExample;
  workedExample.calc = RunCase(testing::kWorkedExampleTexts, 0).calc;
  DrawBoth(workedExample);
  for (int n = 0; n < kCases; ++n) {
    const InputTexts texts = generator.Next();
    const std::string what = Describe(texts);
    Session session = workedExample;
    const CaseRun run = RunCase(texts, 0);
    const CaseRun fresh = RunCase(texts, 0);
    ASSERT_EQ(run.rejection.has_value(), fresh.rejection.has_value()) << what;
    if (run.rejection) {
      ASSERT_EQ(run.rejection->message, fresh.rejection->message) << what;
      ASSERT_TRUE(run.rejection->field >= 0 && run.rejection->field < kInputFieldCount);
      ASSERT_FALSE(run.rejection->message.empty());
      continue;
    }
    ++accepted;
    corners += generator.corner;
    session.calc = run.calc;
    const Drawn after = DrawBoth(session);
    Session clean{fresh.calc, {}, {}};
    const Drawn alone = DrawBoth(clean);
    ASSERT_TRUE(after.outcome.completed || !after.outcome.error.empty()) << what;
    ASSERT_EQ(after.outcome.completed, alone.outcome.completed) << what;
    ASSERT_TRUE(after.report == alone.report) << what;
    ASSERT_TRUE(after.chart == alone.chart) << what;
    // An accepted case is reported in full, with numbers that stay on the paper.
    ASSERT_TRUE(after.outcome.completed) << what << after.outcome.error;
    ExpectSoundDocument(after.report, what);
    ExpectSoundDocument(after.chart, what);
    if (::testing::Test::HasFailure()) return;
  }
  // The sweep reaches the drawing for a good share of its cases, corners among them.
  EXPECT_GT(accepted - corners, kCases / 6) << corners;
  EXPECT_GT(corners, 100) << accepted;
}

}  // namespace
}  // namespace tavoro
