#include "verify/verify_pages.h"

#include <array>
#include <string_view>

#include "page/page_length.h"
#include "page/page_numbers.h"
#include "page/page_setup.h"
#include "page/page_table.h"
#include "page/text_fit.h"

namespace tavoro {
namespace {

constexpr std::string_view kMincho = "ＭＳ 明朝";
constexpr std::string_view kGothic = "ＭＳ ゴシック";
constexpr double kTitlePoints = 14;
constexpr double kHeadingPoints = 10.5;
constexpr double kBodyPoints = 9;
constexpr std::size_t kMaxWrappedLines = 6;

// Columns of the check table, as fractions of the body width.
struct Column {
  const char* heading;
  double share;
  bool right;
};
constexpr std::array<Column, 6> kColumns = {{{"項目", 0.20, false},
                                             {"公表値", 0.17, true},
                                             {"計算値", 0.19, true},
                                             {"差", 0.17, true},
                                             {"許容差", 0.14, true},
                                             {"判定", 0.13, false}}};

const char* Verdict(bool passed) {
  return passed ? "合格" : "不合格";
}

class VerifyLayout {
 public:
  VerifyLayout(PageSurface& page, const std::vector<WorkedExample>& examples,
               const std::string& program)
      : page_(page), examples_(examples), program_(program) {}

  void Draw() {
    PageSettings settings;
    SetupReportPage(page_, settings);
    page_.SetDocumentTitle("検証例");
    page_.StartDoc();
    left_ = page_.margins().left;
    width_ = page_.document().paperWidth - 2 * left_;
    bottom_ = page_.document().paperHeight - page_.margins().bottom;
    y_ = page_.margins().top + 10 * kTwipsPerMm;

    UseFont(kGothic, kTitlePoints);
    Line(left_, "検証例");
    y_ += LineHeight() * 0.5;
    UseFont(kMincho, kBodyPoints);
    int passed = 0;
    for (const WorkedExample& example : examples_) passed += example.Passed() ? 1 : 0;
    Line(left_, program_ + "　例 " + std::to_string(examples_.size()) + " 件　合格 " +
                    std::to_string(passed) + " 件　総合判定：" +
                    Verdict(AllPassed(examples_)));
    Line(left_,
         "各例を通常の計算と同じ入力規則と計算で解き、公表値（または基準値）とその桁の半単位以内で"
         "一致すれば合格とする。");
    y_ += LineHeight();

    for (std::size_t i = 0; i < examples_.size(); ++i) DrawExample(i + 1, examples_[i]);
    DrawPageNumbers(page_);
    page_.EndDoc();
  }

 private:
  void UseFont(std::string_view face, double points) {
    page_.SetFontName(face);
    page_.SetFontSize(points);
  }
  double LineHeight() const { return page_.TextHeight("あ") * 1.3; }
  double Width(std::string_view text) const { return page_.TextWidth(text); }

  void Line(double x, const std::string& text) {
    page_.Text(x, y_, text);
    y_ += LineHeight();
  }

  std::vector<std::string> Wrapped(const std::string& text, double width) const {
    return WrapText([this](std::string_view piece) { return Width(piece); }, text, width,
                    kMaxWrappedLines);
  }

  // The label at the left and text wrapped beside it.
  void LabelledText(const std::string& label, const std::string& text) {
    const double indent = Width(label);
    const std::vector<std::string> lines = Wrapped(text, width_ - indent);
    page_.Text(left_, y_, label);
    for (const std::string& line : lines) Line(left_ + indent, line);
  }

  static std::string InputsText(const WorkedExample& example) {
    std::string text;
    for (const ExampleQuantity& input : example.inputs) {
      if (!text.empty()) text += "　";
      text += input.symbol + " = " + ExampleNumber(input.value) + " " + input.unit;
    }
    return text;
  }

  double ExampleHeight(const WorkedExample& example) {
    UseFont(kMincho, kBodyPoints);
    const double lines = 2.0 + static_cast<double>(Wrapped(example.source, width_).size()) +
                         static_cast<double>(Wrapped(InputsText(example), width_).size()) +
                         static_cast<double>(example.checks.size()) + 1;
    return lines * LineHeight() + LineHeight();
  }

  void DrawExample(std::size_t number, const WorkedExample& example) {
    if (y_ + ExampleHeight(example) > bottom_ && y_ > page_.margins().top + LineHeight() * 4) {
      page_.NewPage();
      y_ = page_.margins().top + 10 * kTwipsPerMm;
    }
    UseFont(kGothic, kHeadingPoints);
    Line(left_, std::to_string(number) + ". " + example.name);
    UseFont(kMincho, kBodyPoints);
    LabelledText("出典：", example.source);
    LabelledText("入力：", InputsText(example));
    DrawTable(example);
    y_ += LineHeight();
  }

  void DrawTable(const WorkedExample& example) {
    std::vector<PageTable::Column> columns;
    std::vector<std::string> heading;
    for (const Column& column : kColumns) {
      columns.push_back({column.share * width_, column.right});
      heading.emplace_back(column.heading);
    }
    PageTable table(page_, left_, y_, columns, LineHeight());
    table.Row(heading);
    for (const ExampleCheck& check : example.checks) {
      const std::string unit = check.unit.empty() ? "" : " (" + check.unit + ")";
      table.Row({check.symbol + unit, ExampleNumber(check.published, check.decimals),
                 ExampleNumber(check.computed), ExampleNumber(check.Difference()),
                 "±" + ExampleNumber(check.Tolerance()), Verdict(check.Passed())});
    }
    y_ = table.End();
  }

  PageSurface& page_;
  const std::vector<WorkedExample>& examples_;
  const std::string& program_;
  double left_ = 0;
  double width_ = 0;
  double bottom_ = 0;
  double y_ = 0;
};

}  // namespace

void DrawVerifyPages(PageSurface& page, const std::vector<WorkedExample>& examples,
                     const std::string& program) {
  VerifyLayout(page, examples, program).Draw();
}

}  // namespace tavoro
