#include "report/cover_page.h"

#include <string_view>
#include <vector>

#include "page/page_table.h"
#include "page/text_fit.h"
#include "report/report_values.h"
#include "summary/result_summary.h"

namespace tavoro {
namespace {

constexpr std::string_view kMincho = "ＭＳ 明朝";
constexpr std::string_view kGothic = "ＭＳ ゴシック";
constexpr double kTwipsPerMm = 1440 / 25.4;
constexpr char kTitle[] = "立坑内湧水量及び地下水位降下高さの算定　計算書";

// The methods and where they come from, one line each.
constexpr char kDupuitLine[] =
    "湧水量 Q1：Dupuit の不圧井戸の定常流の式 Q = πk(H² − h²) / ln(R / r)"
    "（Dupuit, J., Études théoriques et pratiques sur le mouvement des eaux, 1863）";
constexpr char kRadiusLine[] =
    "円換算半径 r：立坑周長 L を浸透面とする円に換算 r = L / 2π";
constexpr char kSichardtLine[] =
    "影響範囲 R：Sichardt の式 R = 3000・S・√k（k: m/s）"
    "（Sichardt, W., Das Fassungsvermögen von Rohrbrunnen, 1928）";
constexpr char kSeriesLine[] =
    "地盤改良あり Q2：改良体と未改良地盤を直列の2層とし、両層に Dupuit の式を適用する。"
    "h2、S2 は改良外円の水位、R2 は S2 から同じ影響範囲の式で求める";

std::string PrintedUnit(const std::string& unit) {
  return unit == "m3/min" ? "m³/min" : unit;
}

class CoverLayout {
 public:
  CoverLayout(PageSurface& page, const CalculationCase& calc, const ProjectInfo& project,
              const CoverFacts& facts)
      : page_(page), calc_(calc), project_(project), facts_(facts) {}

  void Draw() {
    left_ = page_.MarginLeft();
    right_ = page_.document().paperWidth - left_;
    y_ = page_.MarginTop() + 10 * kTwipsPerMm;
    DrawTitle();
    DrawHeaderBlock();
    DrawInputs();
    DrawResults();
    DrawMethods();
    DrawProgramLine();
  }

 private:
  void UseFont(std::string_view face, double points) {
    page_.SetFontName(face);
    page_.SetFontSize(points);
  }
  double Width(std::string_view text) const { return page_.TextWidth(text); }
  TextWidthOf WidthOf() const {
    return [this](std::string_view text) { return page_.TextWidth(text); };
  }
  void TextAt(double x, double y, const std::string& text) {
    page_.SetCurrentX(x);
    page_.SetCurrentY(y);
    page_.Text(text);
  }

  void DrawTitle() {
    UseFont(kGothic, 16);
    TextAt((page_.document().paperWidth - Width(kTitle)) / 2, y_, kTitle);
    y_ += page_.TextHeight("あ") + 12 * kTwipsPerMm;
  }

  // 工事名, 立坑名 and 日付 at the left; the 作成 / 照査 box at the right.
  void DrawHeaderBlock() {
    const double top = y_;
    const double column = 26 * kTwipsPerMm;
    const double boxLeft = right_ - 2 * column;
    const double labelHeight = 7 * kTwipsPerMm;
    const double nameHeight = 8 * kTwipsPerMm;
    const double sealHeight = 18 * kTwipsPerMm;

    UseFont(kMincho, 10.5);
    const double lineHeight = page_.TextHeight("あ") * 1.8;
    const double textRoom = boxLeft - 5 * kTwipsPerMm - left_;
    double y = top + labelHeight / 2;
    const std::pair<const char*, const std::string*> lines[] = {
        {"工事名：", &project_.name}, {"立坑名：", &project_.shaft}, {"日　付：", &project_.date}};
    for (const auto& [label, text] : lines) {
      TextAt(left_, y, label);
      TextAt(left_ + Width(label), y, FitText(WidthOf(), *text, textRoom - Width(label)));
      y += lineHeight;
    }

    page_.SetPenWidth(0);
    page_.SetPenStyle(kPenSolid);
    const double bottom = top + labelHeight + nameHeight + sealHeight;
    page_.DrawLine(boxLeft, top, right_, top);
    page_.DrawLine(boxLeft, top + labelHeight, right_, top + labelHeight);
    page_.DrawLine(boxLeft, top + labelHeight + nameHeight, right_, top + labelHeight + nameHeight);
    page_.DrawLine(boxLeft, bottom, right_, bottom);
    for (double x : {boxLeft, boxLeft + column, right_}) page_.DrawLine(x, top, x, bottom);

    UseFont(kMincho, 10);
    const double textHeight = page_.TextHeight("あ");
    const std::pair<const char*, const std::string*> signers[] = {{"作　成", &project_.author},
                                                                   {"照　査", &project_.checker}};
    double x = boxLeft;
    for (const auto& [label, name] : signers) {
      TextAt(x + (column - Width(label)) / 2, top + (labelHeight - textHeight) / 2, label);
      const std::string fitted = FitText(WidthOf(), *name, column - 2 * Width("a"));
      TextAt(x + (column - Width(fitted)) / 2, top + labelHeight + (nameHeight - textHeight) / 2,
             fitted);
      x += column;
    }
    y_ = std::max(y, bottom) + 8 * kTwipsPerMm;
  }

