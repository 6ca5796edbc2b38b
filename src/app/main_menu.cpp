#include "app/main_menu.h"

#include "platform/widgets/named.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace dittaro {
namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption, bool checkable = false) {
    QAction* action = named(menu->addAction(caption), name);
    action->setCheckable(checkable);
    return action;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption) {
    return named(parent->addMenu(caption), name);
}

// Radio items: exactly one is checked.
void exclusive(QMenu* menu, std::initializer_list<QAction*> actions) {
    auto* group = new QActionGroup(menu);
    for (QAction* action : actions) {
        action->setCheckable(true);
        group->addAction(action);
    }
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    Textdatei = named(bar->addMenu(QStringLiteral("Textdatei")), "Textdatei");
    Neu = item(Textdatei, "Neu", QStringLiteral("Neu"));
    Neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    SpeichernAls = item(Textdatei, "SpeichernAls", QStringLiteral("Speichern als"));
    Speichern = item(Textdatei, "Speichern", QStringLiteral("Speichern"));
    Oeffnen = item(Textdatei, "Oeffnen", QStringLiteral("Öffnen"));
    Textdatei->addSeparator();
    Beenden = item(Textdatei, "Beenden", QStringLiteral("Beenden"));

    Import = named(bar->addMenu(QStringLiteral("Import")), "Import");
    ImportTextdatei = item(Import, "ImportTextdatei", QStringLiteral("Textdatei (*.txt)"));
    ImportZufallstextdatei =
        item(Import, "ImportZufallstextdatei", QStringLiteral("Zufallstextdatei (*.txt)"));
    ImportTimingdatei = item(Import, "ImportTimingdatei", QStringLiteral("Timingdatei (*.cw1)"));
    Pruefungstextdatei1 =
        item(Import, "Pruefungstextdatei1", QStringLiteral("Prüfungstextdatei (*.txt)"));

    Export = named(bar->addMenu(QStringLiteral("Export")), "Export");
    ExportTimingdatei = item(Export, "ExportTimingdatei", QStringLiteral("Timingdatei (*.cw1)"));
    ExportZufallstextdatei =
        item(Export, "ExportZufallstextdatei", QStringLiteral("Zufallstextdatei (*.txt)"));
    ExportWav = item(Export, "ExportWav", QStringLiteral("Audiodatei (*.wav)"));
    ExportMp3 = item(Export, "ExportMp3", QStringLiteral("Audiodatei (*.mp3)"));
    ExportOgg = item(Export, "ExportOgg", QStringLiteral("Audiodatei (*.ogg)"));

    Extras = named(bar->addMenu(QStringLiteral("Extras")), "Extras");
    HaerteDerTastung = submenu(Extras, "HaerteDerTastung", QStringLiteral("Härte der Tastung"));
    Hart = item(HaerteDerTastung, "Hart", QStringLiteral("&hart"));
    Mittel = item(HaerteDerTastung, "Mittel", QStringLiteral("&mittel"));
    Weich = item(HaerteDerTastung, "Weich", QStringLiteral("&weich"));
    exclusive(HaerteDerTastung, {Hart, Mittel, Weich});

    Verzoegerung =
        submenu(Extras, "Verzoegerung", QStringLiteral("Verzögerung (Wörter/Gruppen anzeigen)"));
    Kurz = item(Verzoegerung, "Kurz", QStringLiteral("&kurz"));
    VerzoegerungMittel = item(Verzoegerung, "VerzoegerungMittel", QStringLiteral("&mittel"));
    Lang = item(Verzoegerung, "Lang", QStringLiteral("&lang"));
    exclusive(Verzoegerung, {Kurz, VerzoegerungMittel, Lang});

    BildschirmTasten =
        submenu(Extras, "BildschirmTasten", QStringLiteral("Bildschirm Tasten: Modus"));
    ModusNormal = item(BildschirmTasten, "ModusNormal", QStringLiteral("normal"));
    ModusDecodieren =
        item(BildschirmTasten, "ModusDecodieren", QStringLiteral("permanent decodieren"));
    ModusGrafik = item(BildschirmTasten, "ModusGrafik", QStringLiteral("grafische Analyse"));
    exclusive(BildschirmTasten, {ModusNormal, ModusDecodieren, ModusGrafik});

    Gruppenabstand =
        submenu(Extras, "Gruppenabstand", QStringLiteral("Gruppenabstand bei Zufallszeichen"));
    const char* const groupGaps[] = {"normal", "0.5 s", "1 s", "1.5 s", "2 s", "3 s", "4 s",
                                     "5 s",    "6 s",   "7 s", "8 s",   "9 s", "10 s"};
    auto* groupGapItems = new QActionGroup(Gruppenabstand);
    for (std::size_t i = 0; i < GruppenabstandItems.size(); ++i) {
        QAction* action = Gruppenabstand->addAction(QString::fromLatin1(groupGaps[i]));
        action->setObjectName(QStringLiteral("Gruppenabstand%1").arg(i));
        action->setCheckable(true);
        groupGapItems->addAction(action);
        GruppenabstandItems[i] = action;
    }
    Wortabstand = submenu(Extras, "Wortabstand", QStringLiteral("Wortabstand bei Zufallstexten"));
    const char* const wordGaps[] = {"normal", "2 s", "3 s",  "4 s",   "5 s", "6 s",  "7 s",
                                    "8 s",    "9 s", "10 s", "0.5 s", "1 s", "1.5 s"};
    auto* wordGapItems = new QActionGroup(Wortabstand);
    for (std::size_t i = 0; i < WortabstandItems.size(); ++i) {
        QAction* action = Wortabstand->addAction(QString::fromLatin1(wordGaps[i]));
        action->setObjectName(QStringLiteral("Wortabstand%1").arg(i));
        action->setCheckable(true);
        wordGapItems->addAction(action);
        WortabstandItems[i] = action;
    }

    ZufallstexttabelleLoeschen =
        item(Extras, "ZufallstexttabelleLoeschen", QStringLiteral("Zufallstexttabelle löschen"));

    Ersetze = submenu(Extras, "Ersetze", QStringLiteral("Ersetze"));
    Umlaute = item(Ersetze, "Umlaute", QStringLiteral("ä -> ae / ö -> oe / ü -> ue"), true);
    Akzente = item(Ersetze, "Akzente", QStringLiteral("á -> a / à -> a / å -> a / é -> e / è -> e"),
                   true);
    CH = item(Ersetze, "CH", QStringLiteral("ch als 1 Zeichen"), true);
    SZ = item(Ersetze, "SZ", QStringLiteral("ß -> ss"), true);

    RS232 = submenu(Extras, "RS232", QStringLiteral("RS232"));
    ComPort = submenu(RS232, "ComPort", QStringLiteral("COM Port"));
    auto* comItems = new QActionGroup(ComPort);
    for (std::size_t i = 0; i < ComItems.size(); ++i) {
        QAction* action = ComPort->addAction(QStringLiteral("COM %1").arg(i + 1));
        action->setObjectName(QStringLiteral("COM%1").arg(i + 1));
        action->setCheckable(true);
        comItems->addAction(action);
        ComItems[i] = action;
    }
    Steuer = submenu(RS232, "Steuer", QStringLiteral("Steuer"));
    DSR = item(Steuer, "DSR", QStringLiteral("DSR"), true);
    CTS = item(Steuer, "CTS", QStringLiteral("CTS"), true);
    RTS = item(Steuer, "RTS", QStringLiteral("RTS"), true);

    Extras->addSeparator();
    Koch1 = item(Extras, "Koch1", QStringLiteral("Koch 1"));
    Koch2 = item(Extras, "Koch2", QStringLiteral("Koch 2"));
    FuenfergruppenMorsepruefung =
        item(Extras, "FuenfergruppenMorsepruefung", QStringLiteral("Gruppen für Morseprüfung"));
    pruefung_korrigieren =
        item(Extras, "pruefung_korrigieren", QStringLiteral("VKX-Morseprüfung korrigieren"));
    Extras->addSeparator();
    Sprache = submenu(Extras, "Sprache", QStringLiteral("Sprache"));
    SpracheItems = {item(Sprache, "Deutsch", QStringLiteral("Deutsch")),
                    item(Sprache, "English", QStringLiteral("English")),
                    item(Sprache, "Francais", QStringLiteral("Français"))};
    exclusive(Sprache, {SpracheItems[0], SpracheItems[1], SpracheItems[2]});

    Hilfe = named(bar->addMenu(QStringLiteral("Hilfe")), "Hilfe");
    HilfeItem = item(Hilfe, "HilfeItem", QStringLiteral("Hilfe"));
    HilfeItem->setShortcut(QKeySequence(Qt::Key_F1));
    Infos = item(Hilfe, "Infos", QStringLiteral("Infos"));
}

void MainMenu::checkHardness(int ms) {
    (ms == 2 ? Hart : ms == 8 ? Weich : Mittel)->setChecked(true);
}

int MainMenu::hardness() const {
    return Hart->isChecked() ? 2 : Weich->isChecked() ? 8 : 5;
}

void MainMenu::checkDelay(int id) {
    (id == 1 ? Kurz : id == 3 ? Lang : VerzoegerungMittel)->setChecked(true);
}

int MainMenu::delay() const {
    return Kurz->isChecked() ? 1 : Lang->isChecked() ? 3 : 2;
}

void MainMenu::checkKeyingMode(int mode) {
    (mode == 2 ? ModusDecodieren : mode == 3 ? ModusGrafik : ModusNormal)->setChecked(true);
}

int MainMenu::keyingMode() const {
    return ModusDecodieren->isChecked() ? 2 : ModusGrafik->isChecked() ? 3 : 1;
}

} // namespace dittaro
