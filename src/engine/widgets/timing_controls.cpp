#include "engine/widgets/timing_controls.h"

#include "engine/widgets/speed_entry.h"
#include "platform/widgets/design_units.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/named.h"
#include "platform/widgets/up_down.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>

namespace dittaro {

double ratioOfItem(int index) {
    switch (index) {
    case 1:
        return 3.5;
    case 2:
        return 4.0;
    default:
        return 3.0;
    }
}

TimingControls::TimingControls(QWidget* parent) {
    GroupBoxTiming = named(new QGroupBox(QStringLiteral(" Timing "), parent), "GroupBoxTiming");
    LabelAbspielen =
        named(new QLabel(QStringLiteral("Abspielen"), GroupBoxTiming), "LabelAbspielen");
    EditAbspielen = named(new DigitEdit(GroupBoxTiming), "EditAbspielen");
    UpDownAbspielen = named(new UpDown(GroupBoxTiming), "UpDownAbspielen");
    LabelBpMAbspielen =
        named(new QLabel(QStringLiteral("BpM"), GroupBoxTiming), "LabelBpMAbspielen");
    CheckBoxFarnsworth = named(new QCheckBox(QStringLiteral("Farnsworth-Timing"), GroupBoxTiming),
                               "CheckBoxFarnsworth");
    EditZeichen = named(new DigitEdit(GroupBoxTiming), "EditZeichen");
    UpDownZeichen = named(new UpDown(GroupBoxTiming), "UpDownZeichen");
    LabelBpMZeichen = named(new QLabel(QStringLiteral("BpM"), GroupBoxTiming), "LabelBpMZeichen");
    LabelAbspielen->setBuddy(EditAbspielen);

    design::place(LabelAbspielen, 12, 27, 100, 21);
    design::place(EditAbspielen, 116, 24, 50, 24);
    design::place(UpDownAbspielen, 166, 24, 17, 24);
    design::place(LabelBpMAbspielen, 190, 27, 70, 21);
    design::place(CheckBoxFarnsworth, 12, 56, 250, 22);
    design::place(EditZeichen, 116, 84, 50, 24);
    design::place(UpDownZeichen, 166, 84, 17, 24);
    design::place(LabelBpMZeichen, 190, 87, 70, 21);

    UpDownAbspielen->setRange(kPlaybackSpeedField.minimum, kPlaybackSpeedField.maximum);
    UpDownAbspielen->setIncrement(kPlaybackSpeedField.step);
    UpDownZeichen->setRange(kFarnsworthSpeedField.minimum, kFarnsworthSpeedField.maximum);
    UpDownZeichen->setIncrement(kFarnsworthSpeedField.step);

    RadioGroup3 = named(new QGroupBox(QStringLiteral(" Strich / Punkt "), parent), "RadioGroup3");
    ratioButtons_ = new QButtonGroup(RadioGroup3);
    const char* const items[] = {"3", "3.5", "4"};
    for (int i = 0; i < 3; ++i) {
        RadioButtonRatio[i] = new QRadioButton(QString::fromLatin1(items[i]), RadioGroup3);
        RadioButtonRatio[i]->setObjectName(QStringLiteral("RadioGroup3Item%1").arg(i));
        ratioButtons_->addButton(RadioButtonRatio[i], i);
        design::place(RadioButtonRatio[i], 12 + i * 80, 24, 76, 22);
    }

    EditAbspielen->onConfirm = [this] {
        confirmSpeed(confirmedSpeed(EditAbspielen->text().toStdString(), kPlaybackSpeedField));
    };
    UpDownAbspielen->onStep = [this](int position) {
        EditAbspielen->setFocus();
        confirmSpeed(position);
    };
    EditZeichen->onConfirm = [this] {
        confirmFarnsworthSpeed(
            confirmedFarnsworthSpeed(EditZeichen->text().toStdString(), values_.speed));
    };
    UpDownZeichen->onStep = [this](int position) {
        EditZeichen->setFocus();
        confirmFarnsworthSpeed(std::max(position, values_.speed));
    };
    QObject::connect(CheckBoxFarnsworth, &QCheckBox::clicked, CheckBoxFarnsworth,
                     [this](bool checked) {
                         values_.farnsworth = checked;
                         showValues();
                         changed();
                     });
    QObject::connect(ratioButtons_, &QButtonGroup::idClicked, RadioGroup3, [this](int id) {
        values_.ratioIndex = id;
        changed();
    });

    showValues();
}

void TimingControls::setValues(const TimingValues& values) {
    values_ = values;
    values_.ratioIndex = std::clamp(values.ratioIndex, 0, 2);
    showValues();
}

void TimingControls::setSpeedUnit(const QString& unit) {
    LabelBpMAbspielen->setText(unit);
    LabelBpMZeichen->setText(unit);
}

QString TimingControls::ratioText() const {
    return RadioButtonRatio[values_.ratioIndex]->text();
}

void TimingControls::confirmSpeed(int speed) {
    values_.speed = speed;
    if (values_.farnsworthSpeed < speed) {
        values_.farnsworthSpeed = speed;
    }
    showValues();
    changed();
}

void TimingControls::confirmFarnsworthSpeed(int speed) {
    values_.farnsworthSpeed = speed;
    showValues();
    changed();
}

void TimingControls::showValues() {
    EditAbspielen->setText(QString::number(values_.speed));
    UpDownAbspielen->setPosition(values_.speed);
    EditZeichen->setText(QString::number(values_.farnsworthSpeed));
    UpDownZeichen->setPosition(values_.farnsworthSpeed);
    CheckBoxFarnsworth->setChecked(values_.farnsworth);
    EditZeichen->setEnabled(values_.farnsworth);
    UpDownZeichen->setEnabled(values_.farnsworth);
    LabelBpMZeichen->setEnabled(values_.farnsworth);
    RadioButtonRatio[values_.ratioIndex]->setChecked(true);
}

void TimingControls::changed() {
    if (onChanged) {
        onChanged();
    }
}

} // namespace dittaro
