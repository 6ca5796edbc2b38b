#include "material/widgets/character_set_controls.h"

#include "platform/widgets/design_units.h"
#include "platform/widgets/named.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace dittaro {

CharacterSetControls::CharacterSetControls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CharacterSetControls"));
    LabelZeichen = named(new QLabel(QStringLiteral("Zeichen"), this), "LabelZeichen");
    Edit2 = named(new QLineEdit(this), "Edit2");
    ButtonAZ = named(new QPushButton(QStringLiteral("a..z"), this), "ButtonAZ");
    Button09 = named(new QPushButton(QStringLiteral("0..9"), this), "Button09");
    ButtonSonderzeichen =
        named(new QPushButton(QStringLiteral("+-=,.:?/()'ß@"), this), "ButtonSonderzeichen");
    LabelZeichen->setBuddy(Edit2);

    design::place(LabelZeichen, 0, 0, 280, 20);
    design::place(Edit2, 0, 20, 280, 24);
    design::place(ButtonAZ, 0, 50, 70, 26);
    design::place(Button09, 76, 50, 70, 26);
    design::place(ButtonSonderzeichen, 152, 50, 128, 26);
    setFixedSize(design::size(280, 76));

    RadioGroupZeichenProGruppe = named(new QGroupBox(QStringLiteral(" Zeichen/Gruppe "), parent),
                                       "RadioGroupZeichenProGruppe");
    groupLengthButtons_ = new QButtonGroup(RadioGroupZeichenProGruppe);
    for (int i = 0; i < 4; ++i) {
        RadioButtonGroupLength[i] =
            new QRadioButton(QString::number(i + 2), RadioGroupZeichenProGruppe);
        RadioButtonGroupLength[i]->setObjectName(
            QStringLiteral("RadioGroupZeichenProGruppeItem%1").arg(i));
        groupLengthButtons_->addButton(RadioButtonGroupLength[i], i);
        design::place(RadioButtonGroupLength[i], 12 + i * 60, 24, 56, 22);
    }
    setGroupLengthIndex(3);
}

int CharacterSetControls::groupLengthIndex() const {
    return std::max(0, groupLengthButtons_->checkedId());
}

void CharacterSetControls::setGroupLengthIndex(int index) {
    RadioButtonGroupLength[std::clamp(index, 0, 3)]->setChecked(true);
}

} // namespace dittaro
