#include "page/qt/qt_face.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <array>
#include <map>
#include <string>

namespace tavoro {
namespace {

constexpr char kMincho[] = "IPAMincho";
constexpr char kGothic[] = "IPAGothic";

struct FaceAlias {
  std::string_view name;
  const char* family;
};

constexpr std::array<FaceAlias, 6> kAliases{{
    {"ＭＳ 明朝", kMincho},
    {"MS Mincho", kMincho},
    {"ＭＳ Ｐ明朝", kMincho},
    {"ＭＳ ゴシック", kGothic},
    {"MS Gothic", kGothic},
    {"ＭＳ Ｐゴシック", kGothic},
}};

int ReadInt16(const QByteArray& table, int offset) {
  const auto high = static_cast<unsigned char>(table[offset]);
  const auto low = static_cast<unsigned char>(table[offset + 1]);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((high << 8) | low));
}

int ReadUint16(const QByteArray& table, int offset) {
  const auto high = static_cast<unsigned char>(table[offset]);
  const auto low = static_cast<unsigned char>(table[offset + 1]);
  return (high << 8) | low;
}

FaceMetrics MakeFace(std::string_view requestedName) {
  FaceMetrics face;
  face.font.setFamilies({ResolveFamily(requestedName), QString::fromLatin1(kMincho)});
  face.font.setPixelSize(kReferencePixelSize);
  face.font.setHintingPreference(QFont::PreferNoHinting);
  face.font.setKerning(false);

  // The hhea line height: ascender - descender, without the line gap.
  const QRawFont raw = QRawFont::fromFont(face.font);
  const QByteArray hhea = raw.fontTable("hhea");
  const QByteArray head = raw.fontTable("head");
  if (hhea.size() >= 8 && head.size() >= 20) {
    const int unitsPerEm = ReadUint16(head, 18);
    const int ascender = ReadInt16(hhea, 4);
    const int descender = ReadInt16(hhea, 6);
    if (unitsPerEm > 0 && ascender > descender) {
      const double scale = static_cast<double>(kReferencePixelSize) / unitsPerEm;
      face.ascent = ascender * scale;
      face.lineHeight = (ascender - descender) * scale;
      return face;
    }
  }
  const QFontMetricsF metrics(face.font);
  face.ascent = metrics.ascent();
  face.lineHeight = metrics.ascent() + metrics.descent();
  return face;
}

}  // namespace

QString ResolveFamily(std::string_view requestedName) {
  for (const FaceAlias& alias : kAliases) {
    if (requestedName == alias.name) return QString::fromLatin1(alias.family);
  }
  const QString family =
      QString::fromUtf8(requestedName.data(), static_cast<qsizetype>(requestedName.size()));
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return family;
  return QString::fromLatin1(kMincho);
}

const FaceMetrics& FaceFor(std::string_view requestedName) {
  // Qt's font engines belong to the thread that made them, so each thread
  // that measures or paints keeps faces of its own.
  thread_local std::map<std::string, FaceMetrics, std::less<>> faces;
  auto found = faces.find(requestedName);
  if (found == faces.end()) {
    found = faces.emplace(std::string(requestedName), MakeFace(requestedName)).first;
  }
  return found->second;
}

}  // namespace tavoro
