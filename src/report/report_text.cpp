#include "report/report_text.h"

#include <cstdint>
#include <limits>
#include <string>

#include "calc/whole_number.h"
#include "report/report_error.h"

namespace tavoro {

double RowTop(const PageSettings& settings, int row) {
  if (!decltype(settings.RowY)::Contains(row)) {
    throw ReportError("計算書を作成できません: 行番号 " + std::to_string(row) +
                      " が行グリッド (1〜48) の外です。");
  }
  return settings.RowY[row];
}

double ColumnLeft(const PageSettings& settings, int column) {
  if (!decltype(settings.ColX)::Contains(column)) {
    throw ReportError("計算書を作成できません: 列番号 " + std::to_string(column) +
                      " が行グリッド (0〜50) の外です。");
  }
  return settings.ColX[column];
}

void BeginReportText(PageSurface& page, const PageSettings& settings, ReportLineCounter& counter) {
  page.SetFontSize(settings.BaseFontSize);
  page.SetFontName(settings.BodyFontName);
  counter.value = 1;
  page.SetCurrentY(RowTop(settings, counter.value));
}

std::int16_t AdvanceLines(ReportLineCounter& counter, std::int16_t n) {
  const int sum = int{counter.value} + int{n};
  if (sum < std::numeric_limits<std::int16_t>::min() ||
      sum > std::numeric_limits<std::int16_t>::max()) {
    throw ReportError("計算書を作成できません: 行カウンタがあふれました。");
  }
  counter.value = static_cast<std::int16_t>(sum);
  return counter.value;
}

void PrintSuperscript(PageSurface& page, std::string_view text) {
  const double savedSize = page.FontSize();
  const auto wholeSize = ToInt32(savedSize);
  if (!wholeSize) {
    throw ReportError("計算書を作成できません: 文字の大きさが不正です。");
  }
  page.SetFontSize(static_cast<double>((*wholeSize / 3) * 2));
  page.Text(text);
  page.SetFontSize(savedSize);
}

}  // namespace tavoro
