#include "report/cover_page.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "calc/ground.h"
#include "calc/number_format.h"
#include "calc/quantities.h"
#include "page/page_length.h"
#include "page/page_table.h"
#include "page/text_fit.h"
#include "report/report_values.h"
#include "summary/result_summary.h"

namespace tavoro {
namespace {

constexpr std::string_view kMincho = "ＭＳ 明朝";
constexpr std::string_view kGothic = "ＭＳ ゴシック";
constexpr double kGap = 6 * kTwipsPerMm;
// Soil layers listed one by one; more are summed up in one row.
constexpr std::size_t kListedLayers = 3;
constexpr std::string_view kResultSymbols[] = {"r",  "R1", "Q1", "Sx1", "Q2",
                                               "h2", "S2", "R2", "Sx2"};
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
constexpr char kKusakinLine[] =
    "影響範囲 R：Kusakin の式 R = 575・S・√(H・k)（k: m/s）（我が国の地下水関係の便覧に引用される形）";
constexpr char kGivenLine[] = "影響範囲 R：指定値";
constexpr char kUpliftLine[] =
    "盤ぶくれ F：掘削底面下の土被り荷重と被圧水圧の釣合い F = Σγt・t / (γw・hw)"
    "（我が国の掘削・土留め仮設の指針に示される釣合い式）";
constexpr char kSeriesLine[] =
    "地盤改良あり Q2：改良体と未改良地盤を直列の2層とし、両層に Dupuit の式を適用する。"
    "h2、S2 は改良外円の水位、R2 は S2 から同じ影響範囲の式で求める（指定値ではその値）";

// The report writes the drawdown at the point of interest S(x) in both cases.
std::string PrintedSymbol(const std::string& symbol) {
  return symbol == "Sx1" || symbol == "Sx2" ? "S(x)" : symbol;
}

class CoverLayout {
 public:
  CoverLayout(PageSurface& page, const CalculationCase& calc, const ProjectInfo& project,
              const CoverFacts& facts)
      : page_(page), calc_(calc), project_(project), facts_(facts) {}

  void Draw() {
    left_ = page_.margins().left;
    right_ = page_.document().paperWidth - left_;
    y_ = page_.margins().top + 10 * kTwipsPerMm;
    DrawTitle();
    DrawHeaderBlock();
    const std::vector<Cells> inputs = InputRows();
    const std::vector<Cells> results = ResultRows();
    const std::vector<std::string> methods = MethodLines();
    // The tables' rows share what the page leaves them, between a tight and
    // an easy pitch.
    const double rest = page_.document().paperHeight - page_.margins().bottom - y_ -
                        3 * HeadingHeight() - 2 * kGap -
                        static_cast<double>(methods.size()) * MethodLineHeight() -
                        3 * ProgramLineHeight();
    UseFont(kMincho, 9.5);
    const double textHeight = page_.TextHeight("あ");
    const double rows = static_cast<double>(inputs.size() + results.size() + 2);
    rowHeight_ = std::clamp(rest / rows, textHeight * 1.15, textHeight * 1.45);
    Heading("1. 計算条件");
    DrawTable(inputs);
    Heading("2. 計算結果");
    DrawTable(results);
    DrawMethods(methods);
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

  void DrawTitle() {
    UseFont(kGothic, 16);
    page_.Text((page_.document().paperWidth - Width(kTitle)) / 2, y_, kTitle);
    y_ += page_.TextHeight("あ") + 10 * kTwipsPerMm;
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
      page_.Text(left_, y, label);
      page_.Text(left_ + Width(label), y, FitText(WidthOf(), *text, textRoom - Width(label)));
      y += lineHeight;
    }

    page_.SetPenWidth(0);
    page_.SetPenStyle(PenStyle::kSolid);
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
      page_.Text(x + (column - Width(label)) / 2, top + (labelHeight - textHeight) / 2, label);
      const std::string fitted = FitText(WidthOf(), *name, column - 2 * Width("a"));
      page_.Text(x + (column - Width(fitted)) / 2,
                 top + labelHeight + (nameHeight - textHeight) / 2, fitted);
      x += column;
    }
    y_ = std::max(y, bottom) + kGap;
  }

  using Cells = std::vector<std::string>;

  void Heading(const char* text) {
    UseFont(kGothic, 11);
    page_.Text(left_, y_, text);
    y_ += HeadingHeight();
  }
  double HeadingHeight() {
    UseFont(kGothic, 11);
    return page_.TextHeight("あ") * 1.5;
  }

  // A table of 項目, 記号, 値 and 単位 across the body.
  void DrawTable(const std::vector<Cells>& rows) {
    UseFont(kMincho, 9.5);
    const double width = right_ - left_;
    PageTable table(page_, left_, y_,
                    {{width * 0.50, false}, {width * 0.13, false}, {width * 0.22, true},
                     {width * 0.15, false}},
                    rowHeight_);
    table.Row({"項目", "記号", "値", "単位"});
    for (const Cells& row : rows) table.Row(row);
    y_ = table.End() + kGap;
  }

