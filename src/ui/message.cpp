#include "ui/message.h"

#include <QMessageBox>

namespace tavoro {

void ShowWarningBox(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QStringLiteral("Tavoro"), text);
}

}  // namespace tavoro
