#pragma once

// The keying-practice controls of "Gebeübung": the key pictures (the paddle ImagePaddle and
// the straight key ImageHandtaste in the panel PanelTaste), the keying template (Memo4), the
// decoder text field (Memo5), the timing graph with its scroll bar, "Punkt/Strich-Speicher",
// "Rev.", "Software Keyer", "Decodieren", the keyer speed (Edit11 / UpDown9) and the decoder
// speed (Edit7 / UpDown5), and the group " Aufzeichnung " with "Start" and "Stop".

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace dittaro {

class DigitEdit;
class KeyPicture;
class UpDown;

class KeyingControls {
public:
    explicit KeyingControls(QWidget* parent);

    // The item of "Punkt/Strich-Speicher": 0 kein, 1 Punkt, 2 Strich, 3 beides.
    int memoryMode() const;
    void setMemoryMode(int mode);

    // The paddle picture with the keyer, the straight key otherwise.
    void showKey(bool keyer);

    QWidget* PanelTaste;
    KeyPicture* ImagePaddle;
    KeyPicture* ImageHandtaste;
    QPlainTextEdit* Memo4;
    QPlainTextEdit* Memo5;
    QFrame* PaintBoxGraph;
    QScrollBar* ScrollBarGraph;

    QGroupBox* RadioGroupSpeicher;
    QRadioButton* RadioButtonSpeicher[4];
    QCheckBox* CheckBoxRev;
    QCheckBox* CheckBoxSoftwareKeyer;
    QPushButton* ButtonDecodieren;
    QLabel* LabelSpeed;
    DigitEdit* Edit11;
    UpDown* UpDown9;
    QLabel* LabelBpMKeyer;
    DigitEdit* Edit7;
    UpDown* UpDown5;
    QLabel* LabelBpMDecoder;

    QGroupBox* GroupBoxAufzeichnung;
    QPushButton* ButtonAufnahmeStart;
    QPushButton* ButtonAufnahmeStop;

private:
    QButtonGroup* memoryButtons_;
};

} // namespace dittaro
