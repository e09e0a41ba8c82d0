#include <QList>
#include <algorithm>
#include <iterator>
#include <QString>
#include <QStringEncoder>

#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

// What the converter puts for a character code page 932 lacks; no
// character is encoded so.
constexpr char kConverterSubstitute[] = "\xFC\xFC";

// Characters whose look-alikes code page 932 holds: Unicode's mappings
// of Shift_JIS chose these for the wave dash, minus, double bar and the
// currency and not signs, Windows chose the full-width forms; and the yen
// sign is the code page's 0x5C.
struct LookAlike {
  char32_t character;
  const char* bytes;
};
constexpr LookAlike kLookAlikes[] = {
    {U'\u301C', "\x81\x60"}, {U'\u2212', "\x81\x7C"}, {U'\u2016', "\x81\x61"},
    {U'\u00A2', "\x81\x91"}, {U'\u00A3', "\x81\x92"}, {U'\u00AC', "\x81\xCA"},
    {U'\u00A5', "\x5C"},
};

// Microsoft's Shift_JIS as ICU names it; plain Shift_JIS where it is missing.
QStringEncoder Cp932Encoder() {
  QStringEncoder cp932("windows-31j", QStringConverter::Flag::Stateless);
  if (cp932.isValid()) return cp932;
  return QStringEncoder("Shift_JIS", QStringConverter::Flag::Stateless);
}

}  // namespace

std::optional<std::string> ShiftJisText(std::string_view utf8, std::string* missing) {
  QStringEncoder encoder = Cp932Encoder();
  if (!encoder.isValid()) return std::nullopt;
  std::string out;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  for (const char32_t c : text.toUcs4()) {
    const auto lookAlike = std::find_if(std::begin(kLookAlikes), std::end(kLookAlikes),
                                        [&](const LookAlike& l) { return l.character == c; });
    if (lookAlike != std::end(kLookAlikes)) {
      out += lookAlike->bytes;
      continue;
    }
    const QString character = QString::fromUcs4(&c, 1);
    const QByteArray bytes = encoder.encode(character);
    if (encoder.hasError() || bytes.isEmpty() || bytes == kConverterSubstitute ||
        (bytes == "?" && c != U'?')) {
      // The error stays with the encoder: start afresh.
      encoder = Cp932Encoder();
      out += '?';
      if (missing != nullptr) {
        const std::string name = character.toStdString();
        if (missing->find(name) == std::string::npos) *missing += name;
      }
    } else {
      out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
  }
  return out;
}

}  // namespace tavoro
