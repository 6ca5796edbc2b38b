#pragma once

// The buttons of the two players: on "Abspielen" start (BitBtn6), pause (BitBtn7), stop
// (BitBtn8) and the word steps forward (BitBtn1) and back (BitBtn2); on "Gebeübung" the
// replay start (BitBtn3), stop (BitBtn4), pause (BitBtn5) and the replay speed (TrackBar4,
// 5..15 = 50..150 %) with its caption and value label (Label19).

class QLabel;
class QPushButton;
class QSlider;
class QWidget;

namespace dittaro {

class PlaybackControls {
public:
    explicit PlaybackControls(QWidget* parent);

    // p x 10 followed by " %".
    void refreshReplaySpeedLabel();

    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QPushButton* BitBtn8;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QLabel* LabelWiedergabe;
    QSlider* TrackBar4;
    QLabel* Label19;
};

} // namespace dittaro
