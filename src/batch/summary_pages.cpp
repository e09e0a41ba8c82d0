#include "batch/summary_pages.h"

#include <array>
#include <optional>
#include <string>

#include "batch/summary_columns.h"
#include "page/page_numbers.h"
#include "page/text_fit.h"
#include "calc/input_rules.h"
#include "calc/number_format.h"
#include "page/page_length.h"
#include "page/project_header.h"

namespace tavoro {
namespace {

// Faces of the report: mincho for the body, gothic for headings.
constexpr char kMincho[] = "ＭＳ 明朝";
constexpr char kGothic[] = "ＭＳ ゴシック";
constexpr char kTitle[] = "一括計算 集計表";
constexpr double kTitlePoints = 14;
constexpr double kHeadingPoints = 8;
constexpr double kBodyPoints = 9;

constexpr double kCellPadding = 60;  // twips inside each cell, all sides
constexpr double kTitleGap = 200;    // below the title line
constexpr double kReasonLines = 3;   // lines a reason may take
constexpr double kThinPen = 0;
constexpr double kRulePen = 10;

enum class Align { kLeft, kRight, kCentre };

struct Column {
  const char* caption;  // first heading lines, broken at "\n"
  const char* unit;     // last heading line
  double width;
  Align align;
  int field = -1;  // an input field: headed by its caption, symbol and unit
};

constexpr Column Input(int field, double width) {
  return {"", "", width, Align::kRight, field};
}

// No., 立坑名, seven inputs (form fields 0..6), five results.
constexpr std::array<Column, 14> kColumns = {{
    {"No.", "", 500, Align::kRight},
    {"立坑名", "", 1800, Align::kLeft},
    Input(kGroundwaterField, 950),
    Input(kImperviousField, 950),
    Input(kExcavationField, 950),
    Input(kPerimeterField, 950),
    Input(kKnField, 1150),
    Input(kWidthField, 950),
    Input(kKgField, 1150),
    {"湧水量", "Q1 (m3/min)", 1100, Align::kRight},
    {"改良後の\n湧水量", "Q2 (m3/min)", 1100, Align::kRight},
    {"影響圏半径", "R1 (m)", 1100, Align::kRight},
    {"改良後の\n影響圏半径", "R2 (m)", 1100, Align::kRight},
    {"改良端の\n水位低下量", "S2 (m)", 1100, Align::kRight},
}};
constexpr std::size_t kFirstInputColumn = 2;
constexpr int kInputsShown = 7;
constexpr std::size_t kFirstResultColumn = kFirstInputColumn + kInputsShown;

double ResultValue(const CalculationCase& calc, std::size_t column) {
  switch (column - kFirstResultColumn) {
    case 0:
      return calc.Q[kNatural];
    case 1:
      return calc.Q[kImproved];
    case 2:
      return calc.R[kNatural];
    case 3:
      return calc.R[kImproved];
    default:
      return calc.CurveS[kImproved][kRingEdgePoint];
  }
}

// Shown for the improved results of a shaft without a ring.
constexpr char kNoRingMark[] = "—";

bool IsImprovedResult(std::size_t column) {
  return column != kFirstResultColumn && column != kFirstResultColumn + 2;
}

std::string ResultText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kThreeDecimals);
}

std::string InputText(int field, const std::string& text) {
  const std::optional<double> value = ReadFieldText(field, text);
  return value ? ShortestNumberText(*value) : text;
}

// The documents of an earlier run removed under a row's number, as the
// results' place lists them.
std::string RemovedNote(const ShaftOutcome& outcome) {
  if (outcome.removed.empty()) return "";
  std::string note = "前回の書類を削除: ";
  for (std::size_t i = 0; i < outcome.removed.size(); ++i) {
    note += (i > 0 ? "、" : "") + outcome.removed[i];
  }
  return note;
}

