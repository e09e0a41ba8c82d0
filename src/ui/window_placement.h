#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSizeF>
#include <QTimer>
#include <optional>

class QWidget;

namespace tavoro {

// Where a top-level window's outer frame belongs on a screen whose whole
// area is screen and whose area free of panels is available, all in pixels
// at dpi logical dots per inch: the outer size shrunk to the available area,
// centred on the screen as CenterForm centres (twips, single precision) or,
// when userPlace is given, at the user's place, and moved inside the
// available area so that the title bar stays on it. offset moves the centred
// place (a second window beside the first).
QRect PlacedFrame(QSize outer, const QRect& screen, const QRect& available, double dpiX,
                  double dpiY, std::optional<QPoint> userPlace, QPoint offset = {});

// Puts a top-level window where it belongs and keeps it there once the
// window manager frames it. The frame's size is only known after the window
// is shown; until then the frame of the last framed window stands in for it,
// and the placement is redone once the real frame arrives. A window the
// user moves keeps the user's place through later placements.
class WindowPlacement : public QObject {
 public:
  // window must outlive this object (make it the parent).
  explicit WindowPlacement(QWidget& window);

  // Gives the window the outer size outerTwips (none: its client size as
  // it is, plus the frame) and places it with PlacedFrame.
  void Place(std::optional<QSizeF> outerTwips);

  // Gives the window the outer frame frame (pixels), a place and size the
  // user gave it before, moved by the offset and kept inside the screen as
  // PlacedFrame keeps a user's place. Later placements keep that place.
  void Restore(const QRect& frame);

  // Moves later centred placements, and restored ones, by offset pixels.
  void SetOffset(QPoint offset) { offset_ = offset; }

  // True once the user has moved the window from where it was placed (or
  // it was restored to a place the user gave it).
  bool MovedByUser() const { return userPlace_.has_value(); }
  // True once the user has moved or resized the window.
  bool ChangedByUser() const { return userPlace_.has_value() || resizedByUser_; }

  // The window's outer frame in its normal state (not maximised or
  // minimised), frame included once the window manager has framed it.
  QRect NormalFrame() const;

  // True while a placement waits for the window manager's frame.
  bool Pending() const { return pending_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply();
  void CheckFrame();
  QMargins KnownFrame() const;

  QWidget& window_;
  std::optional<QSizeF> outerTwips_;
  std::optional<QPoint> userPlace_;
  bool resizedByUser_ = false;
  QPoint offset_;
  QRect placed_;           // the outer frame as last placed
  bool pending_ = false;   // placed with a frame that may not be the real one
  bool applying_ = false;  // the window moves because this object moves it
  int checksLeft_ = 0;
  QTimer frameWatch_;
};

}  // namespace tavoro
