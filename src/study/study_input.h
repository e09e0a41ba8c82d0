#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "study/study.h"

namespace tavoro {

// A value typed for the study, or a Japanese message quoting the text (at
// most 40 characters of it) with what is accepted.
struct StudyValueRead {
  std::optional<double> value;
  std::string error;
};

// The target as the form reads a field (full-width forms, blanks around it),
// optionally with its unit: m3/min or m³/min for Q2, m for S2. Above 0.
StudyValueRead ReadStudyTarget(StudyTargetKind kind, std::string_view text);

// The widest ring to study, read as the form reads 改良幅: above 0, at most
// the form's widest ring.
StudyValueRead ReadStudyWidthMax(std::string_view text);

// A list of permeabilities in cm/sec separated by commas ("1e-4, 1e-5"),
// each read as the form reads 改良後の透水係数 and accepted as the form
// accepts it (1e-9 up to kn, kn as typed), 1 to 6 of them; or a Japanese
// message naming the first entry at fault, an empty one as 空欄.
struct KgListRead {
  std::optional<std::vector<double>> list;
  std::string error;
};
KgListRead ReadKgList(std::string_view text, double knCmPerSec);

// The list as it reads back: "0.0001,1e-05,0.001".
std::string KgListText(const std::vector<double>& list);

}  // namespace tavoro
