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

std::string NumberText(int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%03d", number);
  return digits;
}

}  // namespace

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

std::string ShaftFileStem(int number, std::string_view shaft) {
  std::string stem = NumberText(number);
  const std::string safe = SafeShaftName(shaft);
  if (!safe.empty()) stem += "-" + safe;
  return stem;
}

std::string ProposedDocumentStem(std::string_view shaft, std::string_view caseStem,
                                 std::string_view document) {
  std::string stem = SafeShaftName(shaft);
  if (stem.empty()) stem = caseStem;
  return stem.empty() ? std::string(document) : stem + "_" + std::string(document);
}

std::string ShaftDocumentName(int number, std::string_view shaft, std::string_view kind) {
  return ShaftFileStem(number, shaft) + "-" + std::string(kind) + ".pdf";
}

std::optional<int> ShaftDocumentNumber(std::string_view fileName) {
  constexpr std::size_t kMostDigits = 9;
  std::string_view stem;
  for (const std::string_view kind : kShaftDocumentKinds) {
    const std::string ending = "-" + std::string(kind) + ".pdf";
    if (fileName.size() > ending.size() && fileName.ends_with(ending)) {
      stem = fileName.substr(0, fileName.size() - ending.size());
    }
  }
  std::size_t digits = 0;
  while (digits < stem.size() && digits <= kMostDigits && stem[digits] >= '0' &&
         stem[digits] <= '9') {
    ++digits;
  }
  if (digits < 3 || digits > kMostDigits) return std::nullopt;
  int number = 0;
  for (std::size_t i = 0; i < digits; ++i) number = number * 10 + (stem[i] - '0');
  if (NumberText(number) != stem.substr(0, digits)) return std::nullopt;
  if (digits == stem.size()) return number;
  const std::string_view shaft = stem.substr(digits + 1);
  if (stem[digits] != '-' || shaft.empty() || SafeShaftName(shaft) != shaft) return std::nullopt;
  return number;
}

}  // namespace tavoro
