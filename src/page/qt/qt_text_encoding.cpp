#include <QList>
#include <QString>
#include <QStringEncoder>

#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

// What the converter puts for a character code page 932 lacks; no
// character is encoded so.
constexpr char kConverterSubstitute[] = "\xFC\xFC";

}  // namespace

std::optional<std::string> ShiftJisText(std::string_view utf8) {
  QStringEncoder encoder("Shift_JIS", QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) return std::nullopt;
  std::string out;
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  for (const char32_t c : text.toUcs4()) {
    const QByteArray bytes = encoder.encode(QString::fromUcs4(&c, 1));
    if (encoder.hasError() || bytes.isEmpty() || bytes == kConverterSubstitute) {
      // The error stays with the encoder: start afresh.
      encoder = QStringEncoder("Shift_JIS", QStringConverter::Flag::Stateless);
      out += '?';
    } else {
      out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
  }
  return out;
}

}  // namespace tavoro
