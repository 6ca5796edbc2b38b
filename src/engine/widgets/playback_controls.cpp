#include "engine/widgets/playback_controls.h"

#include "platform/widgets/named.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

namespace dittaro {
namespace {

QPushButton* mediaButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon) {
    auto* button = named(new QPushButton(parent), name);
    button->setIcon(QApplication::style()->standardIcon(icon));
    return button;
}

} // namespace

PlaybackControls::PlaybackControls(QWidget* parent) {
    BitBtn6 = mediaButton(parent, "BitBtn6", QStyle::SP_MediaPlay);
    BitBtn7 = mediaButton(parent, "BitBtn7", QStyle::SP_MediaPause);
    BitBtn8 = mediaButton(parent, "BitBtn8", QStyle::SP_MediaStop);
    BitBtn1 = mediaButton(parent, "BitBtn1", QStyle::SP_MediaSeekForward);
    BitBtn2 = mediaButton(parent, "BitBtn2", QStyle::SP_MediaSeekBackward);

    BitBtn3 = mediaButton(parent, "BitBtn3", QStyle::SP_MediaPlay);
    BitBtn4 = mediaButton(parent, "BitBtn4", QStyle::SP_MediaStop);
    BitBtn5 = mediaButton(parent, "BitBtn5", QStyle::SP_MediaPause);
    LabelWiedergabe =
        named(new QLabel(QStringLiteral("Wiedergabegeschwindigkeit"), parent), "LabelWiedergabe");
    TrackBar4 = named(new QSlider(Qt::Horizontal, parent), "TrackBar4");
    TrackBar4->setRange(5, 15);
    TrackBar4->setPageStep(1);
    TrackBar4->setTickPosition(QSlider::TicksBelow);
    TrackBar4->setTickInterval(1);
    TrackBar4->setValue(10);
    Label19 = named(new QLabel(parent), "Label19");
    refreshReplaySpeedLabel();
    QObject::connect(TrackBar4, &QSlider::valueChanged, Label19,
                     [this] { refreshReplaySpeedLabel(); });
}

void PlaybackControls::refreshReplaySpeedLabel() {
    Label19->setText(QString::number(TrackBar4->value() * 10) + QStringLiteral(" %"));
}

} // namespace dittaro
