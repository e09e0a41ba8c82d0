#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "calc/run_case.h"
#include "study/study.h"
#include "ui/message.h"
#include "ui/session.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tavoro {

class Form2;
class WindowPlacement;

// The input form: nine entry fields Text1(0..8) with their labels, the frame
// "地盤改良" and the two buttons cmdCalc(0) "計算書" and cmdCalc(1)
// "水位降下曲線". Fixed dialog frame, centred when it loads, the focus on
// cmdCalc(0), every field empty.
class Form1 : public QWidget {
 public:
  // session must outlive the form. message reports rejected input and
  // drawing errors (a message box on the desktop).
  explicit Form1(DesktopSession& session, MessageFunction message = ShowWarningBox);
  ~Form1() override;

  // The run of button index (0 report, 1 chart): runs the nine fields
  // through RunCase; an accepted case replaces the session's case and the
  // output window loads afresh (created on first use, redrawn when already
  // open) and comes to the front. A refused one closes the output window,
  // shows the rule's message and puts the focus in the named field with its
  // text selected; the session's case stays as it was.
  void cmdCalc_Click(int index);

  // 改良幅の検討: runs the nine fields as a run would (without replacing
  // the session's case), asks the study's questions in a dialog and shows
  // the study pages in the output window. A refused case is named in the
  // rule's message with the focus in its field.
  void OpenStudy();
  // Runs a checked study and shows its pages in the output window.
  void ShowStudy(const StudyRequest& request);

  QLineEdit& Text1(int index) { return *text1_.at(static_cast<std::size_t>(index)); }
  QPushButton& cmdCalc(int index) { return *cmdCalc_.at(static_cast<std::size_t>(index)); }

  // The output window, or null until a run first went ahead.
  Form2* OutputWindow() const { return form2_.get(); }

 private:
  void BuildControls();
  void Form_Load();
  void OpenOutputWindow();
  Form2& OutputWindowCreated();
  void BringOutputWindowForward();
  InputTexts FieldTexts();

  DesktopSession& session_;
  MessageFunction message_;
  // Controls, owned through their Qt parents.
  std::array<QLineEdit*, kInputFieldCount> text1_{};
  std::array<QPushButton*, 2> cmdCalc_{};
  QGroupBox* frame1_ = nullptr;
  WindowPlacement* placement_ = nullptr;  // owned by this form
  std::unique_ptr<Form2> form2_;
};

}  // namespace tavoro
