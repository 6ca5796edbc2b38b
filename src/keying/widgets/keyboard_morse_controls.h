#pragma once

// Keyboard Morse on "Abspielen": the check box "Tastaturmorsen", its disabled twin of the
// exam (CheckBox15) and the field that is typed into (MemoTastatur).

class QCheckBox;
class QPlainTextEdit;
class QWidget;

namespace dittaro {

class KeyboardMorseControls {
public:
    explicit KeyboardMorseControls(QWidget* parent);

    QCheckBox* CheckBoxTastaturmorsen;
    QCheckBox* CheckBox15;
    QPlainTextEdit* MemoTastatur;
};

} // namespace dittaro
