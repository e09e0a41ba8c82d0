#include "ui/enter_key.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QWidget>

namespace tavoro {
namespace {

bool IsPlainEnter(const QKeyEvent& key) {
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  const Qt::KeyboardModifiers others = key.modifiers() & ~Qt::KeypadModifier;
  return others == Qt::NoModifier;
}

class EnterKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    if (!IsPlainEnter(*static_cast<QKeyEvent*>(event))) return false;
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
      // Tab's own route: the next control of the focus chain, text selected.
      QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
      QApplication::sendEvent(field, &tab);
      return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
      if (button->isEnabled()) button->click();
      return true;
    }
    return false;
  }
};

}  // namespace

void InstallEnterKeyHabits(QWidget& form) {
  auto* filter = new EnterKeyFilter(&form);
  for (QLineEdit* field : form.findChildren<QLineEdit*>()) field->installEventFilter(filter);
  for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
    button->installEventFilter(filter);
  }
}

}  // namespace tavoro
