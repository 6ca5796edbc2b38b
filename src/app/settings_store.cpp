#include "app/settings_store.h"

#include "common/cp1252.h"
#include "common/sqlite_database.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dittaro {
namespace {

// The first row of "SELECT * FROM <table>", columns by position.
class SettingsRow {
public:
    SettingsRow(SqliteDatabase& db, const std::string& table)
        : statement_(db.prepare("SELECT * FROM " + table)) {
        present_ = statement_.step();
    }

    bool present() const { return present_; }

    std::optional<std::int64_t> integer(int column) const {
        if (column >= statement_.columnCount()) {
            return std::nullopt;
        }
        return statement_.columnInt(column);
    }

    std::string text(int column) const {
        if (column >= statement_.columnCount()) {
            return {};
        }
        return utf8ToCp1252(statement_.columnText(column));
    }

private:
    SqliteStatement statement_;
    bool present_ = false;
};

bool within(std::optional<std::int64_t> value, std::int64_t min, std::int64_t max) {
    return value && *value >= min && *value <= max;
}

// Accepted: the stored value; otherwise the setting keeps what it had.
void keepUnlessWithin(int& setting, std::optional<std::int64_t> value, int min, int max) {
    if (within(value, min, max)) {
        setting = static_cast<int>(*value);
    }
}

// Accepted: the stored value; otherwise the fallback.
int orFallback(std::optional<std::int64_t> value, int min, int max, int fallback) {
    return within(value, min, max) ? static_cast<int>(*value) : fallback;
}

bool isOne(std::optional<std::int64_t> value) {
    return value && *value == 1;
}
bool isNonZero(std::optional<std::int64_t> value) {
    return value && *value != 0;
}

void loadKochTrainer(SqliteDatabase& db, KochTrainerSettings& k) {
    const SettingsRow row(db, "kochtrainer");
    if (!row.present()) {
        return;
    }
    k.punktstrich = orFallback(row.integer(0), 0, 2, 0);
    k.minbpm = orFallback(row.integer(1), 60, 169, 60);
    k.maxbpm = orFallback(row.integer(2), 60, 169, 160);
    k.tiefsterton = orFallback(row.integer(3), 400, 1299, 500);
    k.hoechsterton = orFallback(row.integer(4), 400, 1299, 500);
    const auto hardness = row.integer(5);
    k.tasthaerte = hardness && (*hardness == 2 || *hardness == 5 || *hardness == 8)
                       ? static_cast<int>(*hardness)
                       : 5;
    k.obertoene = isNonZero(row.integer(6));
    if (k.minbpm > k.maxbpm) {
        std::swap(k.minbpm, k.maxbpm);
    }
    if (k.tiefsterton > k.hoechsterton) {
        std::swap(k.tiefsterton, k.hoechsterton);
    }
}

// In the order the columns depend on each other: KochStufe after KochString,
// DecodierSpeed before Handtaste.
void loadVoreinstellungen(SqliteDatabase& db, int randomTextTableCount, Voreinstellungen& v) {
    const SettingsRow row(db, "voreinstellungen");
    if (!row.present()) {
        return;
    }
    keepUnlessWithin(v.Volume, row.integer(0), 0, 20);
    keepUnlessWithin(v.Frequency, row.integer(1), 400, 1200);
    v.KeyerID = orFallback(row.integer(2), 4, 36, 4);
    v.GeschwindigkeitID = orFallback(row.integer(3), 4, 176, 8);
    v.KG = orFallback(row.integer(25), 4, 176, 4);
    keepUnlessWithin(v.IambicMode, row.integer(4), 0, 3);
    v.Reverse = isOne(row.integer(5));
    if (isOne(row.integer(6))) {
        v.Farnsworth = true;
    }
    if (isOne(row.integer(29))) {
        v.KFM = true;
    }
    keepUnlessWithin(v.Gruppen, row.integer(7), 2, 99);
    const std::string characters = row.text(8);
    v.Zeichenvorrat = characters.empty() ? kDefaultZeichenvorrat : characters;
    const std::string kochOrder = row.text(9);
    if (kochOrder.size() > 3) {
        v.KochString = kochOrder;
    }
    v.Vorname = row.text(33);
    v.Nachname = row.text(34);
    v.Rufzeichen = row.text(35);
    keepUnlessWithin(v.KochStufe, row.integer(10), 2, static_cast<int>(v.KochString.size()));
    keepUnlessWithin(v.FarnsworthBpMID, row.integer(11), 0, 84);
    keepUnlessWithin(v.KF, row.integer(26), 0, 84);
    keepUnlessWithin(v.PunktStrichID, row.integer(12), 0, 2);
    keepUnlessWithin(v.KSP, row.integer(28), 0, 2);
    v.KA = orFallback(row.integer(27), 1, 12, 0);
    v.WortabstandID = orFallback(row.integer(13), 1, 12, 0);
    keepUnlessWithin(v.ZeichenProGruppe, row.integer(31), 0, 3);
    keepUnlessWithin(v.KZPG, row.integer(38), 0, 3);
    v.COM = orFallback(row.integer(39), 1, 10, 1);
    v.Umlaute = isOne(row.integer(14));
    v.Akzente = isOne(row.integer(15));
    v.CH = isOne(row.integer(16));
    v.SZ = isOne(row.integer(17));
    keepUnlessWithin(v.Zeilen, row.integer(18), 1, 20);
    v.ZufallstextIndex = orFallback(row.integer(19), 1, randomTextTableCount - 1, 0);
    const auto decoderSpeed = row.integer(40);
    if (decoderSpeed && within(*decoderSpeed / 5, 8, 60)) {
        v.DecodierSpeed = static_cast<int>(*decoderSpeed / 5 * 5);
    }
    keepUnlessWithin(v.TabIndex, row.integer(41), 0, 3);
    v.TastaturMorsen = isNonZero(row.integer(42));
    keepUnlessWithin(v.relGeschw, row.integer(43), 0, 15);
    v.Handtaste = isOne(row.integer(20));
    v.KochMethode = isOne(row.integer(21));
    const auto keying = row.integer(22);
    v.TastungID = keying && (*keying == 2 || *keying == 8) ? static_cast<int>(*keying) : 5;
    v.ZeichenAnzeigen = isOne(row.integer(23));
    v.Obertoene = isOne(row.integer(30));
    keepUnlessWithin(v.GruppenWiederholungID, row.integer(32), 1, 3);
    keepUnlessWithin(v.WortWiederholungID, row.integer(37), 1, 3);
    const auto delay = row.integer(24);
    v.VerzID = delay && (*delay == 1 || *delay == 3) ? static_cast<int>(*delay) : 2;
    const auto mode = row.integer(45);
    v.TastenModus = mode && (*mode == 2 || *mode == 3) ? static_cast<int>(*mode) : 1;
    v.FontsizeID = orFallback(row.integer(46), 1, 8, 2);
    v.DSR = isNonZero(row.integer(47));
    v.CTS = isNonZero(row.integer(48));
    v.RTS = isNonZero(row.integer(49));
    v.Sprache = orFallback(row.integer(36), 1, 3, 1);
}

class SettingsWriter {
public:
    SettingsWriter(SqliteDatabase& db, std::string table) : db_(db), table_(std::move(table)) {}