  void Heading(const char* text) {
    UseFont(kGothic, 11);
    TextAt(left_, y_, text);
    y_ += page_.TextHeight("あ") * 1.5;
  }

  // A table of 項目, 記号, 値 and 単位 across the body.
  PageTable Table() {
    UseFont(kMincho, 9.5);
    const double width = right_ - left_;
    PageTable table(page_, left_, y_,
                    {{width * 0.50, false}, {width * 0.13, false}, {width * 0.22, true},
                     {width * 0.15, false}},
                    page_.TextHeight("あ") * 1.45);
    table.Row({"項目", "記号", "値", "単位"});
    return table;
  }

  void DrawInputs() {
    Heading("1. 計算条件");
    PageTable table = Table();
    const bool ring = HasImprovement(calc_);
    for (const SummaryLine& line : InputLines(calc_)) {
      // Without a ring its permeability plays no part.
      const bool unused = !ring && line.symbol == "kg";
      table.Row({line.name, line.symbol, unused ? "―" : SummaryValueText(line.value), line.unit});
    }
    table.Row({"影響範囲の算定式", "", "Sichardt", ""});
    y_ = table.End() + 8 * kTwipsPerMm;
  }

  void DrawResults() {
    Heading("2. 計算結果");
    PageTable table = Table();
    for (const SummaryLine& line : ResultLines(calc_)) {
      table.Row({line.name, line.symbol, LengthText(line.value), PrintedUnit(line.unit)});
    }
    y_ = table.End() + 8 * kTwipsPerMm;
  }

  void DrawMethods() {
    Heading("3. 算定方法と出典");
    UseFont(kMincho, 9);
    const double lineHeight = page_.TextHeight("あ") * 1.4;
    std::vector<const char*> lines = {kDupuitLine, kSichardtLine, kRadiusLine};
    if (HasImprovement(calc_)) lines.push_back(kSeriesLine);
    for (const char* line : lines) {
      const double indent = Width("・");
      TextAt(left_, y_, "・");
      for (const std::string& part : WrapText(WidthOf(), line, right_ - left_ - indent, 3)) {
        TextAt(left_ + indent, y_, part);
        y_ += lineHeight;
      }
    }
  }

  void DrawProgramLine() {
    UseFont(kMincho, 9);
    const double bottom = page_.document().paperHeight - page_.MarginBottom();
    const std::string text =
        "計算プログラム：" + facts_.program + "　　計算日：" + facts_.calculatedOn;
    TextAt(left_, std::max(y_ + 4 * kTwipsPerMm, bottom - page_.TextHeight("あ") * 2), text);
  }

  PageSurface& page_;
  const CalculationCase& calc_;
  const ProjectInfo& project_;
  const CoverFacts& facts_;
  double left_ = 0;
  double right_ = 0;
  double y_ = 0;
};

}  // namespace

void DrawCoverPage(PageSurface& page, const CalculationCase& calc, const ProjectInfo& project,
                   const CoverFacts& facts) {
  CoverLayout(page, calc, project, facts).Draw();
}

}  // namespace tavoro
