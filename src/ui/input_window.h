#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>

#include "calc/run_case.h"
#include "casefile/case_file.h"
#include "study/study.h"
#include "ui/case_dialogs.h"
#include "ui/input_window_controls.h"
#include "ui/message.h"
#include "ui/session.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace tavoro {

class OutputWindow;
class StudyDialog;
class WindowPlacement;

// The input form: a menu bar over the client area, which holds the nine
// entry fields Field(0..8) with their labels, the frame "地盤改良" and the
// two buttons RunButton(0) "計算書" and RunButton(1) "水位降下曲線". Fixed
// dialog frame, centred when it loads, the focus in the first field
// (地下水位), every field empty.
//
// The form shows one case, saved in a case file or not yet: the caption is
// "Tavoro" until a file is opened or saved, then "<file name> - Tavoro",
// with a leading "*" while the fields or the project texts differ from the
// file; an edited case never saved reads "*無題 - Tavoro". New, open, quit and a dropped file ask before such changes are lost.
class InputWindow : public QWidget {
 public:
  // session must outlive the form. message reports rejected input, drawing
  // errors and case files that cannot be read or saved (a message box on
  // the desktop).
  explicit InputWindow(DesktopSession& session, MessageFunction message = ShowWarningBox);
  ~InputWindow() override;

  // The run of button index (0 report, 1 chart): runs the nine fields
  // through RunCase; an accepted case replaces the session's case and the
  // output window loads afresh (created on first use, redrawn when already
  // open) and comes to the front. A refused one closes the output window,
  // shows the rule's message and puts the focus in the named field with its
  // text selected; the session's case stays as it was.
  void Calculate(int index);

  // 改良幅の検討: runs the nine fields as a run would (without replacing
  // the session's case) and opens the study dialog on it, modal to this
  // form alone so that the study's pages can be looked through. A refused
  // case is named in the rule's message with the focus in its field.
  void OpenStudy();
  // The dialog OpenStudy shows, or null for a refused case. It starts from
  // the target last studied on this case; 適用 puts B and kg into the
  // fields.
  std::unique_ptr<StudyDialog> NewStudyDialog();
  // Shows a study's pages in the output window.
  void ShowStudy(const StudyResult& result);
  // ヘルプ → 検証例: the worked examples run now, as pages in the output window.
  void ShowWorkedExamples();

  QLineEdit& Field(int index) { return *fields_.at(static_cast<std::size_t>(index)); }
  QPushButton& RunButton(int index) { return *runButtons_.at(static_cast<std::size_t>(index)); }
  QMenuBar& MenuBar() { return *menuBar_; }
  // The area below the menu bar that holds the controls.
  QWidget& ClientArea() { return *client_; }

  // The output window, or null until a run first went ahead.
  OutputWindow* Output() const { return output_.get(); }

  // The questions asked around case files; tests replace them.
  CaseDialogs& Dialogs() { return dialogs_; }

  // The case as shown: the nine fields, the project texts and whatever else
  // the open file held.
  CaseFile CurrentCase() const;
  // The open case file, "" when none.
  const QString& FilePath() const { return path_; }
  bool IsModified() const;

  // ファイル menu. Each returns whether it went through; New, Open and
  // OpenFile first ask about unsaved changes. A file that cannot be read or
  // saved is named in a message and changes nothing.
  bool NewCase();
  bool Open();
  bool OpenFile(const QString& path);
  bool Save();
  bool SaveAs();
  // 編集 → 案件情報….
  void EditProject();
  // 編集 → 計算条件…: the radius method and the uplift check.
  void EditGround();
  // The ground texts of the case, and the line under the fields that shows
  // them at a glance; hidden (and the window as before) with Sichardt and
  // no uplift check.
  const GroundTexts& Ground() const { return ground_; }
  void SetGround(const GroundTexts& ground);
  QLabel& GroundLine() { return *groundLine_; }

  // 表示 menu: the whole form (controls, fonts and window) at a step of
  // kFormZoomLevels, 1.0 being the form as designed. SetZoom takes the
  // largest step at or below factor whose window fits on the screen's
  // available area (100 % always), places the window again inside that area
  // and keeps the step for the next start. ZoomBy moves steps up (> 0) or
  // down (< 0) the ladder.
  double Zoom() const { return zoom_; }
  void SetZoom(double factor);
  void ZoomBy(int steps);

  // Places the window offset by slot steps from the centre, for the slot'th
  // Tavoro running at the same time; its output window opens offset alike.
  void CascadeBy(int slot);

  // Shows the case remembered from the last session, and remembers the
  // current one for the next.
  void RestoreLastCase();
  void RememberLastCase() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void BuildMenuBar();
  void BuildViewMenu();
  // Sizes and places the controls, the ground line and the window at zoom_.
  void LayOut();
  // Steps zoom_ down until the window fits on the screen's available area.
  void FitZoomToScreen();
  bool FitsOnScreen() const;
  void FillRecentMenu();
  void PlaceAndFocus();
  void OpenOutputWindow();
  OutputWindow& OutputWindowCreated();
  void BringOutputWindowForward();
  InputTexts FieldTexts();
  // Asks about unsaved changes; whether it is all right to go on.
  // discarded tells whether the engineer chose to drop them.
  bool MayDiscardChanges(bool* discarded = nullptr);
  bool Load(const QString& path);
  bool SaveTo(const QString& path);
  // Shows file, read from path ("" for an unsaved case) and saved as saved.
  void ShowCase(const CaseFile& file, const QString& path, const CaseFile& saved);
  void UpdateCaption();
  void UpdateGroundLine();
  // Shows a refusal and puts the focus where it can be mended.
  void ShowRejection(const InputRejection& rejection);
  // Puts a study's width (m) and kg (cm/sec) into their fields, leaving a
  // field that already reads as the value as typed.
  void ApplyStudyAnswer(double width, double kgCmPerSec);

  DesktopSession& session_;
  MessageFunction message_;
  CaseDialogs dialogs_;
  // Controls, owned through their Qt parents.
  std::array<QLineEdit*, kInputFieldCount> fields_{};
  std::array<QPushButton*, 2> runButtons_{};
  // Every control, in the order of kInputControls.
  std::array<QWidget*, kInputControlCount> controls_{};
  QGroupBox* improvementFrame_ = nullptr;
  WindowPlacement* placement_ = nullptr;  // owned by this form
  QMenuBar* menuBar_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QWidget* client_ = nullptr;
  QLabel* groundLine_ = nullptr;
  QAction* zoomIn_ = nullptr;
  QAction* zoomOut_ = nullptr;
  double zoom_ = 1.0;
  QPoint cascade_;  // this form's offset from the first Tavoro's
  GroundTexts ground_;
  std::unique_ptr<OutputWindow> output_;
  // The open file and the case as it was last opened or saved.
  QString path_;
  CaseFile saved_;
  // The target last studied on the case shown; a new or other case starts
  // without one.
  std::optional<StudyTarget> studyTarget_;
};

}  // namespace tavoro
