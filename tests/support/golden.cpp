#include "golden.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <variant>

#include "files.h"

namespace tavoro::testing {
namespace {

std::string Twips(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return std::string(text) == "-0.00" ? "0.00" : text;
}

const char* LayerName(DrawingLayer layer) {
  switch (static_cast<int>(layer)) {
    case 1: return "frame";
    case 2: return "scale";
    case 3: return "water";
    case 4: return "improvement";
    case 5: return "dimension";
    default: return "-";
  }
}

// Styles and directions print as the numbers the lists were first written with.
std::string PenText(const Pen& pen) {
  return "pen " + Twips(pen.width) + "/" + (pen.style == PenStyle::kDotted ? "2" : "0");
}

const char* BrushText(BrushStyle brush) {
  return brush == BrushStyle::kDiagonalCross ? " brush 7\n" : " brush 0\n";
}

struct CommandText {
  std::ostringstream& out;

  void operator()(const TextCommand& t) const {
    out << "text " << Twips(t.x) << ' ' << Twips(t.y) << " font " << t.font.name << '/'
        << t.font.size << " angle " << (t.direction == TextDirection::kRising ? 900 : 0) << " |"
        << t.text << "|\n";
  }
  void operator()(const LineCommand& l) const {
    out << "line " << LayerName(l.layer) << ' ' << Twips(l.x1) << ' ' << Twips(l.y1) << ' '
        << Twips(l.x2) << ' ' << Twips(l.y2) << ' ' << PenText(l.pen) << '\n';
  }
  void operator()(const CircleCommand& c) const {
    out << "circle " << LayerName(c.layer) << ' ' << Twips(c.x) << ' ' << Twips(c.y) << ' '
        << Twips(c.radius) << ' ' << PenText(c.pen) << BrushText(c.brush);
  }
  void operator()(const RectangleCommand& r) const {
    out << "rectangle " << LayerName(r.layer) << ' ' << Twips(r.x1) << ' ' << Twips(r.y1) << ' '
        << Twips(r.x2) << ' ' << Twips(r.y2) << ' ' << PenText(r.pen) << BrushText(r.brush);
  }
};

}  // namespace

std::string DocumentText(const Document& document) {
  std::ostringstream out;
  out << "document |" << document.title << "| paper " << Twips(document.paperWidth) << ' '
      << Twips(document.paperHeight)
      << (document.orientation == Orientation::kLandscape ? " landscape" : " portrait")
      << (document.finished ? " finished" : " unfinished") << '\n';
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    out << "page " << i + 1 << '\n';
    for (const PageCommand& command : document.pages[i].commands) {
      std::visit(CommandText{out}, command);
    }
  }
  return out.str();
}

void ExpectGolden(const std::string& name, const std::string& text) {
  const std::string path = std::string(TAVORO_GOLDEN_DIR) + "/" + name + ".txt";
  const char* update = std::getenv("TAVORO_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    WriteFile(path, text);
    return;
  }
  const std::string golden = ReadFile(path);
  ASSERT_FALSE(golden.empty()) << path << " is missing (TAVORO_UPDATE_GOLDEN=1 writes it)";
  if (golden == text) return;
  std::istringstream want(golden);
  std::istringstream got(text);
  std::string wantLine;
  std::string gotLine;
  for (int line = 1;; ++line) {
    const bool moreWant = static_cast<bool>(std::getline(want, wantLine));
    const bool moreGot = static_cast<bool>(std::getline(got, gotLine));
    if (!moreWant && !moreGot) break;
    if (!moreWant || !moreGot || wantLine != gotLine) {
      ADD_FAILURE() << path << " line " << line << "\n  golden: "
                    << (moreWant ? wantLine : "(end)") << "\n  now:    "
                    << (moreGot ? gotLine : "(end)");
      return;
    }
  }
}

}  // namespace tavoro::testing
