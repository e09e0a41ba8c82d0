#pragma once

#include <string>
#include <vector>

#include "study/study.h"

namespace tavoro {

// The answers of a study as one table, one row per kg studied, every cell
// the text shown: kg, the narrowest width B meeting the target, Q2 or S2 at
// that width, and what bounded the widths searched. A row without a width
// says so in its B cell; its value cell is a dash.
struct StudyAnswerRow {
  std::vector<std::string> cells;
  const StudySolution* solution = nullptr;  // the result's, for its width and kg
};

struct StudyAnswerTable {
  std::vector<std::string> header;
  std::vector<StudyAnswerRow> rows;
};

// The header of the table of a target of kind.
std::vector<std::string> StudyAnswerHeader(StudyTargetKind kind);

// result must outlive the table.
StudyAnswerTable StudyAnswers(const StudyResult& result);

// The short name of what ended the widths studied: "指定した上限",
// "入力できる最大の改良幅", "影響範囲 R1" or "計算範囲".
std::string WidthBoundName(const StudyResult& result);

// Tab-separated text, the header first, each line ending in "\n".
std::string AnswerTableTsv(const StudyAnswerTable& table);

}  // namespace tavoro
