#include "keying/widgets/keying_controls.h"

#include "keying/widgets/key_picture.h"
#include "platform/widgets/design_units.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/named.h"
#include "platform/widgets/up_down.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

namespace dittaro {

KeyingControls::KeyingControls(QWidget* parent) {
    PanelTaste = named(new QFrame(parent), "PanelTaste");
    static_cast<QFrame*>(PanelTaste)->setFrameShape(QFrame::StyledPanel);
    ImagePaddle = named(new KeyPicture(KeyPicture::Key::Paddle, PanelTaste), "ImagePaddle");
    ImageHandtaste =
        named(new KeyPicture(KeyPicture::Key::StraightKey, PanelTaste), "ImageHandtaste");

    Memo4 = named(new QPlainTextEdit(parent), "Memo4");
    Memo4->setTabChangesFocus(true);
    Memo5 = named(new QPlainTextEdit(parent), "Memo5");
    Memo5->setReadOnly(true);
    PaintBoxGraph = named(new QFrame(parent), "PaintBoxGraph");
    PaintBoxGraph->setFrameShape(QFrame::StyledPanel);
    PaintBoxGraph->setAutoFillBackground(true);
    PaintBoxGraph->setBackgroundRole(QPalette::Base);
    ScrollBarGraph = named(new QScrollBar(Qt::Horizontal, parent), "ScrollBarGraph");
    ScrollBarGraph->setRange(32, 32);
    ScrollBarGraph->setPageStep(32);
    ScrollBarGraph->setSingleStep(2);

    RadioGroupSpeicher =
        named(new QGroupBox(QStringLiteral("Punkt/Strich-Speicher"), parent), "RadioGroupSpeicher");
    memoryButtons_ = new QButtonGroup(RadioGroupSpeicher);
    const char* const items[] = {"kein", "Punkt", "Strich", "beides"};
    for (int i = 0; i < 4; ++i) {
        RadioButtonSpeicher[i] =
            new QRadioButton(QString::fromLatin1(items[i]), RadioGroupSpeicher);
        RadioButtonSpeicher[i]->setObjectName(QStringLiteral("RadioGroupSpeicherItem%1").arg(i));
        memoryButtons_->addButton(RadioButtonSpeicher[i], i);
        design::place(RadioButtonSpeicher[i], 12 + (i % 2) * 100, 24 + (i / 2) * 24, 98, 22);
    }
    RadioButtonSpeicher[0]->setChecked(true);

    CheckBoxRev = named(new QCheckBox(QStringLiteral("Rev."), parent), "CheckBoxRev");
    CheckBoxSoftwareKeyer =
        named(new QCheckBox(QStringLiteral("Software Keyer"), parent), "CheckBoxSoftwareKeyer");
    ButtonDecodieren =
        named(new QPushButton(QStringLiteral("Decodieren"), parent), "ButtonDecodieren");
    LabelSpeed = named(new QLabel(QStringLiteral("Speed"), parent), "LabelSpeed");
    Edit11 = named(new DigitEdit(parent), "Edit11");
    UpDown9 = named(new UpDown(parent), "UpDown9");
    UpDown9->setRange(40, 200);
    UpDown9->setIncrement(5);
    LabelBpMKeyer = named(new QLabel(QStringLiteral("BpM"), parent), "LabelBpMKeyer");
    Edit7 = named(new DigitEdit(parent), "Edit7");
    UpDown5 = named(new UpDown(parent), "UpDown5");
    UpDown5->setRange(40, 300);
    UpDown5->setIncrement(5);
    LabelBpMDecoder = named(new QLabel(QStringLiteral("BpM"), parent), "LabelBpMDecoder");
    LabelSpeed->setBuddy(Edit11);

    GroupBoxAufzeichnung =
        named(new QGroupBox(QStringLiteral(" Aufzeichnung "), parent), "GroupBoxAufzeichnung");
    ButtonAufnahmeStart = named(new QPushButton(QStringLiteral("Start"), GroupBoxAufzeichnung),
                                "ButtonAufnahmeStart");
    ButtonAufnahmeStop =
        named(new QPushButton(QStringLiteral("Stop"), GroupBoxAufzeichnung), "ButtonAufnahmeStop");
    design::place(ButtonAufnahmeStart, 12, 24, 90, 28);
    design::place(ButtonAufnahmeStop, 110, 24, 90, 28);
}

int KeyingControls::memoryMode() const {
    return std::max(0, memoryButtons_->checkedId());
}

void KeyingControls::setMemoryMode(int mode) {
    RadioButtonSpeicher[std::clamp(mode, 0, 3)]->setChecked(true);
}

void KeyingControls::showKey(bool keyer) {
    ImagePaddle->setVisible(keyer);
    ImageHandtaste->setVisible(!keyer);
}

} // namespace dittaro
