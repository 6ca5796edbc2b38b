#include "audio_test_support.h"
#include "platform/encoders/encoder_locator.h"
#include "platform/encoders/encoder_process.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::waitUntil;

// An encoder stand-in that writes its environment's LC_ALL and its arguments, one per line,
// to the file named by FAKE_ENCODER_RECORD, then exits with FAKE_ENCODER_STATUS.
constexpr const char* kFakeEncoder = R"(#!/bin/sh
{ printf 'LC_ALL=%s\n' "$LC_ALL"; for a in "$@"; do printf '%s\n' "$a"; done; } > "$FAKE_ENCODER_RECORD.part"
mv "$FAKE_ENCODER_RECORD.part" "$FAKE_ENCODER_RECORD"
echo "fake encoder gives up" >&2
exit ${FAKE_ENCODER_STATUS:-0}
)";

class EncoderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("encoder_test_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        for (const char* folder : {"program", "program/wav", "program/mp3", "bin1", "bin2"}) {
            fs::create_directories(root / folder);
        }
        record = root / "record.txt";
        recordVariable =
            std::make_unique<ScopedEnvironment>("FAKE_ENCODER_RECORD", record.string());
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path encoder(const fs::path& folder, const char* name, bool executable = true) {
        const fs::path file = root / folder / name;
        std::ofstream(file) << kFakeEncoder;
        fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return file;
    }

    std::vector<std::string> recorded() const {
        std::ifstream in(record);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    fs::path root;
    fs::path record;
    std::unique_ptr<ScopedEnvironment> recordVariable;
};

TEST_F(EncoderTest, ProgramDirectoryComesFirstThenPathInOrder) {
    const std::string path = (root / "bin1").string() + "::" + (root / "bin2").string();
    const struct {
        std::vector<std::pair<const char*, const char*>> executables; // folder, name
        std::vector<std::string_view> names;
        std::optional<fs::path> found;
    } cases[] = {
        {{{"program", "lame"}, {"bin1", "lame"}}, {"lame"}, root / "program" / "lame"},
        {{{"bin2", "lame"}, {"bin1", "lame"}}, {"lame"}, root / "bin1" / "lame"},
        {{{"bin2", "lame"}}, {"lame"}, root / "bin2" / "lame"},
        {{{"program", "oggenc"}, {"program", "oggenc2"}},
         {"oggenc2", "oggenc"},
         root / "program" / "oggenc2"},
        {{{"program", "oggenc"}, {"bin1", "oggenc2"}},
         {"oggenc2", "oggenc"},
         root / "program" / "oggenc"},
        {{}, {"lame"}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.found.value_or("nothing"));
        for (const char* folder : {"program", "bin1", "bin2"}) {
            for (const char* name : {"lame", "oggenc", "oggenc2"}) {
                fs::remove(root / folder / name);
            }
        }
        for (const auto& [folder, name] : c.executables) {
            encoder(folder, name);
        }
        EXPECT_EQ(findProgram(c.names, root / "program", path), c.found);
    }
}

TEST_F(EncoderTest, FilesThatCannotRunAreNotEncoders) {
    encoder("program", "lame", false);
    fs::create_directory(root / "bin1" / "lame");
    const std::string_view names[] = {"lame"};
    EXPECT_EQ(findProgram(names, root / "program", (root / "bin1").string()), std::nullopt);
    const fs::path found = encoder("bin2", "lame");
    EXPECT_EQ(findProgram(names, root / "program",
                          (root / "bin1").string() + ":" + (root / "bin2").string()),
              found);
}

TEST_F(EncoderTest, LocateEncodersUsesThePathOfTheEnvironment) {
    const fs::path lame = encoder("bin1", "lame");
    const fs::path ogg = encoder("program", "oggenc");
    ScopedEnvironment path("PATH", (root / "bin1").string());
    const EncoderPrograms found = locateEncoders(root / "program");
    EXPECT_EQ(found.mp3, lame);
    EXPECT_EQ(found.ogg, ogg);
    ScopedEnvironment none("PATH", "");
    EXPECT_EQ(locateEncoders(root / "bin2").mp3, fs::path());
}

