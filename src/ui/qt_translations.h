#pragma once

class QCoreApplication;

namespace tavoro {

// Puts Qt's own dialogs, buttons and menus (file and print dialogs, message
// box buttons, the fields' context menu) into Japanese for the whole
// process: Qt's Japanese translation, built into the program, and
// Tavoro's own file for the texts it lacks. Returns false when neither
// could be loaded. Call once, after application exists.
bool InstallJapaneseQtTexts(QCoreApplication& application);

}  // namespace tavoro
