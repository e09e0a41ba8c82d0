#include "page/dxf/dxf_drawing.h"

#include <dxflib/dl_dxf.h>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <variant>
#include <vector>

#include "page/dxf/dxf_geometry.h"
#include "page/dxf/dxf_string_writer.h"

namespace tavoro {
namespace {

// DXF R12 (AC1009) with $DWGCODEPAGE ANSI_932 and Shift_JIS strings: Jw_cad
// reads DXF only in this form (it knows no UTF-8 drawing), and LibreCAD,
// AutoCAD and ezdxf decode R12 strings by the code page. DXF 2007 and later
// carry UTF-8, which Jw_cad shows as garbage. R12 has no lineweights, so a
// pen's width is left to the layer; lines end in CR LF as on Windows.
// dxflib writes the header, the tables, texts and solids; lines, polylines
// and circles are written here because dxflib's R12 output drops an
// entity's own linetype, which the dotted lines need.
constexpr DL_Codes::version kVersion = DL_Codes::AC1009;
constexpr char kCodePage[] = "ANSI_932";

constexpr double kMmPerTwip = 25.4 / 1440.0;
// The baseline lies this share of the line height below the top of a text:
// the ascent of the IPA faces the pages are set in.
constexpr double kAscentShare = 0.88;
constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kCapShare = 0.7;
constexpr double kLargestFontPoints = 2000.0;
constexpr double kLargestRadiusTwips = 1.0e6;
// The painter's hatch: lines 90 twips apart on a grid fixed to the page.
constexpr double kHatchSpacingTwips = 90.0;
// The painter's dotted pen: dots of 15 twips, gaps of 45.
constexpr double kDotMm = 15.0 * kMmPerTwip;
constexpr double kDotGapMm = 45.0 * kMmPerTwip;

constexpr char kContinuous[] = "CONTINUOUS";
constexpr char kDotted[] = "DOT";
constexpr char kByLayer[] = "BYLAYER";
constexpr int kColourByLayer = 256;
constexpr int kColourBlack = 7;  // black on white paper, white on a dark screen
constexpr char kTextStyle[] = "STANDARD";

constexpr std::array<DrawingLayer, 6> kLayers = {
    DrawingLayer::kNone,  DrawingLayer::kFrame,       DrawingLayer::kScale,
    DrawingLayer::kWater, DrawingLayer::kImprovement, DrawingLayer::kDimension,
};

// text as CAD shows it typed: CAD reads "%%" followed by a letter as a
// symbol ("%%p" is ±) and "^" followed by a character as a control code
// ("^J" a line break). A run of two or more percent signs is written as
// "%%%" each (one percent sign), a caret before anything as "^ ".
std::string LiteralText(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool inPercentRun = c == '%' && ((i > 0 && text[i - 1] == '%') ||
                                           (i + 1 < text.size() && text[i + 1] == '%'));
    if (inPercentRun) {
      out += "%%%";
    } else if (c == '^' && i + 1 < text.size()) {
      out += "^ ";
    } else {
      out += c;
    }
  }
  return out;
}

class DrawingWriter {
 public:
  DrawingWriter(const Document& document, const DxfTextEncoder& encode)
      : paperHeight_(document.paperHeight),
        paper_{0, 0, document.paperWidth, document.paperHeight},
        encode_(encode) {
    // dxflib takes the version to write only from out(), which also opens a
    // file; with no name it opens nothing and returns null.
    std::unique_ptr<DL_WriterA>(dxf_.out("", kVersion)).reset();
  }

  void WriteAll(const Page& page) {
    WriteHeader();
    WriteTables();
    writer_.sectionEntities();
    for (const PageCommand& command : page.commands) {
      std::visit([this](const auto& c) { Draw(c); }, command);
    }
    FlushPolyline();
    writer_.sectionEnd();
    writer_.dxfEOF();
  }

  const std::string& bytes() const { return writer_.bytes(); }

