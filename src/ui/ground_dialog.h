#pragma once

#include <QDialog>
#include <array>

#include "calc/ground_texts.h"

class QComboBox;
class QLineEdit;

namespace tavoro {

// 計算条件: the radius method (Sichardt, Kusakin, 指定) with R and its
// reason, and the uplift check's inputs, as texts the input rules read. OK
// checks them on their own (relations to the nine fields come with the
// run) and names the first at fault.
class GroundDialog : public QDialog {
 public:
  GroundDialog(const GroundTexts& texts, QWidget* parent);

  GroundTexts Texts() const;

  QComboBox& MethodBox() { return *method_; }
  QLineEdit& Edit(int field) { return *edits_.at(static_cast<std::size_t>(field - kFirstGroundField)); }

 private:
  void Check();

  QComboBox* method_ = nullptr;
  std::array<QLineEdit*, kGroundFieldCount> edits_{};
};

}  // namespace tavoro
