#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "page/qt/qt_page.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // No display in CI: the widgets run on the offscreen platform.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // Settings the form keeps go to a folder of the test's own.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  tavoro::InstallFaceSubstitutions();
  return RUN_ALL_TESTS();
}
