#include "engine/widgets/tone_controls.h"

#include "platform/widgets/design_units.h"
#include "platform/widgets/named.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace dittaro {
namespace {

QSlider* slider(QWidget* parent, const char* name, int minimum, int maximum, int tickInterval) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(minimum, maximum);
    slider->setTickInterval(tickInterval);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

} // namespace

ToneControls::ToneControls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ToneControls"));
    LabelLautstaerke = named(new QLabel(QStringLiteral("Lautstärke"), this), "LabelLautstaerke");
    TrackBarLautstaerke = slider(this, "TrackBarLautstaerke", 0, 20, 1);
    TrackBarLautstaerke->setPageStep(2);
    LabelLautstaerkeWert = named(new QLabel(this), "LabelLautstaerkeWert");
    LabelTonhoehe = named(new QLabel(QStringLiteral("Tonhöhe"), this), "LabelTonhoehe");
    TrackBarTonhoehe = slider(this, "TrackBarTonhoehe", 400, 1200, 50);
    TrackBarTonhoehe->setPageStep(50);
    LabelTonhoeheWert = named(new QLabel(this), "LabelTonhoeheWert");
    CheckBoxObertoene = named(new QCheckBox(QStringLiteral("Obertöne"), this), "CheckBoxObertoene");
    CheckBoxSoundtest =
        named(new QCheckBox(QStringLiteral("Soundtest"), this), "CheckBoxSoundtest");
    LabelLautstaerkeWert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelTonhoeheWert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    design::place(LabelLautstaerke, 0, 0, 170, 20);
    design::place(LabelLautstaerkeWert, 170, 0, 70, 20);
    design::place(TrackBarLautstaerke, 0, 20, 240, 30);
    design::place(LabelTonhoehe, 0, 58, 170, 20);
    design::place(LabelTonhoeheWert, 170, 58, 70, 20);
    design::place(TrackBarTonhoehe, 0, 78, 240, 30);
    design::place(CheckBoxObertoene, 0, 118, 240, 22);
    design::place(CheckBoxSoundtest, 0, 144, 240, 22);
    setFixedSize(design::size(240, 166));

    TrackBarLautstaerke->setValue(4);
    TrackBarTonhoehe->setValue(800);
    refreshValueLabels();

    connect(TrackBarLautstaerke, &QSlider::valueChanged, this, [this](int value) {
        refreshValueLabels();
        if (onVolume) {
            onVolume(value);
        }
    });
    connect(TrackBarTonhoehe, &QSlider::valueChanged, this, [this](int value) {
        refreshValueLabels();
        if (onPitch) {
            onPitch(value);
        }
    });
    connect(CheckBoxObertoene, &QCheckBox::clicked, this, [this](bool on) {
        if (onOvertones) {
            onOvertones(on);
        }
    });
    connect(CheckBoxSoundtest, &QCheckBox::clicked, this,
            [this](bool on) { soundTestChanged(on); });
}

int ToneControls::volume() const {
    return TrackBarLautstaerke->value();
}
int ToneControls::pitch() const {
    return TrackBarTonhoehe->value();
}
bool ToneControls::overtones() const {
    return CheckBoxObertoene->isChecked();
}
bool ToneControls::soundTest() const {
    return CheckBoxSoundtest->isChecked();
}

void ToneControls::setVolume(int volume) {
    const QSignalBlocker blocker(TrackBarLautstaerke);
    TrackBarLautstaerke->setValue(volume);
    refreshValueLabels();
}

void ToneControls::setPitch(int pitch) {
    const QSignalBlocker blocker(TrackBarTonhoehe);
    TrackBarTonhoehe->setValue(pitch);
    refreshValueLabels();
}

void ToneControls::setOvertones(bool on) {
    CheckBoxObertoene->setChecked(on);
}

void ToneControls::stopSoundTest() {
    if (CheckBoxSoundtest->isChecked()) {
        CheckBoxSoundtest->setChecked(false);
        soundTestChanged(false);
    }
}

void ToneControls::refreshValueLabels() {
    LabelLautstaerkeWert->setText(QString::number(5 * volume()) + QStringLiteral(" %"));
    LabelTonhoeheWert->setText(QString::number(pitch()) + QStringLiteral(" Hz"));
}

void ToneControls::soundTestChanged(bool on) {
    CheckBoxObertoene->setEnabled(!on);
    if (onSoundTest) {
        onSoundTest(on);
    }
}

} // namespace dittaro