// A heading's lines: the caption broken at "\n", then the unit. An input
// field's caption stands in lines of four characters above "GL- (m)".
std::vector<std::string> HeadingLines(const Column& column) {
  std::vector<std::string> lines;
  if (column.field >= 0) {
    const InputField& field = Field(column.field);
    constexpr std::size_t kLineCharacters = 4;
    std::string line;
    std::size_t characters = 0;
    for (const char c : field.caption) {
      const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      if (starts && characters++ == kLineCharacters) {
        lines.push_back(std::move(line));
        line.clear();
        characters = 1;
      }
      line.push_back(c);
    }
    lines.push_back(std::move(line));
    std::string unit(field.symbol);
    if (!unit.empty()) unit += ' ';
    lines.push_back(unit.append("(").append(UnitText(field.unit)).append(")"));
    return lines;
  }
  std::string_view caption = column.caption;
  for (std::size_t end; (end = caption.find('\n')) != std::string_view::npos;) {
    lines.emplace_back(caption.substr(0, end));
    caption.remove_prefix(end + 1);
  }
  lines.emplace_back(caption);
  if (*column.unit != '\0') lines.emplace_back(column.unit);
  return lines;
}

// One table row, laid out before any page is drawn.
struct RowLayout {
  std::array<std::string, kColumns.size()> cells;
  std::vector<std::string> reason;  // across the result columns when not computed
  bool computed = false;
  double height = 0;
};

class SummaryLayout {
 public:
  SummaryLayout(PageSurface& page, const std::vector<ShaftOutcome>& outcomes,
                const ProjectInfo& project)
      : page_(page), outcomes_(outcomes), project_(project) {}

  void Draw() {
    page_.SetPaperSize(9);
    page_.SetOrientation(1);
    page_.SetMarginLeft("20mm");
    page_.SetMarginRight("15mm");
    page_.SetMarginTop("15mm");
    page_.SetMarginBottom("15mm");
    UseFont(kMincho, kBodyPoints);
    lineHeight_ = page_.TextHeight("あ");
    UseFont(kGothic, kHeadingPoints);
    headingLineHeight_ = page_.TextHeight("あ");

    const std::vector<RowLayout> rows = LayOutRows();
    std::vector<double> heights;
    for (const RowLayout& row : rows) heights.push_back(row.height);
    const double tableTop = page_.MarginTop() + TitleHeight() + kTitleGap;
    const double capacity = PaperHeight() - page_.MarginBottom() - tableTop - HeadingHeight();
    std::vector<std::pair<std::size_t, std::size_t>> pages = SplitIntoPages(heights, capacity);
    if (pages.empty()) pages.emplace_back(0, 0);

    page_.SetDocumentTitle(kTitle);
    page_.StartDoc();
    for (std::size_t p = 0; p < pages.size(); ++p) {
      if (p > 0) page_.NewPage();
      DrawProjectHeader(page_, project_);
      DrawTitle(static_cast<int>(p) + 1, static_cast<int>(pages.size()));
      double y = DrawHeading(tableTop);
      for (std::size_t r = pages[p].first; r < pages[p].second; ++r) y = DrawRow(rows[r], y);
      DrawFrame(tableTop, y);
    }
    if (project_.HasHeader()) DrawPageNumbers(page_);
    page_.EndDoc();
  }

 private:
  double PaperHeight() const { return kA4WidthTwips; }  // landscape
  double Left() const { return page_.MarginLeft(); }
  double TableWidth() const {
    double width = 0;
    for (const Column& column : kColumns) width += column.width;
    return width;
  }
  double TitleHeight() {
    UseFont(kGothic, kTitlePoints);
    return page_.TextHeight("あ");
  }
  double HeadingHeight() const { return 3 * headingLineHeight_ + 2 * kCellPadding; }

