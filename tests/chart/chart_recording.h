#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/calculation_case.h"
#include "chart/chart.h"
#include "page/fixed_pitch_measurer.h"
#include "page/page_setup.h"
#include "page/page_surface.h"

namespace tavoro::testing {

// Frame of the chart page in twips, and the scales of the worked example
// (ImperviousDepth 20, CalcRange 100).
inline constexpr double kLeft = 3401.5748031496064;
inline constexpr double kTop = 1133.8582677165355;
inline constexpr double kRight = 14173.228346456692;
inline constexpr double kBottom = 9070.866141732284;
inline constexpr double kHeight = 7937.007874015748;
inline constexpr double kWidth = 10771.653543307086;

// A recording surface with the fixed-pitch measurer: at the chart's 10 pt an
// ASCII character is 100 twips wide, any other 200, and a line 200 high.
class Recording {
 public:
  Recording() : page_(measurer_) {}

  // A fresh open document, for drawing symbols.
  PageSurface& Open() {
    page_.StartDoc();
    return page_;
  }
  void BuildChart(const CalculationCase& calc) { BuildChartPage(page_, calc, settings_); }

  const std::vector<PageCommand>& Commands() const { return page_.document().pages.at(0).commands; }
  std::vector<LineCommand> Lines() const { return All<LineCommand>(); }
  std::vector<TextCommand> Texts() const { return All<TextCommand>(); }
  std::vector<RectangleCommand> Rectangles() const { return All<RectangleCommand>(); }
  std::vector<CircleCommand> Circles() const { return All<CircleCommand>(); }

  // Every text that reads exactly text.
  std::vector<TextCommand> TextsReading(std::string_view text) const {
    std::vector<TextCommand> found;
    for (const TextCommand& t : Texts()) {
      if (t.text == text) found.push_back(t);
    }
    return found;
  }
  // Whether any text contains part.
  bool HasTextContaining(std::string_view part) const {
    for (const TextCommand& t : Texts()) {
      if (t.text.find(part) != std::string::npos) return true;
    }
    return false;
  }
  // The index in Commands() of the first text reading text, or -1.
  int IndexOfText(std::string_view text) const {
    const auto& commands = Commands();
    for (std::size_t i = 0; i < commands.size(); ++i) {
      const auto* t = std::get_if<TextCommand>(&commands[i]);
      if (t && t->text == text) return static_cast<int>(i);
    }
    return -1;
  }

  const PageSurface& page() const { return page_; }

 private:
  template <typename T>
  std::vector<T> All() const {
    std::vector<T> found;
    for (const PageCommand& command : Commands()) {
      if (const auto* c = std::get_if<T>(&command)) found.push_back(*c);
    }
    return found;
  }

  FixedPitchMeasurer measurer_;
  PageSurface page_;
  PageSettings settings_;
};

// Whether a line runs from (x1, y1) to (x2, y2) within tolerance.
inline bool LineIs(const LineCommand& line, double x1, double y1, double x2, double y2,
                   double tolerance = 1e-6) {
  const auto near = [&](double a, double b) { return a - b <= tolerance && b - a <= tolerance; };
  return near(line.x1, x1) && near(line.y1, y1) && near(line.x2, x2) && near(line.y2, y2);
}

// How many recorded lines run from (x1, y1) to (x2, y2).
inline int CountLines(const std::vector<LineCommand>& lines, double x1, double y1, double x2,
                      double y2, double tolerance = 1e-6) {
  int count = 0;
  for (const LineCommand& line : lines) count += LineIs(line, x1, y1, x2, y2, tolerance) ? 1 : 0;
  return count;
}

}  // namespace tavoro::testing
