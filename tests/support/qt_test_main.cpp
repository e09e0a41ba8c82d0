// The main of every test program that needs Qt: an application on the offscreen platform
// unless the caller chose one (the real-window tests run on xcb), the faces the pages use,
// and the form's remembered settings in a folder of each test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "page/qt/qt_page.h"

namespace {

// Each test starts with nothing remembered.
class FreshSettings : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    folder_ = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_->path());
  }
  std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshSettings);
  tavoro::InstallFaceSubstitutions();
  return RUN_ALL_TESTS();
}
