#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

// A target typed for the study: the whole text must be one number, blanks
// around it allowed, the full stop as the decimal point in every locale.
// None otherwise.
std::optional<double> ReadStudyNumber(std::string_view text);

// A ring width as the form reads the 改良幅 field (full-width forms, an
// optional "m").
std::optional<double> ReadStudyWidth(std::string_view text);

// A list of permeabilities in cm/sec separated by commas ("1e-4, 1e-5"),
// each read as the form reads 改良後の透水係数, or a Japanese message quoting the first item that
// is not a number.
struct KgListRead {
  std::optional<std::vector<double>> list;
  std::string error;
};
KgListRead ReadKgList(std::string_view text);

// The list as it reads back: "0.0001,1e-05,0.001".
std::string KgListText(const std::vector<double>& list);

}  // namespace tavoro
