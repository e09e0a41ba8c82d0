#include "document_export.h"

namespace tavoro {

std::string ExportReport(const CalculationCase&, const std::string&, int) {
  return "the report is not available yet";
}

std::string ExportChart(const CalculationCase&, const std::string&, int) {
  return "the chart is not available yet";
}

}  // namespace tavoro
