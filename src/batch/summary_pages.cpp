#include "batch/summary_pages.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/summary_columns.h"
#include "page/text_fit.h"
#include "calc/ground_rules.h"
#include "calc/input_rules.h"
#include "calc/number_format.h"
#include "calc/quantities.h"
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

// What a column shows of a row.
enum class Content { kNumber, kShaft, kInput, kResult, kRadiusMethod, kUpliftF, kUpliftVerdict };

struct Column {
  Content content;
  double width;
  int field = -1;                       // kInput: the form field
  Quantity quantity = Quantity::kQ1;    // kResult
};

// No., 立坑名, seven inputs (form fields 0..6), five results; with ground
// texts in the table narrower, to make room for the radius method and the
// uplift check.
std::vector<Column> Columns(bool ground) {
  const double input = ground ? 800 : 950;
  const double permeability = ground ? 1000 : 1150;
  const double result = ground ? 1000 : 1100;
  std::vector<Column> columns = {{Content::kNumber, ground ? 450.0 : 500.0},
                                 {Content::kShaft, ground ? 950.0 : 1800.0}};
  for (const int field : {kGroundwaterField, kImperviousField, kExcavationField, kPerimeterField,
                          kKnField, kWidthField, kKgField}) {
    const bool k = field == kKnField || field == kKgField;
    columns.push_back({Content::kInput, k ? permeability : input, field});
  }
  for (const Quantity quantity :
       {Quantity::kQ1, Quantity::kQ2, Quantity::kR1, Quantity::kR2, Quantity::kS2}) {
    columns.push_back({Content::kResult, result, -1, quantity});
  }
  if (ground) {
    columns.push_back({Content::kRadiusMethod, 900});
    columns.push_back({Content::kUpliftF, 760});
    columns.push_back({Content::kUpliftVerdict, 700});
  }
  return columns;
}

Align AlignOf(const Column& column) {
  switch (column.content) {
    case Content::kShaft:
      return Align::kLeft;
    case Content::kRadiusMethod:
    case Content::kUpliftVerdict:
      return Align::kCentre;
    default:
      return Align::kRight;
  }
}

// The first result column, after No., 立坑名 and the seven inputs.
constexpr std::size_t kFirstResultColumn = 9;

// Shown where a value does not apply: an improved result of a shaft
// without a ring, F where the excavation bottom reaches the confined aquifer.
constexpr char kNotApplicableMark[] = "—";

bool IsImprovedResult(Quantity quantity) {
  return quantity != Quantity::kQ1 && quantity != Quantity::kR1;
}

std::string ResultText(double value) {
  if (!IsComputed(value)) return kNotComputedMark;
  return FormatNumber(value, NumberPattern::kThreeDecimals);
}

std::string InputText(int field, const std::string& text) {
  const std::optional<double> value = ReadFieldText(field, text);
  return value ? ShortestNumberText(*value) : text;
}

// A computed row's cell in a result or ground column.
std::string ComputedCell(const Column& column, const CalculationCase& calc) {
  const std::optional<UpliftResult>& uplift = calc.uplift;
  switch (column.content) {
    case Content::kResult: {
      if (!(calc.B > 0) && IsImprovedResult(column.quantity)) return kNotApplicableMark;
      for (const ResultColumn& result : kResultColumns) {
        if (result.quantity == column.quantity) return ResultText(result.value(calc));
      }
      return "";
    }
    case Content::kRadiusMethod:
      return RadiusMethodName(calc.ground.radiusMethod);
    case Content::kUpliftF:
      if (!uplift) return "";
      return uplift->applies ? ResultText(uplift->F) : kNotApplicableMark;
    case Content::kUpliftVerdict:
      if (!uplift) return "";
      return !uplift->applies ? "適用外" : uplift->ok ? "OK" : "NG";
    default:
      return "";
  }
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

// text in lines of at most `characters` characters.
std::vector<std::string> CharacterLines(std::string_view text, std::size_t characters) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t count = 0;
  for (const char c : text) {
    const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (starts && count++ == characters) {
      lines.push_back(std::move(line));
      line.clear();
      count = 1;
    }
    line.push_back(c);
  }
  lines.push_back(std::move(line));
  return lines;
}

