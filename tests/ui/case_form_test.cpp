#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "casefile/case_file.h"
#include "files.h"
#include "ui/batch_window.h"
#include "ui/case_settings.h"
#include "ui/project_dialog.h"
#include "ui_test_support.h"

namespace tavoro {
namespace {

const InputTexts& kWorkedInputs = testing::kWorkedExampleTexts;
const ProjectInfo kProject{"A工事", "1号立坑", "山田", "2024-05-01", "メモ"};

// The input form with its file dialogs answered by the test: the prompt
// gives `answer` and counts its questions, the save dialog gives savePath.
class CaseFormTest : public test::DeskTest {
 protected:
  CaseFormTest() {
    QSettings(QSettings::IniFormat, QSettings::UserScope, "Tavoro", "tavoro").clear();
    form.Dialogs().askToSave = [this](QWidget*, const QString& name) {
      asked.append(name);
      return answer;
    };
    form.Dialogs().saveFileName = [this](QWidget*, const QString& suggested) {
      suggestions.append(suggested);
      return savePath;
    };
    form.Dialogs().openFileName = [this](QWidget*) { return openPath; };
    form.Dialogs().editProject = [](QWidget*, const ProjectInfo&) { return kProject; };
  }

  QString Path(const QString& name) const { return dir.filePath(name); }

  void Type(const InputTexts& texts) {
    for (int i = 0; i < kInputFieldCount; ++i) {
      form.Field(i).setText(QString::fromStdString(texts[static_cast<std::size_t>(i)]));
    }
  }

  InputTexts Shown() {
    InputTexts texts;
    for (int i = 0; i < kInputFieldCount; ++i) {
      texts[static_cast<std::size_t>(i)] = form.Field(i).text().toStdString();
    }
    return texts;
  }

  QTemporaryDir dir;
  QStringList asked;
  QStringList suggestions;
  UnsavedChoice answer = UnsavedChoice::kCancel;
  QString savePath;
  QString openPath;
};

TEST_F(CaseFormTest, CaptionNamesTheFileAndStarsUnsavedChanges) {
  EXPECT_EQ(form.focusWidget(), &form.Field(0));  // 地下水位, ready to type
  Type(kWorkedInputs);
  EXPECT_EQ(form.windowTitle(), "*無題 - Tavoro");
  savePath = Path("w");
  ASSERT_TRUE(form.SaveAs());
  EXPECT_EQ(suggestions, QStringList{"無題.tavoro"});
  EXPECT_EQ(form.FilePath(), Path("w.tavoro"));
  EXPECT_EQ(form.windowTitle(), "w.tavoro - Tavoro");

  form.Field(3).setText("25");
  EXPECT_EQ(form.windowTitle(), "*w.tavoro - Tavoro");
  form.Field(3).setText("20");
  EXPECT_EQ(form.windowTitle(), "w.tavoro - Tavoro");
  form.findChild<QAction*>("actionProject")->trigger();
  EXPECT_EQ(session.project, kProject);
  EXPECT_EQ(form.windowTitle(), "*w.tavoro - Tavoro");
  ASSERT_TRUE(form.Save());
  EXPECT_EQ(form.windowTitle(), "w.tavoro - Tavoro");
  EXPECT_TRUE(asked.isEmpty());
}

TEST_F(CaseFormTest, NewOpenAndQuitAskBeforeUnsavedChangesAreLost) {
  Type(kWorkedInputs);
  // Cancel: nothing changes, the window stays open.
  answer = UnsavedChoice::kCancel;
  EXPECT_FALSE(form.NewCase());
  openPath = Path("none.tavoro");
  EXPECT_FALSE(form.Open());
  form.show();
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(asked, QStringList(3, "無題"));
  EXPECT_EQ(Shown(), kWorkedInputs);

  // Save: an unsaved case asks where, then goes on.
  answer = UnsavedChoice::kSave;
  savePath = Path("saved.tavoro");
  form.Field(4).setFocus();
  EXPECT_TRUE(form.NewCase());
  EXPECT_EQ(Shown(), InputTexts{});
  EXPECT_EQ(form.windowTitle(), "Tavoro");
  EXPECT_EQ(form.focusWidget(), &form.Field(0));
  ASSERT_TRUE(ReadCaseFile(savePath.toStdString()).file);
  EXPECT_EQ(ReadCaseFile(savePath.toStdString()).file->inputs, kWorkedInputs);

  // Discard: goes on without writing (the closed form still asks on 新規,
  // the emptied one no more).
  form.Field(0).setText("5");
  answer = UnsavedChoice::kDiscard;
  asked.clear();
  EXPECT_TRUE(form.close());
  EXPECT_TRUE(form.NewCase());
  EXPECT_TRUE(form.NewCase());
  EXPECT_EQ(asked, QStringList(2, "無題"));
  EXPECT_EQ(ReadCaseFile(savePath.toStdString()).file->inputs, kWorkedInputs);
}

TEST_F(CaseFormTest, FormToFileToFormKeepsEveryTextAndTheUnknownKeys) {
  testing::WriteFile(Path("old.tavoro").toStdString(),
                     R"({"format": "tavoro-case", "version": 1, "inputs": {"kn": "0.5"},
                         "project": {"client": "市"}, "extra": [1, 2]})");
  ASSERT_TRUE(form.OpenFile(Path("old.tavoro")));
  EXPECT_EQ(form.windowTitle(), "old.tavoro - Tavoro");
  Type(kWorkedInputs);
  form.EditProject();
  ASSERT_TRUE(form.Save());
  const QByteArray saved =
      QByteArray::fromStdString(testing::ReadFile(Path("old.tavoro").toStdString()));
  EXPECT_TRUE(saved.contains("\"client\": \"市\"")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("\"extra\": [")) << saved.toStdString();

