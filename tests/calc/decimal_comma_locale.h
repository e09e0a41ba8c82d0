#pragma once

#include <clocale>
#include <locale>
#include <string>

namespace tavoro::testing {

// Puts the process under a decimal-comma locale while in scope: the C++
// global locale always (a comma numpunct), the C locale when one of the
// usual decimal-comma locales is installed.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale()
      : previous_(std::locale::global(std::locale(std::locale::classic(), new CommaPunct))) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        cLocale_ = name;
        break;
      }
    }
  }
  ~DecimalCommaLocale() {
    std::setlocale(LC_ALL, "C");
    std::locale::global(previous_);
  }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  // Whether the C library also uses a decimal comma now.
  bool HasCLocale() const { return !cLocale_.empty(); }

 private:
  struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };

  std::locale previous_;
  std::string cLocale_;
};

}  // namespace tavoro::testing
