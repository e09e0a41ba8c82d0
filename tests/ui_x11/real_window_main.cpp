#include <gtest/gtest.h>

#include <QApplication>

#include "page/qt/qt_page.h"

// Runs on the display and platform the caller set up (run_under_openbox.sh).
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  tavoro::InstallFaceSubstitutions();
  return RUN_ALL_TESTS();
}
