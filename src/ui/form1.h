#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "calc/run_dispatch.h"
#include "ui/message.h"
#include "ui/session.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tavoro {

class Form2;

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

  // The run dispatch of button index (0 report, 1 chart): stores the nine
  // fields in the case; when the excavation lies below the water table,
  // computes it, sets the output mode and loads the output window afresh
  // (created on first use, redrawn when already open) and brings it to the
  // front. When it does not, nothing else happens. A number beyond the range
  // of a double is named in a message and nothing is stored.
  void cmdCalc_Click(int index);

  QLineEdit& Text1(int index) { return *text1_.at(static_cast<std::size_t>(index)); }
  QPushButton& cmdCalc(int index) { return *cmdCalc_.at(static_cast<std::size_t>(index)); }

  // The output window, or null until a run first went ahead.
  Form2* OutputWindow() const { return form2_.get(); }

 private:
  void BuildControls();
  void Form_Load();
  void OpenOutputWindow();

  DesktopSession& session_;
  MessageFunction message_;
  // Controls, owned through their Qt parents.
  std::array<QLineEdit*, kInputFieldCount> text1_{};
  std::array<QPushButton*, 2> cmdCalc_{};
  QGroupBox* frame1_ = nullptr;
  std::unique_ptr<Form2> form2_;
};

}  // namespace tavoro
