// The input form's 表示 menu and the layout of its controls at a zoom step.
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <cmath>
#include <iterator>

#include "ui/case_settings.h"
#include "ui/input_window.h"
#include "ui/window_metrics.h"
#include "ui/window_placement.h"
#include "ui/zoom_steps.h"

namespace tavoro {
namespace {

constexpr double kSmallestFormZoom = kFormZoomLevels[0];
constexpr double kLargestFormZoom = kFormZoomLevels[std::size(kFormZoomLevels) - 1];

QAction* AddZoomAction(QMenu* menu, const char* name, const QString& text,
                       const QList<QKeySequence>& keys) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcuts(keys);
  return action;
}

// A key that matches more than one shortcut of the same action (Shift+= read
// both as "+" and as Shift with "=") triggers the action: Qt would only warn
// about an ambiguous shortcut.
class OneActionShortcuts : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Shortcut || !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
      return false;
    }
    static_cast<QAction*>(watched)->trigger();
    return true;
  }
};

// The application's font with its size times factor; at 1.0 no font of the
// form's own, so that every control keeps the font it has by default.
QFont ZoomedFont(double factor) {
  if (factor == 1.0) return {};
  QFont font = QApplication::font();
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * factor);
  } else {
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * factor)));
  }
  return font;
}

}  // namespace

void InputWindow::BuildViewMenu() {
  QMenu* view = menuBar_->addMenu(QStringLiteral("表示(&V)"));
  view->setObjectName(QStringLiteral("menuView"));
  // Ctrl++ as keyboards send it: "+" on a key of its own or the keypad,
  // Shift+= (reported as + with Shift, or as = with Shift), or = alone.
  zoomIn_ = AddZoomAction(view, "actionZoomIn", QStringLiteral("拡大(&I)"),
                          {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                           QKeySequence(Qt::CTRL | Qt::Key_Equal),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Equal)});
  zoomIn_->installEventFilter(new OneActionShortcuts(zoomIn_));
  connect(zoomIn_, &QAction::triggered, this, [this] { ZoomBy(1); });
  zoomOut_ = AddZoomAction(view, "actionZoomOut", QStringLiteral("縮小(&O)"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  connect(zoomOut_, &QAction::triggered, this, [this] { ZoomBy(-1); });
  connect(AddZoomAction(view, "actionZoomReset", QStringLiteral("標準(&N)"),
                        {QKeySequence(Qt::CTRL | Qt::Key_0)}),
          &QAction::triggered, this, [this] { SetZoom(kSmallestFormZoom); });
}

void InputWindow::ZoomBy(int steps) {
  SetZoom(SteppedZoom(kFormZoomLevels, zoom_, steps));
}

void InputWindow::SetZoom(double factor) {
  // The step at or below factor, 100 % for anything below the ladder.
  double step = kSmallestFormZoom;
  for (const double level : kFormZoomLevels) {
    if (level <= factor) step = level;
  }
  if (step == zoom_) return;
  zoom_ = step;
  LayOut();
  FitZoomToScreen();
  RememberFormZoom(zoom_);
  placement_->Place(std::nullopt);
}

void InputWindow::FitZoomToScreen() {
  while (zoom_ > kSmallestFormZoom && !FitsOnScreen()) {
    zoom_ = SteppedZoom(kFormZoomLevels, zoom_, -1);
    LayOut();
  }
}

bool InputWindow::FitsOnScreen() const {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return true;
  const QWindow* handle = windowHandle();
  const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
  const QSize outer = size().grownBy(frame);
  const QSize available = screen->availableGeometry().size();
  return outer.width() <= available.width() && outer.height() <= available.height();
}

void InputWindow::LayOut() {
  const QFont font = ZoomedFont(zoom_);
  setFont(font);
  // Menus are windows of their own, which take no font from the form.
  for (QMenu* menu : menuBar_->findChildren<QMenu*>()) menu->setFont(font);
  const double dpiX = LogicalDpiX(*this) * zoom_;
  const double dpiY = LogicalDpiY(*this) * zoom_;
  // The controls keep their designed places in the client area below the
  // menu bar; the window grows by the menu bar's height.
  const QSize client(TwipsToPixels(kInputClientWidth, dpiX),
                     TwipsToPixels(kInputClientHeight, dpiY));
  const int menuHeight = menuBar_->sizeHint().height();
  menuBar_->setGeometry(0, 0, client.width(), menuHeight);
  client_->setGeometry(0, menuHeight, client.width(), client.height());
  for (std::size_t i = 0; i < kInputControls.size(); ++i) {
    const ControlSpec& row = kInputControls[i];
    QWidget* control = controls_[i];
    control->setGeometry(TwipsToPixels(row.left, dpiX), TwipsToPixels(row.top, dpiY),
                         TwipsToPixels(row.width, dpiX), TwipsToPixels(row.height, dpiY));
    // Labels size themselves to their caption.
    if (row.kind == ControlKind::kLabel) control->adjustSize();
  }
  int height = menuHeight + client.height();
  if (!groundLine_->isHidden()) {
    const int lineHeight = groundLine_->sizeHint().height() + 4;
    groundLine_->setGeometry(0, height, client.width(), lineHeight);
    height += lineHeight;
  }
  setFixedSize(client.width(), height);
  if (zoomIn_ != nullptr) zoomIn_->setEnabled(zoom_ < kLargestFormZoom);
  if (zoomOut_ != nullptr) zoomOut_->setEnabled(zoom_ > kSmallestFormZoom);
}

}  // namespace tavoro
