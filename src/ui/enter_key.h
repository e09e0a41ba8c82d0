#pragma once

class QWidget;

namespace tavoro {

// The Enter habits of a Japanese business form, for every entry field and
// push button inside form: Enter (Return or the keypad's Enter) in a field
// moves on to the next control in tab order, as Tab does; Enter on a focused
// button presses it. Other keys, and Enter with Ctrl, Alt or Shift, are left
// as they are.
void InstallEnterKeyHabits(QWidget& form);

}  // namespace tavoro
