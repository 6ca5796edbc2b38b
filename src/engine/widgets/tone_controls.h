#pragma once

// The tone controls of the settings tab: volume (TrackBarLautstaerke, 0..20 in steps of 5 %)
// and pitch (TrackBarTonhoehe, 400..1200 Hz) with their captions and value labels,
// "Obertöne" (CheckBoxObertoene) and "Soundtest" (CheckBoxSoundtest). A panel of its own.

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QSlider;

namespace dittaro {

class ToneControls : public QWidget {
public:
    explicit ToneControls(QWidget* parent);

    int volume() const;
    int pitch() const;
    bool overtones() const;
    bool soundTest() const;

    // Without running the callbacks (settings load).
    void setVolume(int volume);
    void setPitch(int pitch);
    void setOvertones(bool on);
    // Unticks "Soundtest" as a click would: runs onSoundTest when it was ticked.
    void stopSoundTest();

    // "5 × volume %" and "pitch Hz".
    void refreshValueLabels();

    std::function<void(int volume)> onVolume;
    std::function<void(int pitch)> onPitch;
    std::function<void(bool on)> onOvertones;
    // While ticked the tone sounds continuously; the window then locks the hardness menu
    // and "Obertöne" (this panel locks "Obertöne" itself).
    std::function<void(bool on)> onSoundTest;

    QLabel* LabelLautstaerke;
    QSlider* TrackBarLautstaerke;
    QLabel* LabelLautstaerkeWert;
    QLabel* LabelTonhoehe;
    QSlider* TrackBarTonhoehe;
    QLabel* LabelTonhoeheWert;
    QCheckBox* CheckBoxObertoene;
    QCheckBox* CheckBoxSoundtest;

private:
    void soundTestChanged(bool on);
};

} // namespace dittaro
