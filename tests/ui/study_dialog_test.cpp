#include "ui/study_dialog.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

StudyRequest WorkedExampleBase() {
  StudyRequest base;
  base.inputs = testing::WorkedExample();
  base.knCmPerSec = 0.01;
  return base;
}

TEST(StudyDialogTest, FieldsReadAsTheStudyAndBadOnesKeepTheDialogOpen) {
  QStringList messages;
  StudyDialog dialog(WorkedExampleBase(), {0.0001, 0.00001, 0.001},
                     [&](QWidget*, const QString& text) { messages.append(text); });
  EXPECT_EQ(dialog.kgList().text(), QStringLiteral("1e-04,1e-05,0.001"));
  EXPECT_EQ(dialog.widthMax().text(), QStringLiteral("10"));

  dialog.targetKind().setCurrentIndex(1);
  dialog.targetValue().setText(QStringLiteral(" 1.5 "));
  QString error;
  const std::optional<StudyRequest> request = dialog.Read(&error);
  ASSERT_TRUE(request) << error.toStdString();
  EXPECT_EQ(request->kgList, (std::vector<double>{0.0001, 0.00001, 0.001}));
  EXPECT_EQ(request->widthMax, 10);
  EXPECT_EQ(request->target.kind, StudyTargetKind::kDrawdown);
  EXPECT_EQ(request->target.value, 1.5);
  EXPECT_EQ(request->inputs.kn, 0.0001);

  // Each bad field is named and OK leaves the dialog open.
  const std::pair<QLineEdit*, QString> bad[] = {
      {&dialog.kgList(), QStringLiteral("1e-4,abc")},
      {&dialog.widthMax(), QStringLiteral("十")},
      {&dialog.targetValue(), QStringLiteral("-3")},
  };
  for (const auto& [field, text] : bad) {
    const QString good = field->text();
    field->setText(text);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    field->setText(good);
  }
  ASSERT_EQ(messages.size(), 3);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("2 番目の「abc」は数値として読めません")));
  EXPECT_TRUE(messages[1].contains(QStringLiteral("改良幅の上限の「十」")));
  EXPECT_TRUE(messages[2].contains(QStringLiteral("水位低下量 S2の「-3」は使えません")));
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.request().target.value, 1.5);
}

TEST_F(DeskTest, StudyPagesShowInTheOutputWindowAndARunTakesItBack) {
  TypeWorkedExample();
  StudyRequest request = WorkedExampleBase();
  request.kgList = {0.0001};
  request.target = StudyTarget{StudyTargetKind::kInflow, 0.3};
  form.ShowStudy(request);
  test::Settle();
  OutputWindow* window = form.Output();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("改良幅の検討"));
  EXPECT_EQ(OuterSizePixels(*window), test::PxRect(*window, 0, 0, 10000, 7500).size());
  const Document& document = window->Preview().document();
  EXPECT_EQ(document.title, "改良幅の検討");
  EXPECT_TRUE(document.finished && document.landscape);
  EXPECT_GE(document.pages.size(), 2u);
  EXPECT_EQ(window->Preview().PreviewPageCount(), static_cast<int>(document.pages.size()));
  // Copy puts the answers on the clipboard.
  window->CopySummary();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(
      QStringLiteral("kg = 1.00e-4 cm/sec：必要な改良幅 B = 0.330 m")));

  EXPECT_EQ(Press(1), window);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("地下水位降下曲線"));
  EXPECT_EQ(window->Preview().document().pages.size(), 1u);
  EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace tavoro