    void integer(const std::string& column, std::int64_t value) {
        SqliteStatement statement = prepare(column);
        statement.bind(":wert", value);
        statement.run();
    }

    void text(const std::string& column, const std::string& value) {
        SqliteStatement statement = prepare(column);
        statement.bindText(":wert", cp1252ToUtf8(value));
        statement.run();
    }

    void flag(const std::string& column, bool on, const char* onValue = "1") {
        db_.execute("UPDATE " + table_ + " SET " + column + " = " + (on ? onValue : "0"));
    }

private:
    SqliteStatement prepare(const std::string& column) {
        return db_.prepare("UPDATE " + table_ + " SET " + column + " = :wert");
    }

    SqliteDatabase& db_;
    std::string table_;
};

void saveKochTrainer(SqliteDatabase& db, const KochTrainerSettings& k) {
    SqliteTransaction transaction(db);
    SettingsWriter w(db, "kochtrainer");
    w.integer("punktstrich", k.punktstrich);
    w.integer("minbpm", k.minbpm);
    w.integer("maxbpm", k.maxbpm);
    w.integer("tiefsterton", k.tiefsterton);
    w.integer("hoechsterton", k.hoechsterton);
    w.integer("tasthaerte", k.tasthaerte);
    w.flag("obertoene", k.obertoene, "-1");
    transaction.commit();
}

void saveVoreinstellungen(SqliteDatabase& db, const Voreinstellungen& v) {
    SqliteTransaction transaction(db);
    SettingsWriter w(db, "voreinstellungen");
    w.integer("relGeschw", v.relGeschw);
    w.flag("TastaturMorsen", v.TastaturMorsen);
    w.integer("TabIndex", v.TabIndex);
    w.integer("DecodierSpeed", v.DecodierSpeed);
    w.integer("Volume", v.Volume);
    w.integer("COM", v.COM);
    w.integer("Frequency", v.Frequency);
    w.integer("KeyerID", v.KeyerID);
    w.integer("GeschwindigkeitID", v.GeschwindigkeitID);
    w.integer("KG", v.KG);
    w.integer("IambicMode", v.IambicMode);
    w.integer("ZeichenProGruppe", v.ZeichenProGruppe);
    w.flag("Reverse", v.Reverse);
    w.flag("KochMethode", v.KochMethode);
    w.flag("Handtaste", v.Handtaste);
    w.integer("Farnsworth", v.Farnsworth ? 1 : 0);
    w.integer("Gruppen", v.Gruppen);
    w.text("Zeichenvorrat", v.Zeichenvorrat);
    w.text("KochString", v.KochString);
    w.text("Vorname", v.Vorname);
    w.text("Nachname", v.Nachname);
    w.text("Rufzeichen", v.Rufzeichen);
    w.integer("KochStufe", v.KochStufe);
    w.integer("FarnsworthBpMID", v.FarnsworthBpMID);
    w.integer("PunktStrichID", v.PunktStrichID);
    w.integer("WortabstandID", v.WortabstandID);
    w.flag("Umlaute", v.Umlaute);
    w.flag("Akzente", v.Akzente);
    w.flag("CH", v.CH);
    w.flag("SZ", v.SZ);
    w.integer("Zeilen", v.Zeilen);
    w.integer("ZufallstextIndex", v.ZufallstextIndex);
    w.integer("FontsizeID", v.FontsizeID);
    w.integer("TastungID", v.TastungID);
    w.flag("ZeichenAnzeigen", v.ZeichenAnzeigen);
    w.flag("Obertoene", v.Obertoene);
    w.integer("TastenModus", v.TastenModus);
    w.integer("VerzID", v.VerzID);
    w.integer("KF", v.KF);
    w.integer("KA", v.KA);
    w.integer("KSP", v.KSP);
    w.integer("KFM", v.KFM ? 1 : 0);
    w.integer("KZPG", v.KZPG);
    w.integer("Sprache", v.Sprache);
    w.integer("GruppenWiederholungID", v.GruppenWiederholungID);
    w.integer("WortWiederholungID", v.WortWiederholungID);
    w.flag("DSR", v.DSR);
    w.flag("CTS", v.CTS);
    w.flag("RTS", v.RTS);
    transaction.commit();
}

} // namespace

int startTab(const Voreinstellungen& settings) {
    return settings.TabIndex == 2 && !settings.TastaturMorsen ? 1 : settings.TabIndex;
}

void loadSettings(const std::filesystem::path& database, int randomTextTableCount,
                  Settings& settings) {
    SqliteDatabase db(database, SqliteDatabase::Mode::ReadOnly);
    loadKochTrainer(db, settings.kochtrainer);
    loadVoreinstellungen(db, randomTextTableCount, settings.voreinstellungen);
}

void saveSettings(const std::filesystem::path& database, const Settings& settings) {
    SqliteDatabase db(database);
    saveKochTrainer(db, settings.kochtrainer);
    saveVoreinstellungen(db, settings.voreinstellungen);
    db.close();
}

} // namespace dittaro
