#include <gtest/gtest.h>

#include <QGuiApplication>

#include "page/qt/qt_page.h"

// Fonts and painters need a QGuiApplication; tests run without a display.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  tavoro::InstallFaceSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
