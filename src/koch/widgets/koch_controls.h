#pragma once

// The Koch controls of the settings tab: "Koch-Methode" (CheckBoxKochMethode), the Koch order
// field (Edit3) under its label, its level buttons "<" and ">", "Mix" and "Koch Trainer".

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dittaro {

class KochControls : public QWidget {
public:
    explicit KochControls(QWidget* parent);

    // The field shows the split order in Koch mode and the whole order otherwise, in the
    // colours that mark which of the two character fields is in use.
    void showOrder(const QString& order, int level, bool kochMode);

    QCheckBox* CheckBoxKochMethode;
    QLabel* LabelKochReihenfolge;
    QLineEdit* Edit3;
    QPushButton* ButtonKochRunter; // "<"
    QPushButton* ButtonKochHoch;   // ">"
    QPushButton* ButtonMix;
    QPushButton* ButtonKochTrainer;
};

// The character-set field in the colours of the mode: white on blue when it is in use
// (normal mode), blue letters when the Koch order is.
void showCharacterSetMode(QLineEdit* characterSet, bool kochMode);

} // namespace dittaro