// Drives the export with a script instead of dialogs.
class Scripted : public ExportView, public TagDialog {
public:
    fs::path target;
    std::optional<TagFields> tags;
    std::vector<ExportProblem> problems;
    std::optional<fs::path> askTarget(AudioFormat, const SaveRequest&) override { return target; }
    void setExporting(bool) override {}
    void showProgress(int, int) override {}
    void showProblem(const ExportProblem& p) override { problems.push_back(p); }
    std::optional<TagFields> ask(const TagFields&) override { return tags; }
};

TEST_F(EncoderTest, EncodersGetTheirArgumentListsWithAndWithoutTags) {
    const fs::path lame = encoder("program", "lame");
    const fs::path oggenc = encoder("program", "oggenc2");
    const std::string wav = (root / "program" / "wav" / "Temp.wav").string();
    const std::string year = currentYear();
    const struct {
        AudioFormat format;
        std::optional<TagFields> tags;
        std::string target;
        std::vector<std::string> expected;
    } cases[] = {
        {AudioFormat::Mp3,
         TagFields{"DL1ABC J\xF6rg", "Lektion \"1\""},
         "/music/my practice.mp3",
         {"LC_ALL=C.UTF-8", "-V", "6", "--quiet", "--ta", "DL1ABC J\xC3\xB6rg", "--tt",
          "Lektion \"1\"", "--tg", "Other", "--ty", year, "--tl", "Dittaro V4.0.00", "--id3v1-only",
          wav, "/music/my practice.mp3"}},
        {AudioFormat::Mp3,
         std::nullopt,
         "/music/x.mp3",
         {"LC_ALL=C.UTF-8", "-V", "6", "--quiet", "--tl", "Dittaro V4.0.00", "--ty", year, "--tg",
          "Other", "--id3v1-only", wav, "/music/x.mp3"}},
        {AudioFormat::Ogg,
         TagFields{"-V", ""},
         "/music/x.ogg",
         {"LC_ALL=C.UTF-8", "-Q", "-q", "3", "-l", "Dittaro V4.0.00", "-t", "Diriziri", "-a", "-V",
          "-o", "/music/x.ogg", wav}},
        {AudioFormat::Ogg,
         std::nullopt,
         "/music/x.ogg",
         {"LC_ALL=C.UTF-8", "-Q", "-q", "3", "-l", "Dittaro V4.0.00", "-o", "/music/x.ogg", wav}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        fs::remove(record);
        Scripted ui;
        ui.target = c.target;
        ui.tags = c.tags;
        WaitingEncoderLauncher launcher;
        AudioExporter unit(root / "program", {lame, oggenc}, ui, ui, launcher);
        std::string timing = "+100-100";
        EXPECT_EQ(unit.run(c.format, timing, {}, {}), ExportResult::Encoding);
        EXPECT_EQ(recorded(), c.expected);
        EXPECT_TRUE(ui.problems.empty());
    }
}

TEST_F(EncoderTest, DetachedEncoderRunsOnWithoutBeingAwaited) {
    const fs::path lame = encoder("program", "lame");
    DetachedEncoderLauncher launcher;
    std::string reason;
    ASSERT_TRUE(launcher.start(lame, {"a b", "\xC3\xA4"}, reason)) << reason;
    ASSERT_TRUE(waitUntil([&] { return fs::exists(record); }));
    EXPECT_EQ(recorded(), (std::vector<std::string>{"LC_ALL=C.UTF-8", "a b", "\xC3\xA4"}));
}

TEST_F(EncoderTest, FailuresComeBackWithTheirReason) {
    const fs::path lame = encoder("program", "lame");
    std::string reason;
    {
        ScopedEnvironment status("FAKE_ENCODER_STATUS", "3");
        WaitingEncoderLauncher waiting;
        EXPECT_FALSE(waiting.start(lame, {}, reason));
        EXPECT_EQ(reason, "exit status 3: fake encoder gives up");
    }
    WaitingEncoderLauncher waiting;
    DetachedEncoderLauncher detached;
    for (EncoderLauncher* launcher :
         {static_cast<EncoderLauncher*>(&waiting), static_cast<EncoderLauncher*>(&detached)}) {
        reason.clear();
        EXPECT_FALSE(launcher->start(root / "program" / "missing", {}, reason));
        EXPECT_FALSE(reason.empty());
    }
}

} // namespace
} // namespace dittaro
