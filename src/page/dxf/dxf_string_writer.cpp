#include "page/dxf/dxf_string_writer.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavoro {
namespace {

constexpr char kLineEnd[] = "\r\n";

}  // namespace

// An empty file name opens no file: nothing is written outside bytes_.
DxfStringWriter::DxfStringWriter(DL_Codes::version version) : DL_WriterA("", version) {}

void DxfStringWriter::GroupCode(int gc) const {
  const std::string code = std::to_string(gc);
  if (code.size() < 3) bytes_.append(3 - code.size(), ' ');
  bytes_ += code;
  bytes_ += kLineEnd;
}

void DxfStringWriter::dxfReal(int gc, double value) const {
  GroupCode(gc);
  if (!std::isfinite(value)) value = 0;
  if (value == 0) value = 0;  // no "-0"
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  std::string number(text.data(), result.ptr);
  // DXF readers expect a real to look like one.
  if (number.find_first_of(".e") == std::string::npos) number += ".0";
  bytes_ += number;
  bytes_ += kLineEnd;
}

void DxfStringWriter::dxfInt(int gc, int value) const {
  GroupCode(gc);
  bytes_ += std::to_string(value);
  bytes_ += kLineEnd;
}

void DxfStringWriter::dxfHex(int gc, int value) const {
  GroupCode(gc);
  std::array<char, 16> text{};
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), static_cast<unsigned>(value), 16);
  for (char* c = text.data(); c != result.ptr; ++c) {
    if (*c >= 'a' && *c <= 'f') *c = static_cast<char>(*c - 'a' + 'A');
  }
  bytes_.append(text.data(), result.ptr);
  bytes_ += kLineEnd;
}

void DxfStringWriter::dxfString(int gc, const char* value) const {
  dxfString(gc, std::string(value == nullptr ? "" : value));
}

void DxfStringWriter::dxfString(int gc, const std::string& value) const {
  GroupCode(gc);
  // A line break inside a value would end the value early.
  for (const char c : value) bytes_ += (c == '\r' || c == '\n') ? ' ' : c;
  bytes_ += kLineEnd;
}

}  // namespace tavoro
