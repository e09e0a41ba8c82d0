#include "study/study_answers.h"

#include "study/study_page_text.h"
#include "study/study_text.h"

namespace tavoro {

std::string WidthBoundName(const StudyResult& result) {
  switch (result.bound) {
    case WidthBound::kAsked:
      return result.widthEnd >= kMaxStudyWidth ? "入力できる最大の改良幅" : "指定した上限";
    case WidthBound::kR1:
      return "影響範囲 R1";
    case WidthBound::kRange:
      return "計算範囲";
  }
  return "";
}

std::vector<std::string> StudyAnswerHeader(StudyTargetKind kind) {
  return {"kg (cm/sec)", "改良幅 B (m)",
          StudyTargetHeading(kind),
          "探索範囲の端"};
}

StudyAnswerTable StudyAnswers(const StudyResult& result) {
  const bool inflow = result.target.kind == StudyTargetKind::kInflow;
  StudyAnswerTable table;
  table.header = StudyAnswerHeader(result.target.kind);
  const std::string bound = WidthBoundName(result);
  for (const StudySolution& solution : result.solutions) {
    StudyAnswerRow row;
    row.solution = &solution;
    if (solution.width) {
      row.cells = {KgText(solution.kg), StudyLengthText(*solution.width),
                   inflow ? StudyInflowText(solution.value) : StudyLengthText(solution.value),
                   bound};
    } else {
      row.cells = {KgText(solution.kg), "範囲内では目標に届きません", "—", bound};
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::string AnswerTableTsv(const StudyAnswerTable& table) {
  const auto line = [](const std::vector<std::string>& cells) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + cells[i];
    return text + "\n";
  };
  std::string text = line(table.header);
  for (const StudyAnswerRow& row : table.rows) text += line(row.cells);
  return text;
}

}  // namespace tavoro
