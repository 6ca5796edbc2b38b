#include "material/widgets/group_field_keys.h"

#include "material/group_field_rules.h"
#include "material/widgets/character_set_controls.h"
#include "material/widgets/practice_controls.h"
#include "platform/widgets/qt_text.h"
#include "platform/widgets/up_down.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace dittaro {
namespace {

// Filters the keys of one field by a rule and confirms it on Enter and on leaving it.
class FieldKeys : public QObject {
public:
    FieldKeys(QLineEdit* field, FieldKey (*rule)(char), std::function<void()> confirm)
        : QObject(field), field_(field), rule_(rule), confirm_(std::move(confirm)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            confirm_();
            return false;
        }
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            confirm_();
            return true;
        }
        char typed = 0;
        if (key->key() == Qt::Key_Backspace) {
            typed = kBackspace;
        } else if (key->text().size() == 1 && key->text().at(0).isPrint()) {
            const std::string bytes = toCp1252(key->text());
            typed = bytes.empty() ? ' ' : bytes.front();
        } else {
            return false; // cursor keys, Tab, shortcuts: as usual
        }
        // One character per key stroke: a held key does not repeat (Backspace does).
        if (key->isAutoRepeat() && typed != kBackspace) {
            return true;
        }
        switch (rule_(typed)) {
        case FieldKey::Accept:
            return false;
        case FieldKey::Reject:
            return true;
        case FieldKey::Clear:
            field_->clear();
            return true;
        }
        return false;
    }

private:
    QLineEdit* field_;
    FieldKey (*rule_)(char);
    std::function<void()> confirm_;
};

void confirmNumber(QLineEdit* field, UpDown* upDown, int value) {
    upDown->setPosition(value);
    field->setText(QString::number(value));
}

} // namespace

void installCharacterSetKeys(CharacterSetControls& controls) {
    QLineEdit* field = controls.Edit2;
    new FieldKeys(field, characterSetKey, [field] {
        const QString cleaned = fromCp1252(cleanedCharacterSet(toCp1252(field->text())));
        if (cleaned != field->text()) {
            field->setText(cleaned);
        }
    });
    const std::pair<QPushButton*, const char*> buttons[] = {
        {controls.ButtonAZ, kLettersButtonText},
        {controls.Button09, kDigitsButtonText},
        {controls.ButtonSonderzeichen, kSignsButtonText},
    };
    for (const auto& [button, characters] : buttons) {
        QObject::connect(button, &QPushButton::clicked, field, [field, text = characters] {
            field->setText(field->text() + fromCp1252(text));
            field->setFocus();
        });
    }
}

void installGroupCountKeys(PracticeControls& controls) {
    QLineEdit* count = controls.Edit5;
    UpDown* countArrows = controls.UpDown1;
    new FieldKeys(count, groupCountKey, [count, countArrows] {
        confirmNumber(count, countArrows, confirmedGroupCount(toCp1252(count->text())));
    });
    countArrows->onStep = [count](int position) { count->setText(QString::number(position)); };

    QLineEdit* repeat = controls.Edit1;
    UpDown* repeatArrows = controls.UpDown2;
    new FieldKeys(repeat, repeatKey, [repeat, repeatArrows] {
        confirmNumber(repeat, repeatArrows, confirmedRepeat(toCp1252(repeat->text())));
    });
    repeatArrows->onStep = [repeat](int position) { repeat->setText(QString::number(position)); };
}

int confirmedGroupCountOf(const PracticeControls& controls) {
    return confirmedGroupCount(toCp1252(controls.Edit5->text()));
}

int confirmedRepeatOf(const PracticeControls& controls) {
    return confirmedRepeat(toCp1252(controls.Edit1->text()));
}

} // namespace dittaro
