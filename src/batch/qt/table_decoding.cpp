#include "batch/qt/table_decoding.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <utility>

namespace tavoro {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Decoders are made in place and used once: Qt 6.4 loses the error state of
// an ICU decoder that is moved. Stateless, so a cut-off last character is an
// error too.
std::optional<std::string> Decode(std::string_view bytes, QStringDecoder& decoder) {
  if (!decoder.isValid()) return std::nullopt;
  const QString text =
      decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (decoder.hasError()) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> DecodeUtf8(std::string_view bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  return Decode(bytes, utf8);
}

std::optional<std::string> DecodeCp932(std::string_view bytes) {
  // ICU names Microsoft's Shift_JIS variant windows-31j.
  QStringDecoder cp932("windows-31j", QStringDecoder::Flag::Stateless);
  if (cp932.isValid()) return Decode(bytes, cp932);
  QStringDecoder shiftJis("Shift_JIS", QStringDecoder::Flag::Stateless);
  return Decode(bytes, shiftJis);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool IsAscii(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Calls visit(number, line) for each line (1 for the first) that holds a
// byte beyond ASCII, where encodings differ, until visit returns true.
template <typename Visit>
void ForNonAsciiLines(std::string_view bytes, Visit visit) {
  int number = 1;
  for (std::size_t start = 0; start <= bytes.size(); ++number) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    const std::string_view line = bytes.substr(start, end - start);
    if (!IsAscii(line) && visit(number, line)) return;
    start = end + 1;
  }
}

// The first line the decoder refuses, 0 when none. Lines end in LF, which
// is no part of a multi-byte character in UTF-8 or CP932.
int FirstBadLine(std::string_view bytes,
                 std::optional<std::string> (*decode)(std::string_view)) {
  int bad = 0;
  ForNonAsciiLines(bytes, [&](int number, std::string_view line) {
    if (decode(line)) return false;
    bad = number;
    return true;
  });
  return bad;
}

std::string LineNumber(int line) {
  return line > 0 ? "表の " + std::to_string(line) + " 行目" : std::string("表の終わり");
}

// A line in UTF-8 with a three-byte character (kana and kanji are) and a
// line that is not UTF-8: a table saved partly in each encoding.
std::optional<std::pair<int, int>> MixedLines(std::string_view bytes) {
  int utf8Line = 0;
  int otherLine = 0;
  ForNonAsciiLines(bytes, [&](int number, std::string_view line) {
    const bool wide = std::any_of(line.begin(), line.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xF0) == 0xE0;
    });
    if (!DecodeUtf8(line)) {
      if (otherLine == 0) otherLine = number;
    } else if (wide && utf8Line == 0) {
      utf8Line = number;
    }
    return utf8Line != 0 && otherLine != 0;
  });
  if (utf8Line == 0 || otherLine == 0) return std::nullopt;
  return std::pair{utf8Line, otherLine};
}

}  // namespace

std::optional<TableEncoding> EncodingNamed(std::string_view name) {
  const std::string lower = Lower(name);
  if (lower == "utf-8" || lower == "utf8") return TableEncoding::kUtf8;
  if (lower == "cp932" || lower == "shift_jis" || lower == "shift-jis" || lower == "sjis" ||
      lower == "windows-31j") {
    return TableEncoding::kCp932;
  }
  return std::nullopt;
}

DecodedTable DecodeTable(std::string_view bytes, TableEncoding encoding) {
  DecodedTable table;
  const bool hasBom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  if (encoding == TableEncoding::kUtf8 || encoding == TableEncoding::kAuto) {
    if (std::optional<std::string> utf8 = DecodeUtf8(bytes)) {
      table.utf8 = std::move(*utf8);
      return table;
    }
    if (encoding == TableEncoding::kUtf8 || hasBom) {
      table.status = Status::Error(LineNumber(FirstBadLine(bytes, DecodeUtf8)) + "が UTF-8 として正しくありません");
      return table;
    }
    // Not UTF-8 throughout: CP932, unless a line reads as UTF-8 Japanese.
    if (const auto mixed = MixedLines(bytes)) {
      table.status = Status::Error("表に UTF-8 の行 (" + std::to_string(mixed->first) + " 行目) と CP932 (Shift_JIS) の行 (" +
                    std::to_string(mixed->second) +
                    " 行目) が混じっています。表を 1 つの文字コードで保存し直してください");
      return table;
    }
  }
  if (std::optional<std::string> utf8 = DecodeCp932(bytes)) {
    table.utf8 = std::move(*utf8);
    return table;
  }
  const std::string line = LineNumber(FirstBadLine(bytes, DecodeCp932));
  table.status = Status::Error(encoding == TableEncoding::kCp932
                    ? line + "が CP932 (Shift_JIS) として正しくありません"
                    : line + "が UTF-8 としても CP932 (Shift_JIS) としても正しくありません");
  return table;
}

}  // namespace tavoro