 private:
  DxfPoint Mm(DxfPoint twips) const {
    return {twips.x * kMmPerTwip, (paperHeight_ - twips.y) * kMmPerTwip};
  }

  std::string Layer(DrawingLayer layer) const { return encode_(DxfLayerName(layer)); }

  DL_Attributes Attributes(DrawingLayer layer) const {
    return DL_Attributes(Layer(layer), kColourByLayer, 0, kByLayer, 1.0);
  }

  // Starts an entity on layer; a dotted one names the linetype, any other
  // takes the layer's (CONTINUOUS).
  void BeginEntity(const char* type, DrawingLayer layer, bool dotted) {
    writer_.entity(type);
    writer_.dxfString(8, Layer(layer));
    if (dotted) writer_.dxfString(6, kDotted);
  }

  void Point(int code, DxfPoint mm) { writer_.coord(code, mm.x, mm.y, 0.0); }

  void WriteLine(DxfPoint from, DxfPoint to, DrawingLayer layer, bool dotted) {
    BeginEntity("LINE", layer, dotted);
    Point(10, from);
    Point(11, to);
  }

  // A polyline through points (in millimetres), each with its bulge; width
  // is the constant width of its segments.
  void WritePolyline(const std::vector<DxfPoint>& points, double bulge, bool closed, double width,
                     DrawingLayer layer, bool dotted) {
    BeginEntity("POLYLINE", layer, dotted);
    writer_.dxfInt(66, 1);
    Point(10, {0, 0});
    writer_.dxfInt(70, closed ? 1 : 0);
    if (width > 0) {
      writer_.dxfReal(40, width);
      writer_.dxfReal(41, width);
    }
    for (const DxfPoint& point : points) {
      BeginEntity("VERTEX", layer, false);
      Point(10, point);
      if (bulge != 0) writer_.dxfReal(42, bulge);
    }
    writer_.entity("SEQEND");
    writer_.dxfString(8, Layer(layer));
  }

  void HeaderPoint(const char* name, double x, double y) {
    writer_.dxfString(9, name);
    writer_.dxfReal(10, x);
    writer_.dxfReal(20, y);
  }

  void WriteHeader() {
    dxf_.writeHeader(writer_);
    writer_.dxfString(9, "$DWGCODEPAGE");
    writer_.dxfString(3, kCodePage);
    const double width = paper_.right * kMmPerTwip;
    const double height = paper_.bottom * kMmPerTwip;
    HeaderPoint("$INSBASE", 0, 0);
    HeaderPoint("$EXTMIN", 0, 0);
    HeaderPoint("$EXTMAX", width, height);
    HeaderPoint("$LIMMIN", 0, 0);
    HeaderPoint("$LIMMAX", width, height);
    writer_.dxfString(9, "$LTSCALE");
    writer_.dxfReal(40, 1.0);
    writer_.sectionEnd();
  }

