#include <gtest/gtest.h>

#include <QApplication>

#include "page/qt/qt_page.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // No display in CI: the widgets run on the offscreen platform.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  tavoro::InstallFaceSubstitutions();
  return RUN_ALL_TESTS();
}
