#pragma once

// The speed controls of the settings tab: the group " Timing " with the playback speed
// (EditAbspielen / UpDownAbspielen), "Farnsworth-Timing" (CheckBoxFarnsworth) and the
// Farnsworth character speed (EditZeichen / UpDownZeichen), and the dash : dot ratio group
// " Strich / Punkt " (RadioGroup3). Speeds are in characters per minute.

#include <QString>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace dittaro {

class DigitEdit;
class UpDown;

struct TimingValues {
    int speed = 40;
    bool farnsworth = false;
    int farnsworthSpeed = 60;
    int ratioIndex = 0; // 0 = 3, 1 = 3.5, 2 = 4

    bool operator==(const TimingValues&) const = default;
};

// The ratio of the radio group's items: 3, 3.5 and 4.
double ratioOfItem(int index);

class TimingControls {
public:
    explicit TimingControls(QWidget* parent);

    // Shows values without running onChanged (settings load, the Koch / normal switch).
    void setValues(const TimingValues& values);
    const TimingValues& values() const { return values_; }

    // The language's word for characters per minute, beside both speed fields.
    void setSpeedUnit(const QString& unit);
    // The text of the selected ratio item ("3", "3.5", "4").
    QString ratioText() const;

    // After the user changed a value (a confirmed speed, the box, a ratio item).
    std::function<void()> onChanged;

    QGroupBox* GroupBoxTiming;
    QLabel* LabelAbspielen;
    DigitEdit* EditAbspielen;
    UpDown* UpDownAbspielen;
    QLabel* LabelBpMAbspielen;
    QCheckBox* CheckBoxFarnsworth;
    DigitEdit* EditZeichen;
    UpDown* UpDownZeichen;
    QLabel* LabelBpMZeichen;

    QGroupBox* RadioGroup3;
    QRadioButton* RadioButtonRatio[3];

private:
    void confirmSpeed(int speed);
    void confirmFarnsworthSpeed(int speed);
    void showValues();
    void changed();

    TimingValues values_;
    QButtonGroup* ratioButtons_;
};

} // namespace dittaro
