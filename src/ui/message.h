#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tavoro {

// Tells the engineer something went wrong, with parent as the owner window.
// The desktop shows a modal message box; tests record the text instead.
using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;

// The desktop's MessageFunction: a modal warning box titled "Tavoro".
void ShowWarningBox(QWidget* parent, const QString& text);

}  // namespace tavoro
