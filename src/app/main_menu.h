#pragma once

// The main menu: every menu and item with its design caption (the language tables replace
// most of them). Items carry the names the program uses for them.

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace dittaro {

class MainMenu {
public:
    explicit MainMenu(QMenuBar* bar);

    QMenu* Textdatei;
    QAction* Neu;
    QAction* SpeichernAls;
    QAction* Speichern;
    QAction* Oeffnen;
    QAction* Beenden;

    QMenu* Import;
    QAction* ImportTextdatei;
    QAction* ImportZufallstextdatei;
    QAction* ImportTimingdatei;
    QAction* Pruefungstextdatei1;

    QMenu* Export;
    QAction* ExportTimingdatei;
    QAction* ExportZufallstextdatei;
    QAction* ExportWav;
    QAction* ExportMp3;
    QAction* ExportOgg;

    QMenu* Extras;
    QMenu* HaerteDerTastung;
    QAction* Hart;
    QAction* Mittel;
    QAction* Weich;
    QMenu* Verzoegerung;
    QAction* Kurz;
    QAction* VerzoegerungMittel;
    QAction* Lang;
    QMenu* BildschirmTasten;
    QAction* ModusNormal;
    QAction* ModusDecodieren;
    QAction* ModusGrafik;
    QMenu* Gruppenabstand;
    std::array<QAction*, 13> GruppenabstandItems; // by WortabstandID, 0 = normal
    QMenu* Wortabstand;
    std::array<QAction*, 13> WortabstandItems; // by KA, 0 = normal
    QAction* ZufallstexttabelleLoeschen;
    QMenu* Ersetze;
    QAction* Umlaute;
    QAction* Akzente;
    QAction* CH;
    QAction* SZ;
    QMenu* RS232;
    QMenu* ComPort;
    std::array<QAction*, 10> ComItems; // COM 1 .. COM 10
    QMenu* Steuer;
    QAction* DSR;
    QAction* CTS;
    QAction* RTS;
    QAction* Koch1;
    QAction* Koch2;
    QAction* FuenfergruppenMorsepruefung;
    QAction* pruefung_korrigieren;
    QMenu* Sprache;
    std::array<QAction*, 3> SpracheItems; // Deutsch, English, Français

    QMenu* Hilfe;
    QAction* HilfeItem;
    QAction* Infos;

    // The four export items whose enabled states every tab change re-applies.
    std::array<QAction*, 4> exportItems() const {
        return {ExportTimingdatei, ExportWav, ExportMp3, ExportOgg};
    }

    // Checks the item of a value; a value without an item of its own checks the middle one
    // ("&mittel"), as the settings allow.
    void checkHardness(int ms);
    int hardness() const;
    void checkDelay(int id);
    int delay() const;
    void checkKeyingMode(int mode);
    int keyingMode() const;
};

} // namespace dittaro
