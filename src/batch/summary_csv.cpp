#include "batch/summary_csv.h"

#include <optional>

#include "batch/summary_columns.h"
#include "calc/csv_cell.h"
#include "calc/input_rules.h"

namespace tavoro {
namespace {

void AppendRow(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    out += CsvCell(cells[i]);
  }
  out += "\r\n";
}

std::string InputAsRead(int field, const std::string& text) {
  const std::optional<double> value = ReadFieldText(field, text);
  return value ? ShortestNumberText(*value) : text;
}

}  // namespace

std::string SummaryCsv(const std::vector<ShaftOutcome>& outcomes) {
  std::string out = "\xEF\xBB\xBF";
  std::vector<std::string> header = {"No.", "立坑名", "状態"};
  for (int field = 0; field < kInputFieldCount; ++field) {
    header.push_back(InputColumnHeading(field));
  }
  for (const ResultColumn& column : kResultColumns) header.emplace_back(column.heading);
  header.emplace_back(kDocumentsHeading);
  AppendRow(out, header);

  for (const ShaftOutcome& outcome : outcomes) {
    std::vector<std::string> cells = {std::to_string(outcome.row.number), outcome.row.project.shaft,
                                      ShaftState(outcome)};
    for (int field = 0; field < kInputFieldCount; ++field) {
      cells.push_back(InputAsRead(field, outcome.row.inputs[static_cast<std::size_t>(field)]));
    }
    for (const ResultColumn& column : kResultColumns) {
      cells.push_back(outcome.computed ? ShortestNumberText(column.value(outcome.calc)) : "");
    }
    cells.push_back(DocumentsNote(outcome));
    AppendRow(out, cells);
  }
  return out;
}

}  // namespace tavoro
