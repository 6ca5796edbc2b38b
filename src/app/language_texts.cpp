#include "app/language_texts.h"

#include "app/main_menu.h"
#include "app/status_bar.h"
#include "app/status_texts.h"
#include "app/tab_entry.h"
#include "engine/widgets/playback_controls.h"
#include "engine/widgets/timing_controls.h"
#include "engine/widgets/tone_controls.h"
#include "exam/widgets/exam_controls.h"
#include "keying/widgets/key_picture.h"
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
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <string_view>

namespace dittaro {
namespace {

// The texts of one table's row, as widgets take them.
class Row {
public:
    explicit Row(const TextRow& row) : row_(row) {}
    QString operator[](int column) const { return fromCp1252(row_.text(column)); }

private:
    const TextRow& row_;
};

void hint(std::initializer_list<QWidget*> widgets, const QString& text) {
    for (QWidget* widget : widgets) {
        widget->setToolTip(text);
    }
}

void applyTexte01(const Row& t, MainWindowParts& parts) {
    MainMenu& m = *parts.menu;
    const PracticeControls& p = *parts.practice;
    const KeyingControls& k = *parts.keying;
    m.Textdatei->setTitle(t[1]);
    m.Neu->setText(t[2]);
    m.SpeichernAls->setText(t[3]);
    m.Speichern->setText(t[4]);
    m.Oeffnen->setText(t[5]);
    m.Beenden->setText(t[6]);
    parts.ButtonHoeruebung->setText(t[7]);
    parts.ButtonGebeuebung->setText(t[8]);
    m.Steuer->setTitle(t[9]);
    hint({k.Edit7, k.UpDown5}, t[10]);
    m.ImportTimingdatei->setText(t[11]);
    m.ExportTimingdatei->setText(t[11]);
    m.ImportZufallstextdatei->setText(t[12]);
    m.ExportZufallstextdatei->setText(t[12]);
    m.Pruefungstextdatei1->setText(t[13]);
    hint({p.UpDown1}, t[14]);
    m.ExportWav->setText(t[15] + QStringLiteral(" (*.wav)"));
    m.ExportMp3->setText(t[15] + QStringLiteral(" (*.mp3)"));
    m.ExportOgg->setText(t[15] + QStringLiteral(" (*.ogg)"));
    hint({p.UpDown2}, t[18]);
    hint({p.UpDown4}, t[19]);
    parts.LabelSchriftgroesse->setText(t[20]);
    hint({p.UpDown3}, t[22]);
}

void applyTexte05(const Row& t, MainWindowParts& parts, ShellState& state) {
    const PracticeControls& p = *parts.practice;
    const KeyboardMorseControls& keyboard = *parts.keyboard;
    p.CheckBoxZeichenAnzeigen->setText(t[2]);
    keyboard.CheckBoxTastaturmorsen->setText(t[3]);
    keyboard.CheckBox15->setText(t[3]);
    parts.exam->GroupBox5->setTitle(t[4]);
    parts.exam->Button2->setText(t[5]);
    parts.menu->CH->setText(QStringLiteral("ch = 1 ") + t[8]);
    state.speedUnit = t[10];
    parts.timing->LabelAbspielen->setText(t[15]);
    parts.timing->GroupBoxTiming->setTitle(t[16]);
    parts.keying->LabelSpeed->setText(t[16].trimmed());

    parts.ButtonTastaturmorsen->setText(keyboard.CheckBoxTastaturmorsen->text());
    parts.timing->setSpeedUnit(state.speedUnit);
    parts.keying->LabelBpMKeyer->setText(state.speedUnit);
    parts.keying->LabelBpMDecoder->setText(state.speedUnit);
}

void applyTexte04(const Row& t, MainWindowParts& parts) {
    const PracticeControls& p = *parts.practice;
    const KochControls& koch = *parts.koch;
    p.LabelAnzahlGruppen->setText(t[1]);
    p.GroupBoxTextfeld->setTitle(t[2]);
    p.ButtonTextfeldStart->setText(t[3]);
    parts.exam->GroupBox7->setTitle(t[4]);
    p.ButtonFehlerAnzeigen->setText(t[5]);
    p.GroupBoxZufallszeichen->setTitle(t[6]);
    p.LabelAnzahlTexte->setText(t[7]);
    p.ButtonZeichenStart->setText(t[8]);
    p.GroupBoxZufallstexte->setTitle(t[9]);
    p.ButtonZufallstexteStart->setText(t[10]);
    hint({p.Edit5}, t[12]);
    hint({p.Edit1}, t[13]);
    hint({p.Edit4}, t[14]);
    hint({p.Edit6}, t[15]);
    hint({parts.timing->EditAbspielen, parts.timing->UpDownAbspielen}, t[16]);
    parts.menu->Ersetze->setTitle(t[17]);
    parts.exam->Button1->setText(t[19]);
    hint({p.ButtonTextfeldStart}, t[20]);
    hint({koch.ButtonKochHoch, p.ButtonKochHoch2}, t[22]);
    hint({koch.ButtonKochRunter, p.ButtonKochRunter2}, t[23]);
    hint({koch.ButtonMix}, t[24]);
}

void applyTexte03(const Row& t, MainWindowParts& parts, ShellState& state, TabEntry& tabEntry) {
    ToneControls& tone = *parts.tone;
    const MainMenu& m = *parts.menu;
    tone.LabelLautstaerke->setText(t[2]);
    tone.LabelTonhoehe->setText(t[3]);
    tone.CheckBoxSoundtest->setText(t[4]);
    tone.CheckBoxObertoene->setText(t[7]);
    m.DSR->setText(t[8]);
    m.CTS->setText(t[9]);
    m.RTS->setText(t[10]);
    hint({parts.timing->EditZeichen, parts.timing->UpDownZeichen}, t[12]);
    parts.timing->RadioGroup3->setTitle(t[15]);
    parts.characterSet->RadioGroupZeichenProGruppe->setTitle(t[16]);
    parts.koch->LabelKochReihenfolge->setText(t[19]);
    parts.koch->CheckBoxKochMethode->setText(t[23]);
    m.Wortabstand->setTitle(t[29]);

    tone.refreshValueLabels();
    tabEntry.refreshTimingFields();
    if (parts.tabs->currentIndex() == kKeyingTab) {
        const KeyingControls& k = *parts.keying;
        parts.status->set(4, k.CheckBoxSoftwareKeyer->isChecked()
                                 ? speedStatusText(k.UpDown9->position(), state.speedUnit)
                                 : QString());
    }
    parts.playback->LabelWiedergabe->setText(t[11]);
    parts.playback->refreshReplaySpeedLabel();
}

void applyTexte02(const Row& t, MainWindowParts& parts) {
    const MainMenu& m = *parts.menu;
    parts.timing->CheckBoxFarnsworth->setToolTip(t[1]);
    m.HaerteDerTastung->setTitle(t[2]);
    m.Hart->setText(t[3]);
    m.Mittel->setText(t[4]);
    m.Weich->setText(t[5]);
    m.Verzoegerung->setTitle(t[6]);
    m.Kurz->setText(t[7]);
    m.VerzoegerungMittel->setText(t[8]);
    m.Lang->setText(t[9]);
    m.ZufallstexttabelleLoeschen->setText(t[14]);
    m.Koch1->setText(t[15]);
    m.FuenfergruppenMorsepruefung->setText(t[16]);
    m.pruefung_korrigieren->setText(t[17]);
    m.Sprache->setTitle(t[18]);
    parts.heading->setText(t[19]);
    m.Hilfe->setTitle(t[20]);
    m.HilfeItem->setText(t[20]);
    m.Infos->setText(t[21]);
    m.BildschirmTasten->setTitle(t[22]);
    m.ModusDecodieren->setText(t[23]);
    m.ModusGrafik->setText(t[24]);
    m.Koch2->setText(t[25]);
}

void applyTexte06(const Row& t, MainWindowParts& parts) {
    KeyingControls& k = *parts.keying;
    k.RadioGroupSpeicher->setTitle(t[2]);
    // Items 0 to 3 are kein, Punkt, Strich, beides; the table holds them as 3, 5, 4, 6.
    const int selected = k.memoryMode();
    const int itemColumns[] = {3, 5, 4, 6};
    for (int i = 0; i < 4; ++i) {
        k.RadioButtonSpeicher[i]->setText(t[itemColumns[i]]);
    }
    k.setMemoryMode(selected);
    k.CheckBoxRev->setToolTip(t[7]);
    hint({k.ImagePaddle, k.ImageHandtaste}, t[8]);
    k.GroupBoxAufzeichnung->setTitle(t[9]);
    k.ButtonDecodieren->setText(t[10]);
    parts.menu->ImportTextdatei->setText(t[15] + QStringLiteral(" (*.txt)"));
}

} // namespace

void applyMainWindowTexts(const MainWindowTexts& texts, MainWindowParts& parts, ShellState& state,
                          TabEntry& tabEntry) {
    if (texts.texte_01) {
        applyTexte01(Row(*texts.texte_01), parts);
    }
    if (texts.texte_05) {
        applyTexte05(Row(*texts.texte_05), parts, state);
    }
    if (texts.texte_04) {
        applyTexte04(Row(*texts.texte_04), parts);
    }
    if (texts.texte_03) {
        applyTexte03(Row(*texts.texte_03), parts, state, tabEntry);
    }
    if (texts.texte_02) {
        applyTexte02(Row(*texts.texte_02), parts);
    }
    if (texts.texte_06) {
        applyTexte06(Row(*texts.texte_06), parts);
    }
    // The error list window takes form4_texte when it opens.

    QTabBar& tabs = *parts.tabs;
    if (texts.texte_03) {
        parts.characterSet->LabelZeichen->setText(Row(*texts.texte_03)[24]);
        tabs.setTabText(kSettingsTab, Row(*texts.texte_03)[1]);
    }
    tabs.setTabText(kPracticeTab, QStringLiteral("Sta&rt"));
    if (texts.texte_05) {
        tabs.setTabText(kPlaybackTab, Row(*texts.texte_05)[1]);
    }
    if (texts.texte_06) {
        tabs.setTabText(kKeyingTab, Row(*texts.texte_06)[1]);
    }
}

} // namespace dittaro
