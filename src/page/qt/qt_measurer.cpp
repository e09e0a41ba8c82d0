#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "page/qt/qt_face.h"
#include "page/qt/qt_page.h"

namespace tavoro {

void InstallFaceSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
  QFont::insertSubstitution(QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho"));
  QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"));
}

double QtTextMeasurer::TextWidth(const FontSpec& font, std::string_view text) const {
  const FaceMetrics& face = FaceFor(font.name);
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return QFontMetricsF(face.font).horizontalAdvance(string) * TwipsPerReferencePixel(font.size);
}

double QtTextMeasurer::TextHeight(const FontSpec& font, std::string_view /*text*/) const {
  return FaceFor(font.name).lineHeight * TwipsPerReferencePixel(font.size);
}

}  // namespace tavoro
