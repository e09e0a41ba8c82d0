#include "batch/summary_csv.h"

#include <algorithm>

#include "calc/ground_rules.h"

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

// The ground texts as read (the method by its name when it reads), then F and
// OK/NG where the bottom was checked.
void AppendGroundCells(std::vector<std::string>& cells, const ShaftOutcome& outcome) {
  for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
    const std::string& text = GroundText(outcome.row.ground, field);
    const auto method = field == kRadiusMethodField ? ReadRadiusMethod(text) : std::nullopt;
    cells.push_back(method ? RadiusMethodName(*method) : text);
  }
  const bool checked = outcome.computed && outcome.calc.uplift && outcome.calc.uplift->applies;
  cells.push_back(checked ? ShortestNumberText(outcome.calc.uplift->F) : "");
  cells.push_back(checked ? (outcome.calc.uplift->ok ? "OK" : "NG") : "");
}

}  // namespace

std::string SummaryCsv(const std::vector<ShaftOutcome>& outcomes) {
  std::string out = "\xEF\xBB\xBF";
  std::vector<std::string> header = {"No.", "立坑名", "状態"};
  for (int field = 0; field < kInputFieldCount; ++field) {
    header.push_back(FieldHeading(field));
  }
  for (const ResultColumn& column : kResultColumns) header.push_back(QuantityHeading(column.quantity));
  // The ground columns only when a row has ground texts: a table without
  // them keeps its summary as it was.
  const bool ground = std::any_of(outcomes.begin(), outcomes.end(), [](const ShaftOutcome& o) {
    return o.row.ground != GroundTexts{};
  });
  if (ground) {
    for (int field = kFirstGroundField; field < kFirstGroundField + kGroundFieldCount; ++field) {
      header.emplace_back(GroundFieldOf(field).caption);
    }
    header.emplace_back(kUpliftFHeading);
    header.emplace_back(kUpliftVerdictHeading);
  }
  header.emplace_back(kDocumentsHeading);
  header.emplace_back(kNotesHeading);
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
    if (ground) AppendGroundCells(cells, outcome);
    cells.push_back(DocumentsNote(outcome));
    cells.push_back(ShaftNotes(outcome));
    AppendRow(out, cells);
  }
  return out;
}

}  // namespace tavoro
