#pragma once

// The random-group settings of the settings tab: the character set (Edit2) under its label
// "Zeichen" with the buttons "a..z", "0..9" and "+-=,.:?/()'ß@", and the group length
// " Zeichen/Gruppe " (items "2" to "5"). The character set is a panel of its own; the
// group-length radio group is placed by the window.

#include <QWidget>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dittaro {

class CharacterSetControls : public QWidget {
public:
    explicit CharacterSetControls(QWidget* parent);

    // 0..3 for groups of 2..5 characters.
    int groupLengthIndex() const;
    void setGroupLengthIndex(int index);

    QLabel* LabelZeichen;
    QLineEdit* Edit2;
    QPushButton* ButtonAZ;
    QPushButton* Button09;
    QPushButton* ButtonSonderzeichen;

    QGroupBox* RadioGroupZeichenProGruppe;
    QRadioButton* RadioButtonGroupLength[4];

private:
    QButtonGroup* groupLengthButtons_;
};

} // namespace dittaro