// A heading's lines, the last one the symbol and unit: an input field's
// caption in lines of four characters above "GL- (m)", a result's name in
// lines of five above "Q1 (m3/min)".
std::vector<std::string> HeadingLines(const Column& column) {
  std::vector<std::string> lines;
  switch (column.content) {
    case Content::kNumber:
      return {"No."};
    case Content::kShaft:
      return {"立坑名"};
    case Content::kInput: {
      const InputField& field = Field(column.field);
      lines = CharacterLines(field.caption, 4);
      std::string unit(field.symbol);
      if (!unit.empty()) unit += ' ';
      lines.push_back(unit.append("(").append(UnitText(field.unit)).append(")"));
      return lines;
    }
    case Content::kResult:
      lines = CharacterLines(QuantityOf(column.quantity).name, 5);
      lines.push_back(QuantityHeading(column.quantity));
      return lines;
    case Content::kRadiusMethod:
      return CharacterLines(GroundFieldOf(kRadiusMethodField).caption, 4);
    case Content::kUpliftF:
      return {"盤ぶくれ", "F"};
    case Content::kUpliftVerdict:
      return {"判定"};
  }
  return lines;
}

// One table row, laid out before any page is drawn.
struct RowLayout {
  std::vector<std::string> cells;
  std::vector<std::string> reason;  // across the result columns when not computed
  bool computed = false;
  double height = 0;
};

class SummaryLayout {
 public:
  SummaryLayout(PageSurface& page, const std::vector<ShaftOutcome>& outcomes,
                const ProjectInfo& project)
      : page_(page),
        outcomes_(outcomes),
        project_(project),
        columns_(Columns(std::any_of(outcomes.begin(), outcomes.end(), [](const ShaftOutcome& o) {
          return o.row.ground != GroundTexts{};
        }))) {}

  void Draw() {
    page_.SetOrientation(Orientation::kLandscape);
    page_.SetMargins({.left = 20 * kTwipsPerMm,
                      .top = 15 * kTwipsPerMm,
                      .right = 15 * kTwipsPerMm,
                      .bottom = 15 * kTwipsPerMm});
    UseFont(kMincho, kBodyPoints);
    lineHeight_ = page_.TextHeight("あ");
    UseFont(kGothic, kHeadingPoints);
    headingLineHeight_ = page_.TextHeight("あ");

    const std::vector<RowLayout> rows = LayOutRows();
    std::vector<double> heights;
    for (const RowLayout& row : rows) heights.push_back(row.height);
    const double tableTop = page_.margins().top + TitleHeight() + kTitleGap;
    const double capacity = PaperHeight() - page_.margins().bottom - tableTop - HeadingHeight();
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
    page_.EndDoc();
  }

 private:
  double PaperHeight() const { return kA4WidthTwips; }  // landscape
  double Left() const { return page_.margins().left; }
  double TableWidth() const {
    double width = 0;
    for (const Column& column : columns_) width += column.width;
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
      row.cells.resize(columns_.size());
      for (std::size_t c = 0; c < columns_.size(); ++c) {
        const Column& column = columns_[c];
        std::string& cell = row.cells[c];
        if (column.content == Content::kNumber) {
          cell = std::to_string(outcome.row.number);
        } else if (column.content == Content::kShaft) {
          cell = outcome.row.project.shaft;
        } else if (column.content == Content::kInput) {
          cell = InputText(column.field, outcome.row.inputs[static_cast<std::size_t>(column.field)]);
        } else if (outcome.computed) {
          cell = ComputedCell(column, outcome.calc);
        }
        // Texts cut to their cell; numbers never.
        if (c < kFirstResultColumn || column.content == Content::kRadiusMethod ||
            column.content == Content::kUpliftVerdict) {
          cell = FitText(WidthOf(), cell, column.width - 2 * kCellPadding);
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
    for (std::size_t c = kFirstResultColumn; c < columns_.size(); ++c) width += columns_[c].width;
    return width;
  }

  void DrawTitle(int pageNumber, int pageCount) {
    const double top = page_.margins().top;
    UseFont(kGothic, kTitlePoints);
    page_.Text(Left(), top, kTitle);

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
    page_.Text(Left() + TableWidth() - page_.TextWidth(counts), top + titleHeight - lineHeight_,
               counts);
  }

  // Draws the heading row from top; returns the top of the first body row.
  double DrawHeading(double top) {
    const double bottom = top + HeadingHeight();
    page_.SetPenWidth(kRulePen);
    page_.DrawLine(Left(), top, Left() + TableWidth(), top);
    page_.DrawLine(Left(), bottom, Left() + TableWidth(), bottom);
    UseFont(kGothic, kHeadingPoints);
    double x = Left();
    for (const Column& column : columns_) {
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
    for (std::size_t c = 0; c < columns_.size(); ++c) {
      if (!row.cells[c].empty())
        PlaceText(row.cells[c], x, columns_[c].width, textTop, AlignOf(columns_[c]));
      x += columns_[c].width;
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
    for (std::size_t c = 1; c < columns_.size(); ++c) {
      x += columns_[c - 1].width;
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
    page_.Text(x, top, text);
  }

  PageSurface& page_;
  const std::vector<ShaftOutcome>& outcomes_;
  const ProjectInfo& project_;
  const std::vector<Column> columns_;
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
