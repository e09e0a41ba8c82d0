#include "documents/case_documents.h"

#include <exception>

#include "chart/chart.h"
#include "report/report.h"
#include "tavoro_version.h"

namespace tavoro {

std::string_view DocumentCaption(CaseDocument document) {
  return document == CaseDocument::kReport ? "計算書" : "地下水位降下曲線";
}

CoverFacts CoverMadeOn(std::string date) {
  return CoverFacts{"Tavoro " TAVORO_VERSION, std::move(date)};
}

std::string DrawCaseDocument(PageSurface& page, CaseDocument document,
                             const CalculationCase& calc, const ProjectInfo& project,
                             PageSettings& settings, ReportLineCounter& counter,
                             const CoverFacts* cover) {
  try {
    if (document == CaseDocument::kChart) {
      BuildChartPage(page, calc, settings, project);
      return {};
    }
    const ReportOutcome outcome = DrawReport(page, calc, settings, counter, project, cover);
    return outcome.completed ? std::string() : outcome.error;
  } catch (const std::exception& failure) {
    return failure.what();
  }
}

BuiltDocument BuildCaseDocument(const TextMeasurer& measurer, CaseDocument document,
                                const CalculationCase& calc, const ProjectInfo& project,
                                const CoverFacts* cover) {
  PageSurface page(measurer);
  PageSettings settings;
  ReportLineCounter counter;
  std::string error = DrawCaseDocument(page, document, calc, project, settings, counter, cover);
  return {page.document(), error.empty() ? Status::Ok() : Status::Error(std::move(error))};
}

}  // namespace tavoro