  std::vector<RowLayout> LayOutRows() {
    UseFont(kMincho, kBodyPoints);
    std::vector<RowLayout> rows;
    rows.reserve(outcomes_.size());
    for (const ShaftOutcome& outcome : outcomes_) {
      RowLayout row;
      row.computed = outcome.computed;
      row.cells[0] = std::to_string(outcome.row.number);
      row.cells[1] = outcome.row.project.shaft;
      for (int field = 0; field < kInputsShown; ++field) {
        row.cells[kFirstInputColumn + static_cast<std::size_t>(field)] =
            InputText(field, outcome.row.inputs[static_cast<std::size_t>(field)]);
      }
      if (outcome.computed) {
        for (std::size_t c = kFirstResultColumn; c < kColumns.size(); ++c) {
          const bool noRing = !(outcome.calc.B > 0) && IsImprovedResult(c);
          row.cells[c] = noRing ? kNoRingMark : ResultText(ResultValue(outcome.calc, c));
        }
      }
      // Why the row was not computed, then the earlier documents removed,
      // each on lines of its own.
      for (const std::string& note :
           {outcome.inRun ? ShaftNotes(outcome) : ShaftState(outcome), RemovedNote(outcome)}) {
        if (note.empty()) continue;
        for (std::string& line : WrapText(WidthOf(), note, ReasonWidth() - 2 * kCellPadding,
                                          static_cast<std::size_t>(kReasonLines))) {
          row.reason.push_back(std::move(line));
        }
      }
      for (std::size_t c = 0; c < kFirstResultColumn; ++c) {
        row.cells[c] = FitText(WidthOf(), row.cells[c], kColumns[c].width - 2 * kCellPadding);
      }
      std::size_t lines = 1;
      if (!row.reason.empty()) lines = row.computed ? 1 + row.reason.size() : row.reason.size();
      row.height = static_cast<double>(lines) * lineHeight_ + 2 * kCellPadding;
      rows.push_back(std::move(row));
    }
    return rows;
  }

  TextWidthOf WidthOf() const {
    return [this](std::string_view text) { return page_.TextWidth(text); };
  }

  void UseFont(const char* face, double points) {
    page_.SetFontName(face);
    page_.SetFontSize(points);
  }

  double ReasonWidth() const {
    double width = 0;
    for (std::size_t c = kFirstResultColumn; c < kColumns.size(); ++c) width += kColumns[c].width;
    return width;
  }

  void DrawTitle(int pageNumber, int pageCount) {
    const double top = page_.MarginTop();
    UseFont(kGothic, kTitlePoints);
    page_.SetCurrentX(Left());
    page_.SetCurrentY(top);
    page_.Text(kTitle);

    int failed = 0;
    int shafts = 0;
    for (const ShaftOutcome& outcome : outcomes_) {
      failed += outcome.Failed() ? 1 : 0;
      shafts += outcome.inRun ? 1 : 0;
    }
    const std::string counts = "立坑 " + std::to_string(shafts) + " 件　計算済み " +
                               std::to_string(shafts - failed) +
                               " 件　未計算 " + std::to_string(failed) + " 件　　" +
                               std::to_string(pageNumber) + " / " + std::to_string(pageCount) +
                               " ページ";
    const double titleHeight = page_.TextHeight("あ");
    UseFont(kMincho, kBodyPoints);
    page_.SetCurrentX(Left() + TableWidth() - page_.TextWidth(counts));
    page_.SetCurrentY(top + titleHeight - lineHeight_);
    page_.Text(counts);
  }

  // Draws the heading row from top; returns the top of the first body row.
  double DrawHeading(double top) {
    const double bottom = top + HeadingHeight();
    page_.SetPenWidth(kRulePen);
    page_.DrawLine(Left(), top, Left() + TableWidth(), top);
    page_.DrawLine(Left(), bottom, Left() + TableWidth(), bottom);
    UseFont(kGothic, kHeadingPoints);
    double x = Left();
    for (const Column& column : kColumns) {
      const double inner = column.width - 2 * kCellPadding;
      std::vector<std::string> lines;
      for (const std::string& line : HeadingLines(column)) {
        lines.push_back(FitText(WidthOf(), line, inner));
      }
      // Bottom-aligned, so the units stand on one line across the table.
      double y = bottom - kCellPadding - static_cast<double>(lines.size()) * headingLineHeight_;
      for (const std::string& line : lines) {
        PlaceText(line, x, column.width, y, Align::kCentre);
        y += headingLineHeight_;
      }
      x += column.width;
      page_.SetPenWidth(kThinPen);
      if (x < Left() + TableWidth()) page_.DrawLine(x, top, x, bottom);
    }
    return bottom;
  }