  void WriteTables() {
    writer_.sectionTables();
    dxf_.writeVPort(writer_);

    writer_.tableLinetypes(2);
    dxf_.writeLinetype(writer_, DL_LinetypeData(kContinuous, "Solid line", 0, 0, 0.0));
    std::array<double, 2> dots = {kDotMm, -kDotGapMm};
    dxf_.writeLinetype(
        writer_, DL_LinetypeData(kDotted, ". . . . . .", 0, 2, kDotMm + kDotGapMm, dots.data()));
    writer_.tableEnd();

    writer_.tableLayers(static_cast<int>(kLayers.size()) + 1);
    for (const DrawingLayer layer : kLayers) WriteLayer(Layer(layer));
    WriteLayer(encode_(kDxfTextLayer));
    writer_.tableEnd();

    writer_.tableStyle(1);
    // txt.shx with the Japanese big font of Japanese CAD programs.
    DL_StyleData style(kTextStyle, 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", "bigfont.shx");
    dxf_.writeStyle(writer_, style);
    writer_.tableEnd();
    writer_.sectionEnd();
  }

  void WriteLayer(const std::string& name) {
    dxf_.writeLayer(writer_, DL_LayerData(name, 0),
                    DL_Attributes("", kColourBlack, 0, kContinuous, 1.0));
  }

  // Lines: a line that starts where the previous one ended, with the same
  // pen style and layer, extends the open polyline.
  void Draw(const LineCommand& line) {
    const std::optional<DxfSegment> visible =
        ClipToBox({{line.x1, line.y1}, {line.x2, line.y2}}, paper_);
    if (!visible) return;
    const bool dotted = line.pen.style == PenStyle::kDotted;
    const bool continues = !polyline_.empty() && polyline_.back() == visible->from &&
                           polylineDotted_ == dotted && polylineLayer_ == line.layer;
    if (!continues) {
      FlushPolyline();
      polyline_.push_back(visible->from);
      polylineDotted_ = dotted;
      polylineLayer_ = line.layer;
    }
    polyline_.push_back(visible->to);
  }

  void FlushPolyline() {
    std::vector<DxfPoint> points;
    for (const DxfPoint& twips : polyline_) points.push_back(Mm(twips));
    if (points.size() == 2) {
      WriteLine(points[0], points[1], polylineLayer_, polylineDotted_);
    } else if (points.size() > 2) {
      WritePolyline(points, 0, false, 0, polylineLayer_, polylineDotted_);
    }
    polyline_.clear();
  }

  void WriteHatch(const std::vector<DxfSegment>& lines, DrawingLayer layer) {
    for (const DxfSegment& line : lines) WriteLine(Mm(line.from), Mm(line.to), layer, false);
  }

  // A filled disc: a closed polyline of two half circles as wide as the radius.
  void WriteDonut(DxfPoint centre, double radius, DrawingLayer layer) {
    const double half = radius / 2;
    WritePolyline({{centre.x - half, centre.y}, {centre.x + half, centre.y}}, 1.0, true, radius,
                  layer, false);
  }

  void Draw(const CircleCommand& circle) {
    FlushPolyline();
    const double radius = std::abs(circle.radius);
    if (!std::isfinite(radius) || radius > kLargestRadiusTwips || radius == 0) return;
    // Only circles wholly on the paper: CAD has no clipping.
    if (circle.x - radius < paper_.left || circle.x + radius > paper_.right ||
        circle.y - radius < paper_.top || circle.y + radius > paper_.bottom) {
      return;
    }
    const DxfPoint centre = Mm({circle.x, circle.y});
    const double radiusMm = radius * kMmPerTwip;
    if (circle.brush == BrushStyle::kSolid) {
      WriteDonut(centre, radiusMm, circle.layer);
    } else {
      std::vector<DxfSegment> chords;
      const DxfBox box{circle.x - radius, circle.y - radius, circle.x + radius, circle.y + radius};
      for (const DxfSegment& line : HatchSegments(box, kHatchSpacingTwips)) {
        if (auto chord = ChordOnLine(line, {circle.x, circle.y}, radius)) chords.push_back(*chord);
      }
      WriteHatch(chords, circle.layer);
    }
    BeginEntity("CIRCLE", circle.layer, circle.pen.style == PenStyle::kDotted);
    Point(10, centre);
    writer_.dxfReal(40, radiusMm);
  }

  void Draw(const RectangleCommand& rectangle) {
    FlushPolyline();
    if (!std::isfinite(rectangle.x1 + rectangle.x2 + rectangle.y1 + rectangle.y2)) return;
    // Cut to the paper as the painter does.
    const DxfBox box{std::max(std::min(rectangle.x1, rectangle.x2), paper_.left),
                     std::max(std::min(rectangle.y1, rectangle.y2), paper_.top),
                     std::min(std::max(rectangle.x1, rectangle.x2), paper_.right),
                     std::min(std::max(rectangle.y1, rectangle.y2), paper_.bottom)};
    if (box.left > box.right || box.top > box.bottom) return;
    if (rectangle.brush == BrushStyle::kSolid) {
      const DxfPoint lowLeft = Mm({box.left, box.bottom});
      const DxfPoint highRight = Mm({box.right, box.top});
      // SOLID's third and fourth corners cross over: 1-2 bottom, 3-4 top.
      dxf_.writeSolid(writer_,
                      DL_SolidData(lowLeft.x, lowLeft.y, 0, highRight.x, lowLeft.y, 0, lowLeft.x,
                                   highRight.y, 0, highRight.x, highRight.y, 0),
                      Attributes(rectangle.layer));
    } else {
      WriteHatch(HatchSegments(box, kHatchSpacingTwips), rectangle.layer);
    }
    WritePolyline({Mm({box.left, box.top}), Mm({box.right, box.top}), Mm({box.right, box.bottom}),
                   Mm({box.left, box.bottom})},
                  0, true, 0, rectangle.layer, rectangle.pen.style == PenStyle::kDotted);
  }

  void Draw(const TextCommand& text) {
    FlushPolyline();
    if (text.text.empty()) return;
    if (!(text.font.size > 0) || text.font.size > kLargestFontPoints) return;
    if (!std::isfinite(text.x) || !std::isfinite(text.y) || !std::isfinite(text.height)) return;
    if (text.x < paper_.left || text.x > paper_.right || text.y < paper_.top ||
        text.y > paper_.bottom) {
      return;
    }
    // The reference point is the top-left corner; DXF places the baseline's
    // left end, one ascent down the text's own vertical.
    const double degrees = text.direction == TextDirection::kRising ? 90.0 : 0.0;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double ascent = kAscentShare * text.height;
    const DxfPoint base =
        Mm({text.x + ascent * std::sin(radians), text.y + ascent * std::cos(radians)});
    // DXF gives a text the height of its capitals: 0.7 em in the IPA faces,
    // so Latin letters and digits keep the page's size in CAD.
    const double height = kCapShare * text.font.size * kMmPerPoint;
    dxf_.writeText(writer_,
                   DL_TextData(base.x, base.y, 0, base.x, base.y, 0, height, 1.0, 0, 0, 0,
                               encode_(LiteralText(text.text)), kTextStyle, radians),
                   DL_Attributes(encode_(kDxfTextLayer), kColourByLayer, 0, kByLayer, 1.0));
  }

  DxfStringWriter writer_{kVersion};
  DL_Dxf dxf_;
  double paperHeight_;
  DxfBox paper_;
  const DxfTextEncoder& encode_;
  std::vector<DxfPoint> polyline_;
  bool polylineDotted_ = false;
  DrawingLayer polylineLayer_ = DrawingLayer::kNone;
};

}  // namespace

std::string_view DxfLayerName(DrawingLayer layer) {
  switch (layer) {
    case DrawingLayer::kFrame:
      return "枠";
    case DrawingLayer::kScale:
      return "目盛";
    case DrawingLayer::kWater:
      return "水位";
    case DrawingLayer::kImprovement:
      return "改良";
    case DrawingLayer::kDimension:
      return "寸法";
    case DrawingLayer::kNone:
      break;
  }
  return "0";
}

std::optional<std::string> DxfDrawing(const Document& document, int pageIndex,
                                      const DxfTextEncoder& encode) {
  if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= document.pages.size()) {
    return std::nullopt;
  }
  if (!std::isfinite(document.paperWidth) || !std::isfinite(document.paperHeight) ||
      !(document.paperWidth > 0) || !(document.paperHeight > 0)) {
    return std::nullopt;
  }
  DrawingWriter writer(document, encode);
  writer.WriteAll(document.pages[static_cast<std::size_t>(pageIndex)]);
  return writer.bytes();
}

}  // namespace tavoro
