#pragma once

// Every persistent setting of Dittaro, with its built-in initial value. Names are
// the column names of the settings tables. Text is Windows-1252.

#include <string>

namespace dittaro {

// Table kochtrainer.
struct KochTrainerSettings {
    int punktstrich = 0; // 0 = 1:3, 1 = 1:3.5, 2 = 1:4
    int minbpm = 70;
    int maxbpm = 110;
    int tiefsterton = 400;
    int hoechsterton = 1200;
    int tasthaerte = 8; // rise time in ms: 2, 5 or 8
    bool obertoene = false;
};

inline constexpr const char* kDefaultZeichenvorrat =
    "abcdefghijklmnopqrstuvwxyz0123456789+-=,.:?/()'";
inline constexpr const char* kDefaultKochString = "fjsldkahgrueiwoqptzvncmxby6758493021/,=.?";

// Table voreinstellungen.
struct Voreinstellungen {
    int Volume = 4;
    int Frequency = 800;
    int KeyerID = 4;
    int GeschwindigkeitID = 8;
    int IambicMode = 0;
    bool Reverse = false;
    bool Farnsworth = false;
    int Gruppen = 5;
    std::string Zeichenvorrat = kDefaultZeichenvorrat;
    std::string KochString = kDefaultKochString;
    int KochStufe = 2;
    int FarnsworthBpMID = 4;
    int PunktStrichID = 0;
    int WortabstandID = 0;
    bool Umlaute = false;
    bool Akzente = false;
    bool CH = false;
    bool SZ = false;
    int Zeilen = 1;
    int ZufallstextIndex = 0;
    bool Handtaste = false; // true: straight key; false: the software keyer
    bool KochMethode = false;
    int TastungID = 5;
    bool ZeichenAnzeigen = false;
    int VerzID = 2;
    int KG = 4;
    int KF = 2;
    int KA = 0;
    int KSP = 0;
    bool KFM = false;
    bool Obertoene = false;
    int ZeichenProGruppe = 3;
    int GruppenWiederholungID = 1;
    std::string Vorname;
    std::string Nachname;
    std::string Rufzeichen;
    int Sprache = 1;
    int WortWiederholungID = 1;
    int KZPG = 3;
    int COM = 1;
    int DecodierSpeed = 40;
    int TabIndex = 0;
    bool TastaturMorsen = false;
    int relGeschw = 10;
    int TastenModus = 1;
    int FontsizeID = 2;
    bool DSR = false;
    bool CTS = false;
    bool RTS = false;
};

struct Settings {
    KochTrainerSettings kochtrainer;
    Voreinstellungen voreinstellungen;
};

// The tab shown at start: the stored one, except that the keyboard-Morse tab (2)
// is only restored when keyboard Morse was on at exit.
int startTab(const Voreinstellungen& settings);

} // namespace dittaro
