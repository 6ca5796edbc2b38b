// Starting the main window: the file and library checks, their messages, and that a start
// that ends at a check leaves the settings untouched.

#include "window_fixture.h"

#include <fstream>

namespace dittaro::test {
namespace {

namespace fs = std::filesystem;

struct MissingFiles {
    std::vector<const char*> files;
    const char* message;
};

// In the order of the checks; with two files missing the earlier check speaks.
const MissingFiles kMissingFiles[] = {
    {{"libdittaro-audio.so"},
     "Wichtige Datei \"libdittaro-audio.so\" fehlt.\nMissing shared library "
     "\"libdittaro-audio.so\"."},
    {{"doc/aide.chm"}, "Hilfedatei \"\\doc\\aide.chm\" fehlt.\nMissing Helpfile \"aide.chm\"."},
    {{"doc/help.chm"}, "Hilfedatei \"\\doc\\help.chm\" fehlt.\nMissing Helpfile \"help.chm\"."},
    {{"doc/hilfe.chm"}, "Hilfedatei \"\\doc\\hilfe.chm\" fehlt.\nMissing Helpfile \"hilfe.chm\"."},
    {{"data/Dittaro_Data.sqlite"},
     "Datenbank \"Dittaro_Data.sqlite\" fehlt.\nMissing database \"Dittaro_Data.sqlite\"."},
    {{"data/Dittaro_Randomtext.sqlite"},
     "Datenbank \"Dittaro_Randomtext.sqlite\" fehlt.\nMissing database "
     "\"Dittaro_Randomtext.sqlite\"."},
    {{"data/Dittaro_Randomtext.sqlite", "doc/help.chm"},
     "Hilfedatei \"\\doc\\help.chm\" fehlt.\nMissing Helpfile \"help.chm\"."},
};

class StartupTest : public testing::Test {
protected:
    void SetUp() override { ensureApplication(); }

    // Runs the creation steps and the end of a window; returns whether it started.
    static bool startAndEnd(const ProgramDirectory& dir, ScriptedDialogs& dialogs) {
        MainWindow window(ProgramPaths(dir.path()), dialogs);
        const bool started = window.create();
        window.close();
        window.shutDown();
        return started;
    }
};

TEST_F(StartupTest, EveryFileIsThereAndTheStartIsSilent) {
    ProgramDirectory dir;
    ScriptedDialogs dialogs;
    EXPECT_TRUE(startAndEnd(dir, dialogs));
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(StartupTest, AMissingFileEndsTheStartWithItsMessageAndSavesNothing) {
    for (const MissingFiles& c : kMissingFiles) {
        SCOPED_TRACE(c.files.front());
        ProgramDirectory dir;
        // The German interface must not keep the English help file from being checked.
        dir.execute("UPDATE voreinstellungen SET Sprache = 1, Volume = 17, FontsizeID = 0");
        for (const char* file : c.files) {
            fs::remove(dir.path() / file);
        }
        const bool databaseThere = fs::exists(dir.dataDatabase());
        const std::string before = databaseThere ? dir.bytes("data/Dittaro_Data.sqlite") : "";

        ScriptedDialogs dialogs;
        EXPECT_FALSE(startAndEnd(dir, dialogs));
        ASSERT_EQ(dialogs.calls().size(), 1u);
        EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Kind::Error);
        EXPECT_EQ(dialogs.calls()[0].caption, "Achtung");
        EXPECT_EQ(dialogs.calls()[0].text, QString::fromUtf8(c.message));
        if (databaseThere) {
            EXPECT_EQ(dir.bytes("data/Dittaro_Data.sqlite"), before);
        }
    }
}

TEST_F(StartupTest, AnAudioLibraryOfAnotherVersionEndsTheStartAndSavesNothing) {
    ProgramDirectory dir;
    dir.useWrongAudioVersion();
    dir.execute("UPDATE voreinstellungen SET Sprache = 0, FontsizeID = 0, DecodierSpeed = 123");
    const std::string before = dir.bytes("data/Dittaro_Data.sqlite");

    ScriptedDialogs dialogs;
    EXPECT_FALSE(startAndEnd(dir, dialogs));
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_EQ(dialogs.calls()[0].caption, "Achtung");
    EXPECT_EQ(dialogs.calls()[0].text, "Falsche Version der Datei \"libdittaro-audio.so\".\n"
                                       "Wrong version of shared library \"libdittaro-audio.so\".");
    EXPECT_EQ(dir.bytes("data/Dittaro_Data.sqlite"), before);
}

TEST_F(StartupTest, TheTemporaryExportFileIsDeletedBeforeTheChecks) {
    ProgramDirectory dir;
    std::ofstream(dir.path() / "wav/Temp.wav") << "left over";
    fs::remove(dir.path() / "doc/aide.chm");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(startAndEnd(dir, dialogs));
    EXPECT_FALSE(fs::exists(dir.path() / "wav/Temp.wav"));
}

TEST_F(StartupTest, AStartThatPassedTheChecksSavesAtTheEnd) {
    ProgramDirectory dir;
    dir.execute("UPDATE voreinstellungen SET Sprache = 4, FontsizeID = 0");
    ScriptedDialogs dialogs;
    EXPECT_TRUE(startAndEnd(dir, dialogs));
    EXPECT_EQ(dir.integer("SELECT Sprache FROM voreinstellungen"), 1);
    EXPECT_EQ(dir.integer("SELECT FontsizeID FROM voreinstellungen"), 2);
}

} // namespace
} // namespace dittaro::test
