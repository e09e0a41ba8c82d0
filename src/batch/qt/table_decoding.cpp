#include "batch/qt/table_decoding.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

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
      table.error = "表の文字コードが UTF-8 として正しくありません";
      return table;
    }
  }
  if (std::optional<std::string> utf8 = DecodeCp932(bytes)) {
    table.utf8 = std::move(*utf8);
    return table;
  }
  table.error =
      encoding == TableEncoding::kCp932
          ? "表の文字コードが CP932 (Shift_JIS) として正しくありません"
          : "表の文字コードを判別できません (UTF-8 でも CP932 (Shift_JIS) でもありません)";
  return table;
}

}  // namespace tavoro
