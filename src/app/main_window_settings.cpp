// The settings and the main window: which control shows which setting, the handlers that
// run when a setting is loaded, and the values written back.

#include "app/main_menu.h"
#include "app/main_window.h"
#include "engine/widgets/playback_controls.h"
#include "engine/widgets/speed_entry.h"
#include "engine/widgets/timing_controls.h"
#include "engine/widgets/tone_controls.h"
#include "keying/widgets/keyboard_morse_controls.h"
#include "keying/widgets/keying_controls.h"
#include "koch/widgets/koch_controls.h"
#include "material/widgets/character_set_controls.h"
#include "material/widgets/practice_controls.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/qt_text.h"
#include "platform/widgets/up_down.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>
#include <algorithm>

namespace dittaro {
namespace {

// A number box: the arrows' position and the field's text.
void showNumber(QLineEdit* field, UpDown* upDown, int value) {
    upDown->setPosition(value);
    field->setText(QString::number(upDown->position()));
}

template <std::size_t N> int checkedItem(const std::array<QAction*, N>& items) {
    for (std::size_t i = 0; i < N; ++i) {
        if (items[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

} // namespace

// In the order the settings are loaded: a value that depends on another comes after it,
// and "Sprache" comes last.
void MainWindow::applySettings(const Settings& settings) {
    state_.settings = settings;
    const Voreinstellungen& v = settings.voreinstellungen;
    MainMenu& m = *menu_;
    ToneControls& tone = *parts_.tone;
    KeyingControls& k = *keying_;
    PracticeControls& p = *practice_;

    tone.setVolume(v.Volume);
    sound_.volume = v.Volume;
    tone.setPitch(v.Frequency);
    sound_.pitch = v.Frequency;
    showNumber(k.Edit11, k.UpDown9, playbackSpeedFromId(v.KeyerID));
    k.setMemoryMode(v.IambicMode);
    k.CheckBoxRev->setChecked(v.Reverse);
    showNumber(p.Edit5, p.UpDown1, v.Gruppen);
    parts_.characterSet->Edit2->setText(fromCp1252(v.Zeichenvorrat));
    parts_.characterSet->Edit2->setCursorPosition(0);
    m.WortabstandItems[static_cast<std::size_t>(std::clamp(v.KA, 0, 12))]->setChecked(true);
    m.GruppenabstandItems[static_cast<std::size_t>(std::clamp(v.WortabstandID, 0, 12))]->setChecked(
        true);
    m.ComItems[static_cast<std::size_t>(std::clamp(v.COM, 1, 10) - 1)]->setChecked(true);
    m.Umlaute->setChecked(v.Umlaute);
    m.Akzente->setChecked(v.Akzente);
    m.CH->setChecked(v.CH);
    m.SZ->setChecked(v.SZ);
    showNumber(p.Edit4, p.UpDown3, v.Zeilen);
    if (v.ZufallstextIndex < p.ComboBox2->count()) {
        p.ComboBox2->setCurrentIndex(v.ZufallstextIndex);
    }

    // "Software Keyer": the decoder speed box shows the keyer speed while the keyer keys,
    // the straight key's own decoder speed otherwise.
    const bool keyer = !v.Handtaste;
    k.CheckBoxSoftwareKeyer->setChecked(keyer);
    k.showKey(keyer);
    showNumber(k.Edit7, k.UpDown5, keyer ? k.UpDown9->position() : v.DecodierSpeed);
    if (keyer) {
        k.Edit7->setEnabled(false);
        k.UpDown5->setEnabled(false);
    }

    // "Koch-Methode" shows the exercise set of its mode, the normal one otherwise.
    switchExerciseSet(v.KochMethode);

    m.checkHardness(v.TastungID);
    sound_.hardnessMs = v.TastungID;
    p.CheckBoxZeichenAnzeigen->setChecked(v.ZeichenAnzeigen);
    tone.setOvertones(v.Obertoene);
    sound_.overtones = v.Obertoene;
    showNumber(p.Edit1, p.UpDown2, v.GruppenWiederholungID);
    showNumber(p.Edit6, p.UpDown4, v.WortWiederholungID);
    m.checkDelay(v.VerzID);
    m.checkKeyingMode(v.TastenModus);
    parts_.ComboBox3->setCurrentIndex(v.FontsizeID);
    applyFontSize(v.FontsizeID);
    m.DSR->setChecked(v.DSR);
    m.CTS->setChecked(v.CTS);
    m.RTS->setChecked(v.RTS);

    chooseLanguage(v.Sprache);
}

Settings MainWindow::currentSettings() const {
    Settings settings = state_.settings;
    Voreinstellungen& v = settings.voreinstellungen;
    const MainMenu& m = *menu_;
    const ToneControls& tone = *parts_.tone;
    const KeyingControls& k = *keying_;
    const PracticeControls& p = *practice_;
    const TimingValues& timing = timing_->values();

    v.Volume = tone.volume();
    v.Frequency = tone.pitch();
    v.Obertoene = tone.overtones();
    v.KeyerID = playbackSpeedId(k.UpDown9->position());
    const int groupLength = parts_.characterSet->groupLengthIndex();
    if (v.KochMethode) {
        v.KG = playbackSpeedId(timing.speed);
        v.KFM = timing.farnsworth;
        v.KF = farnsworthSpeedId(timing.farnsworthSpeed);
        v.KSP = timing.ratioIndex;
        v.KZPG = groupLength;
    } else {
        v.GeschwindigkeitID = playbackSpeedId(timing.speed);
        v.Farnsworth = timing.farnsworth;
        v.FarnsworthBpMID = farnsworthSpeedId(timing.farnsworthSpeed);
        v.PunktStrichID = timing.ratioIndex;
        v.ZeichenProGruppe = groupLength;
    }
    v.IambicMode = k.memoryMode();
    v.Reverse = k.CheckBoxRev->isChecked();
    v.Gruppen = p.UpDown1->position();
    v.GruppenWiederholungID = p.UpDown2->position();
    v.Zeilen = p.UpDown3->position();
    v.WortWiederholungID = p.UpDown4->position();
    v.Zeichenvorrat = toCp1252(parts_.characterSet->Edit2->text());
    v.WortabstandID = checkedItem(m.GruppenabstandItems);
    v.KA = checkedItem(m.WortabstandItems);
    v.COM = checkedItem(m.ComItems) + 1;
    v.Umlaute = m.Umlaute->isChecked();
    v.Akzente = m.Akzente->isChecked();
    v.CH = m.CH->isChecked();
    v.SZ = m.SZ->isChecked();
    v.ZufallstextIndex = std::max(0, p.ComboBox2->currentIndex());
    const bool keyer = k.CheckBoxSoftwareKeyer->isChecked();
    if (!keyer) {
        v.DecodierSpeed = k.UpDown5->position();
    }
    v.Handtaste = !keyer;
    v.TabIndex = currentTab();
    v.TastaturMorsen = keyboard_->CheckBoxTastaturmorsen->isChecked();
    v.relGeschw = playback_->TrackBar4->value();
    v.TastungID = m.hardness();
    v.ZeichenAnzeigen = p.CheckBoxZeichenAnzeigen->isChecked();
    v.VerzID = m.delay();
    v.TastenModus = m.keyingMode();
    v.FontsizeID = parts_.ComboBox3->currentIndex();
    v.DSR = m.DSR->isChecked();
    v.CTS = m.CTS->isChecked();
    v.RTS = m.RTS->isChecked();
    return settings;
}

} // namespace dittaro
