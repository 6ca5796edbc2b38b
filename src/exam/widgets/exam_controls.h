#pragma once

// The exam's controls in the main window: the group GroupBox7 with "Prüfung Start" (Button1)
// on "Hörübung", and the group " VKX-Morseprüfung " (GroupBox5) with "Prüfung speichern"
// (Button2) shown on "Abspielen" while an exam runs.

class QGroupBox;
class QPushButton;
class QWidget;

namespace dittaro {

class ExamControls {
public:
    explicit ExamControls(QWidget* parent);

    QGroupBox* GroupBox7;
    QPushButton* Button1;
    QGroupBox* GroupBox5;
    QPushButton* Button2;
};

} // namespace dittaro
