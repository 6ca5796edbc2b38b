#pragma once

// The edit field of a number box: digits only, Backspace empties the whole field, and Enter
// or leaving the field confirms the typed value.

#include <QLineEdit>
#include <functional>

namespace dittaro {

class DigitEdit : public QLineEdit {
public:
    explicit DigitEdit(QWidget* parent = nullptr);

    // Enter, or the focus leaving the field.
    std::function<void()> onConfirm;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace dittaro
