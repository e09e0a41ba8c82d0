#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

// A number typed for the study (a maximum width, a target, one kg): the
// whole text must be one number, blanks around it allowed, the full stop
// as the decimal point in every locale. None otherwise.
std::optional<double> ReadStudyNumber(std::string_view text);

// A list of permeabilities in cm/sec separated by commas ("1e-4, 1e-5"),
// or a Japanese message quoting the first item that is not a number.
struct KgListRead {
  std::optional<std::vector<double>> list;
  std::string error;
};
KgListRead ReadKgList(std::string_view text);

// The list as it reads back: "0.0001,1e-05,0.001".
std::string KgListText(const std::vector<double>& list);

}  // namespace tavoro
