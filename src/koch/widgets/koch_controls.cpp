#include "koch/widgets/koch_controls.h"

#include "koch/widgets/koch_display.h"
#include "platform/widgets/design_units.h"
#include "platform/widgets/named.h"
#include "platform/widgets/qt_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dittaro {

KochControls::KochControls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("KochControls"));
    CheckBoxKochMethode =
        named(new QCheckBox(QStringLiteral("Koch-Methode"), this), "CheckBoxKochMethode");
    LabelKochReihenfolge =
        named(new QLabel(QStringLiteral("Koch-Methode: Reihenfoge der Zeichen"), this),
              "LabelKochReihenfolge");
    Edit3 = named(new QLineEdit(this), "Edit3");
    ButtonKochRunter = named(new QPushButton(QStringLiteral("<"), this), "ButtonKochRunter");
    ButtonKochHoch = named(new QPushButton(QStringLiteral(">"), this), "ButtonKochHoch");
    ButtonMix = named(new QPushButton(QStringLiteral("Mix"), this), "ButtonMix");
    ButtonKochTrainer =
        named(new QPushButton(QStringLiteral("Koch Trainer"), this), "ButtonKochTrainer");
    LabelKochReihenfolge->setBuddy(Edit3);

    design::place(CheckBoxKochMethode, 0, 0, 280, 22);
    design::place(LabelKochReihenfolge, 0, 28, 280, 20);
    design::place(Edit3, 0, 48, 280, 24);
    design::place(ButtonKochRunter, 0, 78, 40, 26);
    design::place(ButtonKochHoch, 46, 78, 40, 26);
    design::place(ButtonMix, 92, 78, 70, 26);
    design::place(ButtonKochTrainer, 170, 78, 110, 26);
    setFixedSize(design::size(280, 104));
}

void KochControls::showOrder(const QString& order, int level, bool kochMode) {
    if (kochMode) {
        Edit3->setText(fromCp1252(splitKochOrder(toCp1252(order), level)));
        Edit3->setStyleSheet(
            QStringLiteral("QLineEdit { color: white; background: rgb(255, 34, 34); }"));
    } else {
        Edit3->setText(order);
        Edit3->setStyleSheet(QStringLiteral("QLineEdit { color: rgb(238, 0, 0); }"));
    }
    // The characters in training lead the order: show its beginning.
    Edit3->setCursorPosition(0);
}

void showCharacterSetMode(QLineEdit* characterSet, bool kochMode) {
    characterSet->setStyleSheet(
        kochMode ? QStringLiteral("QLineEdit { color: rgb(0, 0, 255); }")
                 : QStringLiteral("QLineEdit { color: white; background: rgb(34, 34, 238); }"));
}

} // namespace dittaro
