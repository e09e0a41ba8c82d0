#pragma once

#include <QFont>
#include <string_view>

namespace tavoro {

// Text is set at this pixel size and scaled to the wanted size by the
// painter's transform, so measuring and drawing never depend on a device.
inline constexpr int kReferencePixelSize = 2000;

// A face as it is measured and drawn: the font at the reference pixel size
// and its hhea ascent and line height (ascent + descent, no line gap) in
// reference pixels.
struct FaceMetrics {
  QFont font;
  double ascent = 0;
  double lineHeight = 0;
};

// The Qt family for a face name the drawing code asks for: the report's
// mincho and gothic faces map to IPAMincho and IPAGothic, an installed
// family is used as it is, anything else falls back to IPAMincho.
QString ResolveFamily(std::string_view requestedName);

// The face for requestedName, cached for the calling thread. Needs a
// QGuiApplication.
const FaceMetrics& FaceFor(std::string_view requestedName);

// Twips per reference pixel for a font of points points.
inline double TwipsPerReferencePixel(double points) {
  return points * 20.0 / kReferencePixelSize;
}

}  // namespace tavoro