  std::vector<Cells> InputRows() const {
    std::vector<Cells> rows;
    const bool ring = HasImprovement(calc_);
    for (const SummaryLine& line : InputLines(calc_)) {
      // Without a ring its permeability plays no part.
      const bool unused = !ring && line.symbol == "kg";
      rows.push_back({line.name, line.symbol, unused ? "―" : SummaryValueText(line.value), line.unit});
    }
    const GroundConditions& ground = calc_.ground;
    rows.push_back({"影響範囲の算定式", "", RadiusMethodName(ground.radiusMethod), ""});
    if (ground.radiusMethod == RadiusMethod::kGiven) {
      rows.push_back({"影響範囲（指定）", "R", SummaryValueText(ground.givenRadius), "m"});
      if (!ground.radiusNote.empty()) rows.push_back({"指定の理由：" + ground.radiusNote});
    }
    rows.push_back({"盤ぶくれの検討", "", ground.uplift ? "する" : "しない", ""});
    if (!ground.uplift) return rows;
    const UpliftInputs& uplift = *ground.uplift;
    rows.push_back({"被圧帯水層上面の深さ", "GL-Dc", SummaryValueText(uplift.confinedTop), "m"});
    rows.push_back({"被圧水頭の深さ", "GL-hp", SummaryValueText(uplift.confinedHead), "m"});
    if (uplift.layers.empty()) {
      rows.push_back({"土の単位体積重量", "γt", SummaryValueText(uplift.unitWeight), "kN/m³"});
    } else if (uplift.layers.size() <= kListedLayers) {
      for (const SoilLayer& layer : uplift.layers) {
        rows.push_back({"土層（厚さ " + SummaryValueText(layer.thickness) + " m）", "γt",
                        SummaryValueText(layer.unitWeight), "kN/m³"});
      }
    } else {
      // Many layers: their weights' range; the report lists each.
      double lightest = uplift.layers.front().unitWeight;
      double heaviest = lightest;
      for (const SoilLayer& layer : uplift.layers) {
        lightest = std::min(lightest, layer.unitWeight);
        heaviest = std::max(heaviest, layer.unitWeight);
      }
      rows.push_back({"土層 " + std::to_string(uplift.layers.size()) + " 層の単位体積重量", "γt",
                      SummaryValueText(lightest) + "〜" + SummaryValueText(heaviest), "kN/m³"});
    }
    rows.push_back({"水の単位体積重量", "γw", SummaryValueText(uplift.waterUnitWeight), "kN/m³"});
    rows.push_back({"必要安全率", "Fs", SummaryValueText(uplift.requiredSafety), ""});
    return rows;
  }

  std::vector<Cells> ResultRows() const {
    std::vector<Cells> rows;
    for (const SummaryLine& line : ResultLines(calc_)) {
      // The inflows, radii and drawdowns; H, h and S follow from the depths
      // above, the uplift check is summed up below.
      if (std::find(std::begin(kResultSymbols), std::end(kResultSymbols), line.symbol) ==
          std::end(kResultSymbols)) {
        continue;
      }
      rows.push_back({line.name, PrintedSymbol(line.symbol), LengthText(line.value),
                      std::string(PrintedUnit(line.unit))});
    }
    if (!calc_.uplift) return rows;
    const UpliftResult& uplift = *calc_.uplift;
    if (uplift.applies) {
      rows.push_back({"盤ぶくれの安全率", "F", FormatNumber(uplift.F, NumberPattern::kThreeDecimals), ""});
      rows.push_back({"盤ぶくれの判定（Fs = " +
                          FormatNumber(uplift.requiredF, NumberPattern::kTwoDecimals) + "）",
                      "", uplift.ok ? "OK" : "NG", ""});
    } else {
      rows.push_back({"盤ぶくれの安全率（掘削底が被圧帯水層上面に達し適用外）", "F", "―", ""});
    }
    return rows;
  }

  std::vector<std::string> MethodLines() {
    const RadiusMethod method = calc_.ground.radiusMethod;
    std::vector<const char*> methods = {
        kDupuitLine,
        method == RadiusMethod::kKusakin ? kKusakinLine
        : method == RadiusMethod::kGiven ? kGivenLine
                                         : kSichardtLine,
        kRadiusLine};
    if (HasImprovement(calc_)) methods.push_back(kSeriesLine);
    if (calc_.ground.uplift) methods.push_back(kUpliftLine);
    UseFont(kMincho, 9);
    std::vector<std::string> lines;
    const double indent = Width("・");
    for (const char* method : methods) {
      bool first = true;
      for (const std::string& part : WrapText(WidthOf(), method, right_ - left_ - indent, 3)) {
        lines.push_back((first ? "・" : "") + part);
        first = false;
      }
    }
    return lines;
  }

  double MethodLineHeight() {
    UseFont(kMincho, 9);
    return page_.TextHeight("あ") * 1.4;
  }

  void DrawMethods(const std::vector<std::string>& lines) {
    Heading("3. 算定方法と出典");
    UseFont(kMincho, 9);
    const double indent = Width("・");
    const double lineHeight = MethodLineHeight();
    UseFont(kMincho, 9);
    for (const std::string& line : lines) {
      const bool bullet = line.rfind("・", 0) == 0;
      page_.Text(bullet ? left_ : left_ + indent, y_, line);
      y_ += lineHeight;
    }
  }

  double ProgramLineHeight() {
    UseFont(kMincho, 9);
    return page_.TextHeight("あ");
  }

  void DrawProgramLine() {
    UseFont(kMincho, 9);
    const double bottom = page_.document().paperHeight - page_.margins().bottom;
    const std::string text =
        "計算プログラム：" + facts_.program + "　　計算日：" + facts_.calculatedOn;
    const double height = page_.TextHeight("あ");
    page_.Text(left_, std::max(y_ + height, bottom - height * 2), text);
  }

  PageSurface& page_;
  const CalculationCase& calc_;
  const ProjectInfo& project_;
  const CoverFacts& facts_;
  double left_ = 0;
  double right_ = 0;
  double y_ = 0;
  double rowHeight_ = 0;
};

}  // namespace

void DrawCoverPage(PageSurface& page, const CalculationCase& calc, const ProjectInfo& project,
                   const CoverFacts& facts) {
  CoverLayout(page, calc, project, facts).Draw();
}

}  // namespace tavoro
