#include "platform/widgets/digit_edit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace dittaro {

DigitEdit::DigitEdit(QWidget* parent) : QLineEdit(parent) {
    // Also keeps pasted text to digits.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void DigitEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        clear();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (onConfirm) {
            onConfirm();
        }
        return;
    default:
        break;
    }
    const QString text = event->text();
    const bool typesCharacter = !text.isEmpty() && text.at(0).isPrint() &&
                                !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typesCharacter && !text.at(0).isDigit()) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DigitEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (onConfirm) {
        onConfirm();
    }
}

} // namespace dittaro