  ASSERT_TRUE(form.NewCase());
  EXPECT_EQ(session.project, ProjectInfo{});
  ASSERT_TRUE(form.OpenFile(Path("old.tavoro")));
  EXPECT_EQ(Shown(), kWorkedInputs);
  EXPECT_EQ(session.project, kProject);
  EXPECT_FALSE(form.IsModified());
  EXPECT_EQ(QByteArray::fromStdString(CaseFileText(form.CurrentCase())), saved);
}

TEST_F(CaseFormTest, BadFileIsNamedInAMessageAndChangesNothing) {
  Type(kWorkedInputs);
  savePath = Path("good.tavoro");
  ASSERT_TRUE(form.SaveAs());
  form.Field(0).setText("3");
  answer = UnsavedChoice::kDiscard;
  testing::WriteFile(Path("bad.tavoro").toStdString(),
                     R"({"format": "tavoro-case", "version": 9, "inputs": {}})");

  EXPECT_FALSE(form.OpenFile(Path("bad.tavoro")));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].toStdString(), ReadCaseFile(Path("bad.tavoro").toStdString()).status.message());
  EXPECT_EQ(form.Field(0).text(), "3");
  EXPECT_EQ(form.windowTitle(), "*good.tavoro - Tavoro");

  // A save into a folder that is not there says so and keeps the old file.
  savePath = Path("missing/x.tavoro");
  EXPECT_FALSE(form.SaveAs());
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].contains("x.tavoro")) << messages[1].toStdString();
  EXPECT_EQ(form.FilePath(), Path("good.tavoro"));
}

