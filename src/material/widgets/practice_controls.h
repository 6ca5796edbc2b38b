#pragma once

// The listening-practice controls: the four source groups of the "Hörübung" tab with their
// start buttons, "Fehler anzeigen", and the text fields of the practice: the text field
// (Memo2), the answer field (Memo8), the word display (Memo1), the grey cover (Memo3) and
// "Wörter/Gruppen anzeigen".

#include <QFont>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace dittaro {

class UpDown;

class PracticeControls {
public:
    explicit PracticeControls(QWidget* parent);

    // "Zufallszeichen"
    QGroupBox* GroupBoxZufallszeichen;
    QLabel* LabelAnzahlGruppen;
    QLineEdit* Edit5; // number of groups
    UpDown* UpDown1;
    QLineEdit* Edit1; // times each group is sent
    UpDown* UpDown2;
    QPushButton* ButtonZeichenStart;
    QPushButton* ButtonKochRunter2; // "<"
    QPushButton* ButtonKochHoch2;   // ">"

    // " Zufallstexte "
    QGroupBox* GroupBoxZufallstexte;
    QComboBox* ComboBox2;
    QLabel* LabelAnzahlTexte;
    QLineEdit* Edit4; // number of random texts
    UpDown* UpDown3;
    QLineEdit* Edit6; // times each word is sent
    UpDown* UpDown4;
    QPushButton* ButtonZufallstexteStart;

    // "Textfeld"
    QGroupBox* GroupBoxTextfeld;
    QPushButton* ButtonTextfeldStart;

    QPushButton* ButtonFehlerAnzeigen;

    QPlainTextEdit* Memo2; // the practice text
    QPlainTextEdit* Memo8; // the answer
    QPlainTextEdit* Memo1; // the word display
    QPlainTextEdit* Memo3; // the grey cover over the text
    QCheckBox* CheckBoxZeichenAnzeigen;
};

} // namespace dittaro
