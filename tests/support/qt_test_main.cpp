// The main of every test program that needs Qt: an application on the offscreen platform
// unless the caller chose one (the real-window tests run on xcb), the faces the pages use,
// and the form's remembered settings in a folder of the run's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "page/qt/qt_page.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  tavoro::InstallFaceSubstitutions();
  return RUN_ALL_TESTS();
}