TEST_F(CaseFormTest, RecentFilesAndTheLastCaseOutliveTheForm) {
  for (const char* name : {"a.tavoro", "b.tavoro", "a.tavoro"}) {
    savePath = Path(name);
    ASSERT_TRUE(form.SaveAs());
  }
  EXPECT_EQ(RecentCaseFiles(), (QStringList{Path("a.tavoro"), Path("b.tavoro")}));
  form.Field(8).setText("77");
  form.RememberLastCase();

  DesktopSession next;
  InputWindow later(next, [](QWidget*, const QString&) {});
  EXPECT_EQ(later.Field(8).text(), "");
  later.RestoreLastCase();
  EXPECT_EQ(later.Field(8).text(), "77");
  EXPECT_EQ(later.FilePath(), Path("a.tavoro"));
  EXPECT_EQ(later.windowTitle(), "*a.tavoro - Tavoro");
  // 新規 gives the empty form.
  later.Dialogs().askToSave = [](QWidget*, const QString&) { return UnsavedChoice::kDiscard; };
  ASSERT_TRUE(later.NewCase());
  EXPECT_EQ(later.Field(8).text(), "");

  // Edits dropped at quit do not come back: the file as saved, or nothing.
  answer = UnsavedChoice::kDiscard;
  form.show();
  ASSERT_TRUE(form.close());
  InputWindow third(next, [](QWidget*, const QString&) {});
  third.RestoreLastCase();
  EXPECT_EQ(third.Field(8).text(), "");
  EXPECT_EQ(third.windowTitle(), "a.tavoro - Tavoro");
  later.Field(8).setText("5");
  later.show();
  ASSERT_TRUE(later.close());
  InputWindow fourth(next, [](QWidget*, const QString&) {});
  fourth.RestoreLastCase();
  EXPECT_EQ(fourth.CurrentCase().inputs, InputTexts{});
}

// Each kind of file dialog starts where the last one of its kind ended, while that folder exists.
TEST_F(CaseFormTest, DialogsOfEachKindStartInTheirOwnLastFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
  RememberFolderOf(DialogFolder::kExports, Path("out/x.pdf"));
  RememberFolderOf(DialogFolder::kBatch, Path("t.csv"));
  EXPECT_EQ(InLastFolder(DialogFolder::kExports, "計算書.pdf"), Path("out/計算書.pdf"));
  EXPECT_EQ(InLastFolder(DialogFolder::kBatch), dir.path());
  EXPECT_EQ(InLastFolder(DialogFolder::kCases, "無題.tavoro"), "無題.tavoro");
  EXPECT_EQ(InLastFolder(DialogFolder::kBatch, Path("a.tavoro")), Path("a.tavoro"));
  // 一括計算's output folder: the one last chosen, else the table's folder.
  EXPECT_EQ(BatchOutputFolderStart(Path("表.csv")), dir.path());
  RememberFolder(DialogFolder::kBatchOutput, Path("out"));
  EXPECT_EQ(BatchOutputFolderStart(Path("表.csv")), Path("out"));
  ASSERT_TRUE(QDir(Path("out")).removeRecursively());
  EXPECT_EQ(InLastFolder(DialogFolder::kExports, "計算書.pdf"), "計算書.pdf");
  EXPECT_EQ(BatchOutputFolderStart(Path("表.csv")), dir.path());
}

TEST(ProjectDialogTest, OkWaitsForAnEmptyOrCalendarDate) {
  ProjectDialog dialog(kProject, nullptr);
  QPushButton* ok = nullptr;
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() != "キャンセル") ok = button;
  }
  ASSERT_NE(ok, nullptr);
  for (const auto& [date, accepted] :
       std::initializer_list<std::pair<const char*, bool>>{
           {"2024-05-01", true}, {"", true}, {"2024-02-30", false}, {"２０２４年５月１日", true}}) {
    dialog.DateEdit().setText(QString::fromUtf8(date));
    EXPECT_EQ(ok->isEnabled(), accepted) << date;
    EXPECT_EQ(dialog.findChild<QLabel*>("dateHint")->isHidden(), accepted) << date;
  }
  EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>()->tabChangesFocus());
  dialog.NameEdit().setText("B工事");
  EXPECT_EQ(dialog.Project(), (ProjectInfo{"B工事", "1号立坑", "山田", "2024-05-01", "メモ", ""}));
}

}  // namespace
}  // namespace tavoro
