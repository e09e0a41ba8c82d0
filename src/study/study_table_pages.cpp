#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "page/project_header.h"
#include "study/study_page_text.h"
#include "study/study_pages.h"
#include "study/study_text.h"

namespace tavoro {
namespace {

constexpr double kLeft = 1134;  // the chart page's 20 mm margin
constexpr double kTitleY = 950;
constexpr double kFirstRowY = 1450;
constexpr double kLastRowBottom = 10772;  // above the 20 mm bottom margin
constexpr double kRowPitch = 230;
constexpr double kCellPad = 60;
constexpr double kWidthColumn = 1000;
constexpr double kValueColumn = 1150;
constexpr double kGroupGap = 250;
constexpr std::size_t kCurvesPerGroup = 3;
constexpr int kValuesPerCurve = 4;

void Put(PageSurface& page, double x, double y, const std::string& text) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  page.Text(x, y, text);
}

void SetFont(PageSurface& page, double size) {
  page.SetFontName(kStudyFace);
  page.SetFontSize(size);
}

// Rows written top-down; a row that would pass the bottom margin starts a
// new page, which first repeats the table's heading rows.
class RowCursor {
 public:
  RowCursor(PageSurface& page, const ProjectInfo& project) : page_(page), project_(project) {}

  double y() const { return y_; }
  void Skip(double rows) { y_ += rows * kRowPitch; }
  void SetHeading(std::function<void()> heading) { heading_ = std::move(heading); }

  // The top of the next row, on a new page when this one is full.
  double Next() {
    if (y_ + kRowPitch > kLastRowBottom) {
      page_.NewPage();
      DrawProjectHeader(page_, project_);
      y_ = kFirstRowY;
      if (heading_) heading_();
    }
    const double top = y_;
    y_ += kRowPitch;
    return top;
  }

 private:
  PageSurface& page_;
  const ProjectInfo& project_;
  double y_ = kFirstRowY;
  std::function<void()> heading_;
};

void PutRight(PageSurface& page, double right, double y, const std::string& text) {
  Put(page, right - kCellPad - page.TextWidth(text), y, text);
}

void Rule(PageSurface& page, double y, double right) {
  page.SetPenWidth(0);
  page.SetPenStyle(PenStyle::kSolid);
  page.DrawLine(kLeft, y, right, y);
}

std::string SearchedText(StudyTargetKind kind) {
  return kind == StudyTargetKind::kInflow ? "Q2 (m³/min)" : "S2 (m)";
}

std::string QuantityText(StudyTargetKind kind, double value) {
  return kind == StudyTargetKind::kInflow ? StudyInflowText(value) : StudyLengthText(value);
}

void DrawSolutions(PageSurface& page, const StudyResult& result, RowCursor& rows) {
  const StudyTargetKind kind = result.target.kind;
  const std::vector<std::string> heads = {"kg (cm/sec)", "必要な B (m)",
                                          "その " + SearchedText(kind),
                                          "最小の " + SearchedText(kind), "最小となる B (m)"};
  const double column = 1900;
  const double right = kLeft + column * static_cast<double>(heads.size());
  double y = rows.Next();
  for (std::size_t c = 0; c < heads.size(); ++c) {
    PutRight(page, kLeft + column * static_cast<double>(c + 1), y, heads[c]);
  }
  Rule(page, rows.y() - kCellPad / 2, right);
  for (const StudySolution& solution : result.solutions) {
    y = rows.Next();
    const std::vector<std::string> cells = {
        KgText(solution.kg), solution.width ? StudyLengthText(*solution.width) : "範囲内になし",
        solution.width ? QuantityText(kind, solution.value) : "—",
        QuantityText(kind, solution.best), StudyLengthText(solution.bestWidth)};
    for (std::size_t c = 0; c < cells.size(); ++c) {
      PutRight(page, kLeft + column * static_cast<double>(c + 1), y, cells[c]);
    }
  }
}

double GroupLeft(std::size_t slot) {
  return kLeft + kWidthColumn +
         static_cast<double>(slot) * (kValuesPerCurve * kValueColumn + kGroupGap);
}

void DrawGridHeading(PageSurface& page, const StudyResult& result, std::size_t first,
                     std::size_t last, RowCursor& rows) {
  const double right = GroupLeft(last - first) - kGroupGap;
  double y = rows.Next();
  for (std::size_t i = first; i < last; ++i) {
    Put(page, GroupLeft(i - first) + kCellPad, y,
        "kg = " + KgText(result.curves[i].kg) + " cm/sec");
  }
  y = rows.Next();
  PutRight(page, kLeft + kWidthColumn, y, "B (m)");
  const char* names[kValuesPerCurve] = {"Q2 (m³/min)", "S2 (m)", "h2 (m)", "R2 (m)"};
  for (std::size_t i = first; i < last; ++i) {
    for (int v = 0; v < kValuesPerCurve; ++v) {
      PutRight(page, GroupLeft(i - first) + (v + 1) * kValueColumn, y, names[v]);
    }
  }
  Rule(page, rows.y() - kCellPad / 2, right);
}

// The sampled values of curves first..last-1, one row per width.
void DrawGridGroup(PageSurface& page, const StudyResult& result, std::size_t first,
                   std::size_t last, RowCursor& rows) {
  rows.SetHeading([&] { DrawGridHeading(page, result, first, last, rows); });
  DrawGridHeading(page, result, first, last, rows);
  for (std::size_t w = 0; w < result.widths.size(); ++w) {
    const double y = rows.Next();
    PutRight(page, kLeft + kWidthColumn, y, StudyLengthText(result.widths[w]));
    for (std::size_t i = first; i < last; ++i) {
      if (w >= result.curves[i].values.size()) continue;
      const RingValues& values = result.curves[i].values[w];
      const std::string cells[kValuesPerCurve] = {
          StudyInflowText(values.Q2), StudyLengthText(values.S2), StudyLengthText(values.h2),
          StudyLengthText(values.R2)};
      for (int v = 0; v < kValuesPerCurve; ++v) {
        PutRight(page, GroupLeft(i - first) + (v + 1) * kValueColumn, y, cells[v]);
      }
    }
  }
  rows.SetHeading(nullptr);
}

}  // namespace

void DrawStudyTablePages(PageSurface& page, const StudyResult& result, const ProjectInfo& project) {
  page.SetTextDirection(TextDirection::kHorizontal);
  SetFont(page, kStudyTitleSize);
  Put(page, kLeft, kTitleY, "改良幅の検討　解と計算値");
  SetFont(page, kStudySmallSize);
  RowCursor rows(page, project);
  Put(page, kLeft, rows.Next(), StudyRangeText(result));
  rows.Skip(0.5);
  DrawSolutions(page, result, rows);
  Put(page, kLeft, rows.Next(), KgForWidthText(result));
  for (std::size_t first = 0; first < result.curves.size(); first += kCurvesPerGroup) {
    rows.Skip(1);
    const std::size_t last = std::min(first + kCurvesPerGroup, result.curves.size());
    DrawGridGroup(page, result, first, last, rows);
  }
}

}  // namespace tavoro
