#include <QBrush>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <cmath>
#include <variant>

#include "page/qt/qt_face.h"
#include "page/qt/qt_geometry.h"
#include "page/qt/qt_page.h"

namespace tavoro {
namespace {

// Drawing is kept within this distance of the paper; farther geometry is
// cut off before it reaches the painter, which misbehaves on huge values.
constexpr double kBoundMarginTwips = 1440.0;
// The thinnest line: 0.2 pt, or one device pixel where that is wider.
constexpr double kThinnestTwips = 4.0;
constexpr double kWidestPenTwips = 1440.0;
// Dotted pens: dots and gaps in twips, whatever the device.
constexpr double kDotTwips = 15.0;
constexpr double kDotGapTwips = 45.0;
constexpr double kLargestRadiusTwips = 1.0e6;
constexpr double kLargestFontPoints = 2000.0;

struct PageContext {
  QPainter& painter;
  QRectF paper;
  QRectF bound;
  double pixelTwips;
};

// Twips covered by one device pixel under the painter's transform.
double DevicePixelTwips(const QPainter& painter) {
  const double determinant = std::abs(painter.combinedTransform().determinant());
  if (!std::isfinite(determinant) || determinant <= 0) return 1.0;
  return 1.0 / std::sqrt(determinant);
}

double ThinnestTwips(const PageContext& context) {
  return std::max(kThinnestTwips, std::min(context.pixelTwips, kWidestPenTwips));
}

QPen MakePen(const Pen& pen, const PageContext& context) {
  double width = std::isfinite(pen.width) ? std::min(pen.width, kWidestPenTwips) : 0.0;
  width = std::max(width, ThinnestTwips(context));
  QPen qpen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  qpen.setCosmetic(false);
  if (pen.style == PenStyle::kDotted) {
    // Qt measures dash patterns in pen widths.
    const double dot = std::max(kDotTwips, width);
    qpen.setDashPattern({dot / width, kDotGapTwips / width});
  } else {
    qpen.setCapStyle(Qt::SquareCap);
  }
  return qpen;
}

void FillShape(const PageContext& context, const QPainterPath& shape, BrushStyle brush) {
  QPainter& painter = context.painter;
  if (brush == BrushStyle::kSolid) {
    painter.fillPath(shape, Qt::black);
    return;
  }
  const QRectF area = shape.boundingRect().intersected(context.bound);
  const std::vector<QLineF> lines = HatchLines(area);
  if (lines.empty()) return;
  painter.save();
  painter.setClipPath(shape, Qt::IntersectClip);
  painter.setPen(QPen(Qt::black, ThinnestTwips(context), Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  for (const QLineF& line : lines) {
    // Cut to the area too: an SVG drawing keeps no clip.
    if (const auto cut = ClipSegment(line.x1(), line.y1(), line.x2(), line.y2(), area)) {
      painter.drawLine(*cut);
    }
  }
  painter.restore();
}

void Outline(const PageContext& context, const QPainterPath& shape, const Pen& pen) {
  context.painter.strokePath(shape, MakePen(pen, context));
}

struct CommandPainter {
  const PageContext& context;

  void operator()(const TextCommand& text) const {
    if (!(text.font.size > 0) || text.font.size > kLargestFontPoints) return;
    if (!std::isfinite(text.x) || !std::isfinite(text.y)) return;
    QTransform place;
    place.translate(text.x, text.y);
    if (text.direction == TextDirection::kRising) place.rotate(-90.0);
    const QRectF extent = place.mapRect(QRectF(0, 0, text.width, text.height));
    if (!extent.intersects(context.bound)) return;

    const FaceMetrics& face = FaceFor(text.font.name);
    const double scale = TwipsPerReferencePixel(text.font.size);
    QPainter& painter = context.painter;
    painter.save();
    painter.setTransform(place, true);
    painter.scale(scale, scale);
    painter.setFont(face.font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, face.ascent), QString::fromStdString(text.text));
    painter.restore();
  }

  void operator()(const LineCommand& line) const {
    const auto visible = ClipSegment(line.x1, line.y1, line.x2, line.y2, context.bound);
    if (!visible) return;
    context.painter.setPen(MakePen(line.pen, context));
    context.painter.drawLine(*visible);
  }

  void operator()(const CircleCommand& circle) const {
    const double radius = std::abs(circle.radius);
    if (!std::isfinite(radius) || radius > kLargestRadiusTwips) return;
    const QRectF& bound = context.bound;
    if (circle.x + radius < bound.left() || circle.x - radius > bound.right() ||
        circle.y + radius < bound.top() || circle.y - radius > bound.bottom()) {
      return;
    }
    QPainterPath shape;
    shape.addEllipse(QPointF(circle.x, circle.y), radius, radius);
    FillShape(context, shape, circle.brush);
    Outline(context, shape, circle.pen);
  }

  void operator()(const RectangleCommand& rectangle) const {
    const QRectF corners =
        QRectF(QPointF(rectangle.x1, rectangle.y1), QPointF(rectangle.x2, rectangle.y2))
            .normalized();
    // Edges beyond the bound lie off the paper, so cutting there changes nothing visible.
    const QRectF& bound = context.bound;
    const double left = std::max(corners.left(), bound.left());
    const double right = std::min(corners.right(), bound.right());
    const double top = std::max(corners.top(), bound.top());
    const double bottom = std::min(corners.bottom(), bound.bottom());
    if (left > right || top > bottom) return;
    QPainterPath shape;
    shape.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
    FillShape(context, shape, rectangle.brush);
    Outline(context, shape, rectangle.pen);
  }
};

}  // namespace

void PaintPageTwips(QPainter& painter, const Document& document, int pageIndex) {
  if (pageIndex < 0 || static_cast<std::size_t>(pageIndex) >= document.pages.size()) return;
  if (!std::isfinite(document.paperWidth) || !std::isfinite(document.paperHeight) ||
      document.paperWidth <= 0 || document.paperHeight <= 0) {
    return;
  }
  const QRectF paper(0, 0, document.paperWidth, document.paperHeight);
  const PageContext context{
      painter, paper,
      paper.adjusted(-kBoundMarginTwips, -kBoundMarginTwips, kBoundMarginTwips, kBoundMarginTwips),
      DevicePixelTwips(painter)};

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.fillRect(paper, Qt::white);
  painter.setClipRect(paper, Qt::IntersectClip);
  painter.setBrush(Qt::NoBrush);
  const CommandPainter paint{context};
  for (const PageCommand& command : document.pages[static_cast<std::size_t>(pageIndex)].commands) {
    std::visit(paint, command);
  }
  painter.restore();
}

}  // namespace tavoro