  // Draws one body row from top; returns its bottom.
  double DrawRow(const RowLayout& row, double top) {
    UseFont(kMincho, kBodyPoints);
    const double textTop = top + kCellPadding;
    double x = Left();
    for (std::size_t c = 0; c < kColumns.size(); ++c) {
      if (!row.cells[c].empty())
        PlaceText(row.cells[c], x, kColumns[c].width, textTop, kColumns[c].align);
      x += kColumns[c].width;
    }
    // The reason stands under the results of a computed row, in their place otherwise.
    double reasonTop = row.computed ? textTop + lineHeight_ : textTop;
    const double reasonLeft = Left() + TableWidth() - ReasonWidth();
    for (const std::string& line : row.reason) {
      PlaceText(line, reasonLeft, ReasonWidth(), reasonTop, Align::kLeft);
      reasonTop += lineHeight_;
    }
    const double bottom = top + row.height;
    page_.SetPenWidth(kThinPen);
    page_.DrawLine(Left(), bottom, Left() + TableWidth(), bottom);
    // Rules between the columns, kept clear of a reason's span.
    x = Left();
    for (std::size_t c = 1; c < kColumns.size(); ++c) {
      x += kColumns[c - 1].width;
      if (c > kFirstResultColumn && !row.reason.empty()) continue;
      page_.DrawLine(x, top, x, bottom);
    }
    return bottom;
  }

  // The frame's left, right and bottom rules, from top to bottom.
  void DrawFrame(double top, double bottom) {
    page_.SetPenWidth(kRulePen);
    page_.DrawLine(Left(), top, Left(), bottom);
    page_.DrawLine(Left() + TableWidth(), top, Left() + TableWidth(), bottom);
    page_.DrawLine(Left(), bottom, Left() + TableWidth(), bottom);
  }

  void PlaceText(const std::string& text, double cellLeft, double cellWidth, double top,
                 Align align) {
    const double width = page_.TextWidth(text);
    double x = cellLeft + kCellPadding;
    if (align == Align::kRight) x = cellLeft + cellWidth - kCellPadding - width;
    if (align == Align::kCentre) x = cellLeft + (cellWidth - width) / 2;
    page_.SetCurrentX(x);
    page_.SetCurrentY(top);
    page_.Text(text);
  }

  PageSurface& page_;
  const std::vector<ShaftOutcome>& outcomes_;
  const ProjectInfo& project_;
  double lineHeight_ = 0;
  double headingLineHeight_ = 0;
};

}  // namespace

std::vector<std::pair<std::size_t, std::size_t>> SplitIntoPages(const std::vector<double>& heights,
                                                                double capacity) {
  std::vector<std::pair<std::size_t, std::size_t>> pages;
  std::size_t first = 0;
  double used = 0;
  for (std::size_t i = 0; i < heights.size(); ++i) {
    if (i > first && used + heights[i] > capacity) {
      pages.emplace_back(first, i);
      first = i;
      used = 0;
    }
    used += heights[i];
  }
  if (first < heights.size()) pages.emplace_back(first, heights.size());
  return pages;
}

void DrawSummaryPages(PageSurface& page, const std::vector<ShaftOutcome>& outcomes,
                      const ProjectInfo& project) {
  SummaryLayout(page, outcomes, project).Draw();
}

ProjectInfo SummaryProject(const std::vector<BatchRow>& rows) {
  ProjectInfo project;
  for (const BatchRow& row : rows) {
    if (project.name.empty()) project.name = row.project.name;
    if (project.author.empty()) project.author = row.project.author;
    if (project.date.empty()) project.date = row.project.date;
  }
  return project;
}

}  // namespace tavoro
