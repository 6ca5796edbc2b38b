#include "keying/widgets/keyboard_morse_controls.h"

#include "platform/widgets/named.h"

#include <QCheckBox>
#include <QPlainTextEdit>

namespace dittaro {

KeyboardMorseControls::KeyboardMorseControls(QWidget* parent) {
    CheckBoxTastaturmorsen =
        named(new QCheckBox(QStringLiteral("Tastaturmorsen"), parent), "CheckBoxTastaturmorsen");
    CheckBox15 = named(new QCheckBox(QStringLiteral("Tastaturmorsen"), parent), "CheckBox15");
    CheckBox15->setEnabled(false);
    MemoTastatur = named(new QPlainTextEdit(parent), "MemoTastatur");
    MemoTastatur->setTabChangesFocus(true);
}

} // namespace dittaro
