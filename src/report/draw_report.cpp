#include <exception>

#include "calc/result_notes.h"
#include "page/note_block.h"
#include "page/page_numbers.h"
#include "page/project_header.h"
#include "report/improved_blocks.h"
#include "report/q1_block.h"
#include "report/q2_block.h"
#include "report/report.h"
#include "report/report_error.h"
#include "report/report_text.h"
#include "report/report_values.h"
#include "report/symbol_list.h"
#include "report/uplift_page.h"

namespace tavoro {
namespace {

class ReportPages {
 public:
  ReportPages(PageSurface& page, const CalculationCase& calc, const PageSettings& settings,
              ReportLineCounter& counter)
      : page_(page),
        calc_(calc),
        settings_(settings),
        counter_(counter),
        grid_(page, settings, counter) {}

  // Title, headings, the inflow blocks and the symbol list.
  void DrawFirstPage() {
    BeginReportText(page_, settings_, counter_);
    Print(0, "立坑内湧水量及び地下水位降下高さの算定");
    Advance(2);
    Print(1, "1.湧水量の算定");
    Advance(2);
    Print(3, "地盤改良なしの場合の湧水量 : Q1");
    Advance(2);
    DrawQ1Block(page_, calc_, settings_.CharHeight, Column(5), Column(7), Row());
    Advance(6);
    if (HasImprovement(calc_)) {
      Print(3, "地盤改良を施した場合の湧水量 : Q2");
      Advance(2);
      DrawQ2Block(page_, calc_, settings_.CharHeight, Column(5), Column(7), Row());
      Advance(8);
    }
    DrawSymbolList(page_, calc_, settings_, counter_);
  }

  // The note on how R2 is found and the h2, S2 and R2 blocks.
  void DrawSecondPage() {
    BeginReportText(page_, settings_, counter_);
    if (calc_.ground.radiusMethod == RadiusMethod::kGiven) {
      Print(3, "地盤改良を施した場合の影響範囲R2は、指定値のR1と同じとする。");
    } else {
      Print(3,
            "地盤改良を施した場合の影響範囲R2は、改良外円の水位高さを求め、この水位を未改良地盤の"
            "最低水位");
      Advance(1);
      Print(2, calc_.ground.radiusMethod == RadiusMethod::kKusakin
                   ? "として Kusakin の式より求める。"
                   : "として求める。");
    }
    Advance(2);
    const double charHeight = settings_.CharHeight;
    DrawH2Block(page_, calc_, charHeight, Column(4), Column(13), Column(15), Row());
    Advance(8);
    DrawS2Block(page_, calc_, charHeight, Column(4), Column(13), Column(15), Row());
    Advance(4);
    DrawR2Block(page_, calc_, charHeight, Column(4), Column(13), Column(15), Row());
    Advance(5);
  }

  // Why a result is missing, in the free area two lines below the last
  // block, across the body's width.
  void DrawNotes() {
    std::vector<std::string> texts;
    for (const ResultNote& note : ResultNotes(calc_)) texts.push_back(note.text);
    const int row = counter_.value + 2;
    if (texts.empty() || row > kLastNoteRow) return;
    const double left = Column(2);
    DrawNoteBlock(page_, texts, left, RowTop(settings_, row),
                  page_.document().paperWidth - left - Column(0));
  }

 private:
  static constexpr int kLastNoteRow = 44;
  double Column(int column) const { return grid_.Column(column); }
  double Row() const { return grid_.Row(); }
  void Advance(std::int16_t rows) { grid_.Advance(rows); }
  void Print(int column, std::string_view text) { grid_.Print(column, text); }

  PageSurface& page_;
  const CalculationCase& calc_;
  const PageSettings& settings_;
  ReportLineCounter& counter_;
  GridWriter grid_;
};

}  // namespace

ReportOutcome DrawReport(PageSurface& page, const CalculationCase& calc, PageSettings& settings,
                         ReportLineCounter& counter, const ProjectInfo& project,
                         const CoverFacts* cover) {
  try {
    SetupReportPage(page, settings);
    page.StartDoc();
    if (cover != nullptr) {
      DrawCoverPage(page, calc, project, *cover);
      page.NewPage();
    }
    DrawProjectHeader(page, project);
    ReportPages pages(page, calc, settings, counter);
    pages.DrawFirstPage();
    if (HasImprovement(calc)) {
      page.NewPage();
      DrawProjectHeader(page, project);
      pages.DrawSecondPage();
    }
    pages.DrawNotes();
    if (calc.uplift) {
      page.NewPage();
      DrawProjectHeader(page, project);
      DrawUpliftPage(page, calc, settings, counter);
    }
    if (project.HasHeader() || cover != nullptr) DrawPageNumbers(page);
    page.EndDoc();
    return ReportOutcome{true, {}};
  } catch (const ReportError& error) {
    return ReportOutcome{false, error.what()};
  } catch (const std::exception& error) {
    return ReportOutcome{false, std::string("計算書を作成できません: ") + error.what()};
  }
}

}  // namespace tavoro
