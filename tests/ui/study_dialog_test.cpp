#include "ui/study_dialog.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "files.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

using test::DeskTest;

// The worked example saved, so that the form starts unmodified.
class StudyDialogTest : public DeskTest {
 protected:
  StudyDialogTest() {
    TypeWorkedExample();
    const QString path = QString::fromStdString(folder / "shaft.tavoro");
    form.Dialogs().saveFileName = [path](QWidget*, const QString&) { return path; };
    form.Dialogs().askToSave = [](QWidget*, const QString&) { return UnsavedChoice::kDiscard; };
    EXPECT_TRUE(form.SaveAs());
  }

  testing::TempFolder folder;
};

TEST_F(StudyDialogTest, AnswersShowInTheDialogAndApplyFillsTheForm) {
  std::unique_ptr<StudyDialog> dialog = form.NewStudyDialog();
  ASSERT_TRUE(dialog);
  dialog->show();
  test::Settle();
  EXPECT_EQ(dialog->focusWidget(), &dialog->targetValue());
  EXPECT_EQ(dialog->kgList().text(), QStringLiteral("1e-04,1e-05,0.001"));

  // A target that does not read runs nothing.
  dialog->targetValue().setText(QStringLiteral("-3"));
  EXPECT_FALSE(dialog->Run());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(QStringLiteral("目標の湧水量 Q2の「-3」は使えません")));
  EXPECT_FALSE(dialog->Result());
  EXPECT_FALSE(dialog->ApplyButton().isEnabled());

  // kn itself never meets the target: a row without a width.
  dialog->kgList().setText(QStringLiteral("1e-4,1e-5,1e-3,0.01"));
  dialog->targetValue().setText(QStringLiteral("0.3"));
  dialog->RunButton().click();
  QTableWidget& table = dialog->Answers();
  ASSERT_EQ(table.rowCount(), 4);
  EXPECT_EQ(table.selectionModel()->selectedRows().size(), 1);
  EXPECT_TRUE(table.selectionModel()->isRowSelected(0, {}));
  EXPECT_TRUE(dialog->ApplyButton().isEnabled());

  table.setFocus();
  QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("kg (cm/sec)\t改良幅 B (m)\t湧水量 Q2 (m³/min)\t探索範囲の端\n"
                           "1.00e-4\t0.330\t0.299699\t指定した上限\n"
                           "1.00e-5\t0.032\t0.294942\t指定した上限\n"
                           "1.00e-3\t6.224\t0.299980\t指定した上限\n"
                           "1.00e-2\t範囲内では目標に届きません\t—\t指定した上限\n"));

  table.selectRow(3);
  EXPECT_FALSE(dialog->ApplyButton().isEnabled());
  table.selectRow(1);
  ASSERT_TRUE(dialog->ApplyButton().isEnabled());
  EXPECT_FALSE(form.IsModified());
  dialog->ApplyButton().click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(form.Field(kWidthField).text(), QStringLiteral("0.032"));
  EXPECT_EQ(form.Field(kKgField).text(), QStringLiteral("1e-05"));
  EXPECT_TRUE(form.IsModified());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("*shaft.tavoro - Tavoro"));
  // The form's case runs with the width found: the report's Q2 is the table's.
  form.RunButton(0).click();
  test::Settle();
  EXPECT_EQ(QString::number(session.calc.Q[2], 'f', 6), QStringLiteral("0.294942"));
}

TEST_F(StudyDialogTest, TheTargetStaysWithTheCase) {
  std::unique_ptr<StudyDialog> dialog = form.NewStudyDialog();
  ASSERT_TRUE(dialog);
  dialog->targetKind().setCurrentIndex(1);
  dialog->targetValue().setText(QStringLiteral("1.5 m"));
  ASSERT_TRUE(dialog->Run());
  ASSERT_EQ(dialog->Answers().rowCount(), 3);
  EXPECT_EQ(dialog->Answers().horizontalHeaderItem(2)->text(), QStringLiteral("改良外円の水位低下量 S2 (m)"));
  dialog.reset();

  dialog = form.NewStudyDialog();
  EXPECT_EQ(dialog->targetKind().currentIndex(), 1);
  EXPECT_EQ(dialog->targetValue().text(), QStringLiteral("1.5"));
  EXPECT_EQ(dialog->targetValue().selectedText(), QStringLiteral("1.5"));
  dialog.reset();

  ASSERT_TRUE(form.NewCase());
  TypeWorkedExample();
  dialog = form.NewStudyDialog();
  EXPECT_EQ(dialog->targetKind().currentIndex(), 0);
  EXPECT_EQ(dialog->targetValue().text(), QString());
}

TEST_F(DeskTest, StudyPagesShowInTheOutputWindowAndARunTakesItBack) {
  TypeWorkedExample();
  StudyRequest request;
  request.inputs = testing::WorkedExample();
  request.knCmPerSec = 0.01;
  request.kgList = {0.0001};
  request.target = StudyTarget{StudyTargetKind::kInflow, 0.3};
  form.ShowStudy(RunStudy(request));
  test::Settle();
  OutputWindow* window = form.Output();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("改良幅の検討"));
  EXPECT_EQ(OuterSizePixels(*window), test::PxRect(*window, 0, 0, 10000, 7500).size());
  const Document& document = window->Preview().document();
  EXPECT_EQ(document.title, "改良幅の検討");
  EXPECT_TRUE(document.finished && document.orientation == Orientation::kLandscape);
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
