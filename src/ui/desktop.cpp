#include "ui/desktop.h"

#include <QApplication>
#include <cstdio>

#include "page/qt/qt_page.h"
#include "ui/app_icon.h"
#include "ui/display_check.h"
#include "ui/input_window.h"
#include "ui/instance_slot.h"
#include "ui/qt_translations.h"
#include "ui/session.h"

namespace tavoro {

int RunDesktop(int argc, char** argv) {
  if (!CanOpenWindows(ReadDisplayEnvironment())) {
    std::fputs(NoDisplayMessage(), stderr);
    return 1;
  }
  int qtArgc = argc;
  QApplication application(qtArgc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavoro"));
  QApplication::setDesktopFileName(QStringLiteral("tavoro"));
  QApplication::setWindowIcon(TavoroIcon());
  InstallFaceSubstitutions();
  InstallJapaneseQtTexts(application);

  DesktopSession session;
  InputWindow window(session);
  const InstanceSlot slot;
  window.CascadeBy(slot.Index());
  window.show();
  // A case file given on the command line is opened; without one the form
  // shows the case of the last session.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    window.OpenFile(arguments.at(1));
  } else {
    window.RestoreLastCase();
  }
  return QApplication::exec();
}

}  // namespace tavoro
