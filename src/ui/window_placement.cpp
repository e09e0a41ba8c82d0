#include "ui/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "ui/center_form.h"
#include "ui/window_metrics.h"

namespace tavoro {
namespace {

// How long a placement waits for the window manager's frame: 200 checks,
// 25 ms apart, 5 s on a busy machine; it stops as soon as the frame sits.
constexpr int kFrameChecks = 200;
constexpr int kFrameCheckMs = 25;

// The frame of the last window the window manager framed: the best guess
// for a window not framed yet.
QMargins& LastKnownFrame() {
  static QMargins frame;
  return frame;
}

}  // namespace

QRect PlacedFrame(QSize outer, const QRect& screen, const QRect& available, double dpiX,
                  double dpiY, std::optional<QPoint> userPlace, QPoint offset) {
  outer = outer.boundedTo(available.size()).expandedTo(QSize(1, 1));
  QPoint position =
      userPlace ? *userPlace : CentredFramePosition(screen, outer, dpiX, dpiY) + offset;
  position.setX(std::clamp(position.x(), available.left(),
                           std::max(available.left(), available.right() + 1 - outer.width())));
  position.setY(std::clamp(position.y(), available.top(),
                           std::max(available.top(), available.bottom() + 1 - outer.height())));
  return {position, outer};
}

WindowPlacement::WindowPlacement(QWidget& window) : QObject(&window), window_(window) {
  window_.installEventFilter(this);
  frameWatch_.setInterval(kFrameCheckMs);
  connect(&frameWatch_, &QTimer::timeout, this, [this] { CheckFrame(); });
}

QMargins WindowPlacement::KnownFrame() const {
  const QWindow* handle = window_.windowHandle();
  if (!window_.isVisible() || handle == nullptr) return {};
  // While the window manager reparents the window the frame may read back
  // as negative: not known yet.
  const QMargins frame = handle->frameMargins();
  const bool valid =
      frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0;
  return valid ? frame : QMargins();
}

void WindowPlacement::Restore(const QRect& frame) {
  userPlace_ = frame.topLeft() + offset_;
  resizedByUser_ = true;
  Place(QSizeF(PixelsToTwips(frame.width(), LogicalDpiX(window_)),
               PixelsToTwips(frame.height(), LogicalDpiY(window_))));
}

QRect WindowPlacement::NormalFrame() const {
  return window_.normalGeometry().marginsAdded(KnownFrame());
}

void WindowPlacement::Place(std::optional<QSizeF> outerTwips) {
  outerTwips_ = outerTwips;
  pending_ = true;
  checksLeft_ = kFrameChecks;
  Apply();
  frameWatch_.start();
}

void WindowPlacement::Apply() {
  window_.winId();
  const QScreen* screen = window_.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QMargins frame = KnownFrame();
  const bool framed = !frame.isNull();
  if (!framed) frame = LastKnownFrame();
  const double dpiX = LogicalDpiX(window_);
  const double dpiY = LogicalDpiY(window_);
  const QSize outer = outerTwips_ ? QSize(TwipsToPixels(outerTwips_->width(), dpiX),
                                          TwipsToPixels(outerTwips_->height(), dpiY))
                                  : window_.size().grownBy(frame);
  placed_ =
      PlacedFrame(outer, screen->geometry(), screen->availableGeometry(), dpiX, dpiY, userPlace_,
                  offset_);
  applying_ = true;
  const QSize client = placed_.size().shrunkBy(frame).expandedTo(QSize(1, 1));
  if (window_.minimumSize() != window_.maximumSize() && window_.size() != client) {
    window_.resize(client);
  }
  // Unframed, this puts the client area there; CheckFrame moves the frame
  // there once the window manager has framed the window.
  window_.move(placed_.topLeft());
  applying_ = false;
}

void WindowPlacement::CheckFrame() {
  if (!pending_) {
    frameWatch_.stop();
    return;
  }
  const QMargins frame = KnownFrame();
  if (frame.isNull()) {
    if (--checksLeft_ <= 0) {
      pending_ = false;
      frameWatch_.stop();
    }
    return;
  }
  LastKnownFrame() = frame;
  // QWidget::frameGeometry() may still count the frame from before it arrived.
  const QRect now = window_.geometry().marginsAdded(frame);
  if (now == placed_ || --checksLeft_ <= 0) {
    pending_ = false;
    frameWatch_.stop();
    return;
  }
  Apply();
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
      if (pending_) {
        CheckFrame();
      } else if (!applying_ && window_.isVisible() &&
                 (window_.windowState() & ~Qt::WindowActive) == Qt::WindowNoState) {
        // Maximising or minimising is no place or size of the user's.
        const QRect frame = window_.geometry().marginsAdded(KnownFrame());
        if (event->type() == QEvent::Move && frame.topLeft() != placed_.topLeft()) {
          userPlace_ = frame.topLeft();
          placed_.moveTopLeft(frame.topLeft());
        } else if (event->type() == QEvent::Resize && frame.size() != placed_.size()) {
          resizedByUser_ = true;
          placed_.setSize(frame.size());
        }
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace tavoro
