#include "batch/output_names.h"

#include <cstdio>

namespace tavoro {
namespace {

constexpr std::size_t kMaxShaftBytes = 80;

bool IsForbidden(unsigned char c) {
  constexpr std::string_view kForbidden = "\\/:*?\"<>|";
  return c < 0x20 || c == 0x7F || kForbidden.find(static_cast<char>(c)) != std::string_view::npos;
}

bool IsContinuationByte(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

std::string SafeShaftName(std::string_view shaft) {
  std::string safe;
  for (const char c : shaft) safe += IsForbidden(static_cast<unsigned char>(c)) ? '_' : c;
  if (safe.size() > kMaxShaftBytes) {
    std::size_t cut = kMaxShaftBytes;
    while (cut > 0 && IsContinuationByte(static_cast<unsigned char>(safe[cut]))) --cut;
    safe.resize(cut);
  }
  const std::size_t first = safe.find_first_not_of(" .");
  if (first == std::string::npos) return "";
  const std::size_t last = safe.find_last_not_of(" .");
  return safe.substr(first, last - first + 1);
}

}  // namespace

std::string ShaftFileStem(int number, std::string_view shaft) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", number);
  std::string stem(digits);
  const std::string safe = SafeShaftName(shaft);
  if (!safe.empty()) stem += "-" + safe;
  return stem;
}

}  // namespace tavoro
