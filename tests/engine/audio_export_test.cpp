#include "engine/audio_export.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

// Plays the user and the window: answers the dialogs from a script and records the rest.
class ScriptedExport : public ExportView, public TagDialog, public EncoderLauncher {
public:
    std::optional<fs::path> target;
    std::optional<TagFields> typedTags;
    bool launchFails = false;

    std::vector<SaveRequest> saveRequests;
    std::vector<TagFields> shownTags;
    std::vector<bool> exporting;
    std::vector<ExportProblem> problems;
    int progressCalls = 0;
    struct Launch {
        fs::path program;
        std::vector<std::string> arguments;
    };
    std::vector<Launch> launches;

    std::optional<fs::path> askTarget(AudioFormat, const SaveRequest& request) override {
        saveRequests.push_back(request);
        return target;
    }
    void setExporting(bool on) override { exporting.push_back(on); }
    void showProgress(int, int) override { ++progressCalls; }
    void showProblem(const ExportProblem& problem) override { problems.push_back(problem); }
    std::optional<TagFields> ask(const TagFields& shown) override {
        shownTags.push_back(shown);
        return typedTags;
    }
    bool start(const fs::path& program, const std::vector<std::string>& arguments,
               std::string& reason) override {
        launches.push_back({program, arguments});
        if (launchFails) {
            reason = "No such file or directory";
        }
        return !launchFails;
    }
};

class AudioExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = fs::temp_directory_path() /
                  ("audio_export_test_" + std::to_string(getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(program);
        for (const char* folder : {"wav", "mp3", "ogg"}) {
            fs::create_directories(program / folder);
        }
        ui.target = program / "wav" / "practice.wav";
    }
    void TearDown() override { fs::remove_all(program); }

    AudioExporter exporter(EncoderPrograms encoders = {"/opt/enc/lame", "/opt/enc/oggenc2"}) {
        return AudioExporter(program, std::move(encoders), ui, ui, ui);
    }
    fs::path temp() const { return program / "wav" / "Temp.wav"; }

    fs::path program;
    ScriptedExport ui;
    std::string timingText = "-1000+100-100+300-500";
    const std::vector<std::string> noList;
};

TEST_F(AudioExportTest, WavIsRenderedToTheChosenFileWithTheControlsLocked) {
    auto unit = exporter();
    unit.setAudioFileWord("Audiodatei");
    EXPECT_EQ(unit.run(AudioFormat::Wav, timingText, noList, {800, 5, false}),
              ExportResult::Written);
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].filter, "Audiodatei (*.wav)|*.wav");
    EXPECT_EQ(ui.saveRequests[0].defaultExtension, "wav");
    EXPECT_EQ(ui.saveRequests[0].folder, program / "wav");
    EXPECT_EQ(fs::file_size(*ui.target), 44u + 2 * 44100 * 2);
    EXPECT_EQ(ui.exporting, (std::vector<bool>{true, false}));
    EXPECT_GT(ui.progressCalls, 0);
    EXPECT_TRUE(ui.launches.empty());
    EXPECT_TRUE(ui.shownTags.empty());
}

TEST_F(AudioExportTest, SaveRequestOfEachFormat) {
    const struct {
        AudioFormat format;
        const char* filter;
        const char* ext;
    } cases[] = {{AudioFormat::Wav, "Audio file (*.wav)|*.wav", "wav"},
                 {AudioFormat::Mp3, "Audio file (*.mp3)|*.mp3", "mp3"},
                 {AudioFormat::Ogg, "Audio file (*.ogg)|*.ogg", "ogg"}};
    auto unit = exporter();
    unit.setAudioFileWord("Audio file");
    ui.target.reset();
    for (const auto& c : cases) {
        EXPECT_EQ(unit.run(c.format, timingText, noList, {}), ExportResult::Cancelled);
        EXPECT_EQ(ui.saveRequests.back().filter, c.filter);
        EXPECT_EQ(ui.saveRequests.back().defaultExtension, c.ext);
        EXPECT_EQ(ui.saveRequests.back().folder, program / c.ext);
    }
    EXPECT_TRUE(ui.exporting.empty()) << "a cancelled dialog changes nothing";
    EXPECT_TRUE(fs::is_empty(program / "wav"));
}

TEST_F(AudioExportTest, WithoutPracticeNothingHappensNotEvenTheDialog) {
    auto unit = exporter();
    std::string none;
    const std::vector<std::string> shortList{"-1500", "+100"};
    EXPECT_EQ(unit.run(AudioFormat::Wav, none, shortList, {}), ExportResult::Nothing);
    EXPECT_EQ(unit.run(AudioFormat::Mp3, none, {}, {}), ExportResult::Nothing);
    EXPECT_TRUE(ui.saveRequests.empty());
    EXPECT_TRUE(none.empty());
}

TEST_F(AudioExportTest, TimingListBecomesTheCurrentTimingText) {
    auto unit = exporter();
    std::string current;
    const std::vector<std::string> list{"-1500", "+100", "-100", "+300", "-700"};
    EXPECT_EQ(unit.run(AudioFormat::Wav, current, list, {}), ExportResult::Written);
    EXPECT_EQ(current, "-1500 +100 -100 +300 -700");
    EXPECT_EQ(fs::file_size(*ui.target), 44u + 2 * 119070);
}

TEST_F(AudioExportTest, EncoderFormatsNeedTheirEncoder) {
    const struct {
        EncoderPrograms encoders;
        bool mp3, ogg;
    } cases[] = {
        {{"", ""}, false, false}, {{"/x/lame", ""}, true, false}, {{"", "/x/oggenc"}, false, true}};
    for (const auto& c : cases) {
        auto unit = exporter(c.encoders);
        EXPECT_TRUE(unit.available(AudioFormat::Wav));
        EXPECT_EQ(unit.available(AudioFormat::Mp3), c.mp3);
        EXPECT_EQ(unit.available(AudioFormat::Ogg), c.ogg);
        if (!c.mp3) {
            EXPECT_EQ(unit.run(AudioFormat::Mp3, timingText, noList, {}),
                      ExportResult::NotAvailable);
        }
        if (!c.ogg) {
            EXPECT_EQ(unit.run(AudioFormat::Ogg, timingText, noList, {}),
                      ExportResult::NotAvailable);
        }
    }
    EXPECT_TRUE(ui.saveRequests.empty());
    EXPECT_TRUE(ui.launches.empty());
}

TEST_F(AudioExportTest, EncoderArgumentsWithAndWithoutTags) {
    const std::string year = currentYear();
    const std::string wav = temp().string();
    const std::string mp3 = (program / "mp3" / "a b.mp3").string();
    const std::string ogg = (program / "ogg" / "a b.ogg").string();
    const struct {
        AudioFormat format;
        std::optional<TagFields> typed;
        std::string target;
        std::vector<std::string> arguments;
    } cases[] = {
        {AudioFormat::Mp3,
         TagFields{"DL1ABC \xC4rger", "Lektion 1"},
         mp3,
         {"-V", "6", "--quiet", "--ta", "DL1ABC \xC3\x84rger", "--tt", "Lektion 1", "--tg", "Other",
          "--ty", year, "--tl", "Dittaro V4.0.00", "--id3v1-only", wav, mp3}},
        {AudioFormat::Mp3,
         std::nullopt,
         mp3,
         {"-V", "6", "--quiet", "--tl", "Dittaro V4.0.00", "--ty", year, "--tg", "Other",
          "--id3v1-only", wav, mp3}},
        {AudioFormat::Mp3,
         TagFields{"", ""}, // accepted empty: no tags
         mp3,
         {"-V", "6", "--quiet", "--tl", "Dittaro V4.0.00", "--ty", year, "--tg", "Other",
          "--id3v1-only", wav, mp3}},
        {AudioFormat::Ogg,
         TagFields{"DL1ABC", "\xDC"
                             "bung"},
         ogg,
         {"-Q", "-q", "3", "-l", "Dittaro V4.0.00", "-t",
          "\xC3\x9C"
          "bung",
          "-a", "DL1ABC", "-o", ogg, wav}},
        {AudioFormat::Ogg,
         std::nullopt,
         ogg,
         {"-Q", "-q", "3", "-l", "Dittaro V4.0.00", "-o", ogg, wav}},
    };
    for (const auto& c : cases) {
        auto unit = exporter();
        ui.target = c.target;
        ui.typedTags = c.typed;
        ui.launches.clear();
        EXPECT_EQ(unit.run(c.format, timingText, noList, {}), ExportResult::Encoding);
        ASSERT_EQ(ui.launches.size(), 1u);
        EXPECT_EQ(ui.launches[0].program,
                  c.format == AudioFormat::Mp3 ? "/opt/enc/lame" : "/opt/enc/oggenc2");
        EXPECT_EQ(ui.launches[0].arguments, c.arguments);
        EXPECT_EQ(fs::file_size(temp()), 44u + 4 * 44100);
        EXPECT_FALSE(fs::exists(c.target)) << "the encoder writes the target, not the export";
    }
}

TEST_F(AudioExportTest, StandInsForAMissingTagAreUsedOnceAndNotRemembered) {
    auto unit = exporter();
    ui.target = program / "mp3" / "x.mp3";
    const struct {
        TagFields typed;
        std::string artistArgument, titleArgument;
        TagFields remembered;
    } cases[] = {
        {{"DL1ABC", ""}, "DL1ABC", "Diriziri", {"DL1ABC", ""}},
        {{"", "Lektion"}, "Dittaro", "Lektion", {"", "Lektion"}},
        {{"Dittaro", "Diriziri"}, "Dittaro", "Diriziri", {"", ""}},
        {{"Club", "Test"}, "Club", "Test", {"Club", "Test"}},
    };
    for (const auto& c : cases) {
        ui.typedTags = c.typed;
        ui.launches.clear();
        ASSERT_EQ(unit.run(AudioFormat::Mp3, timingText, noList, {}), ExportResult::Encoding);
        EXPECT_EQ(ui.launches[0].arguments[4], c.artistArgument);
        EXPECT_EQ(ui.launches[0].arguments[6], c.titleArgument);
        EXPECT_EQ(unit.tagFields().artist, c.remembered.artist);
        EXPECT_EQ(unit.tagFields().title, c.remembered.title);
    }
}

TEST_F(AudioExportTest, TagFormShowsTheLastTagsAndClosingItKeepsThem) {
    auto unit = exporter();
    ui.target = program / "ogg" / "x.ogg";
    ui.typedTags = TagFields{"DL1ABC", "Lektion 3"};
    unit.run(AudioFormat::Ogg, timingText, noList, {});
    ui.typedTags.reset(); // closed without OK
    unit.run(AudioFormat::Ogg, timingText, noList, {});
    ASSERT_EQ(ui.shownTags.size(), 2u);
    EXPECT_EQ(ui.shownTags[0].artist, "");
    EXPECT_EQ(ui.shownTags[1].artist, "DL1ABC");
    EXPECT_EQ(ui.shownTags[1].title, "Lektion 3");
    EXPECT_EQ(ui.launches[1].arguments.size(), 8u) << "no tags the second time";
    EXPECT_EQ(unit.tagFields().title, "Lektion 3");
}

TEST_F(AudioExportTest, UnwritableTargetIsReportedAndLeavesNothing) {
    auto unit = exporter();
    ui.target = program / "gone" / "x.wav";
    EXPECT_EQ(unit.run(AudioFormat::Wav, timingText, noList, {}), ExportResult::Failed);
    ASSERT_EQ(ui.problems.size(), 1u);
    EXPECT_EQ(ui.problems[0].kind, ExportProblem::Kind::WriteFailed);
    EXPECT_EQ(ui.problems[0].file, *ui.target);
    const std::string message = problemMessage(ui.problems[0]);
    EXPECT_NE(message.find(ui.target->string()), std::string::npos) << message;
    EXPECT_NE(message.find("No such file"), std::string::npos) << message;
    EXPECT_NE(message.find('\n'), std::string::npos) << "German and English";
    EXPECT_EQ(ui.exporting, (std::vector<bool>{true, false})) << "the controls come back";
    EXPECT_FALSE(fs::exists(program / "gone"));
}

TEST_F(AudioExportTest, TemporaryFileThatCannotBeWrittenStartsNoEncoder) {
    fs::remove_all(program / "wav");
    auto unit = exporter();
    ui.target = program / "mp3" / "x.mp3";
    EXPECT_EQ(unit.run(AudioFormat::Mp3, timingText, noList, {}), ExportResult::Failed);
    ASSERT_EQ(ui.problems.size(), 1u);
    EXPECT_EQ(ui.problems[0].file, temp());
    EXPECT_TRUE(ui.launches.empty());
}

TEST_F(AudioExportTest, EncoderThatCannotStartIsReported) {
    auto unit = exporter();
    ui.target = program / "mp3" / "x.mp3";
    ui.launchFails = true;
    EXPECT_EQ(unit.run(AudioFormat::Mp3, timingText, noList, {}), ExportResult::Failed);
    ASSERT_EQ(ui.problems.size(), 1u);
    EXPECT_EQ(ui.problems[0].kind, ExportProblem::Kind::EncoderFailed);
    EXPECT_EQ(ui.problems[0].file, "/opt/enc/lame");
    EXPECT_EQ(ui.exporting, (std::vector<bool>{true, false}));
}

TEST_F(AudioExportTest, TimingTextWithoutElementsWritesNothing) {
    auto unit = exporter();
    std::string garbage = "abc";
    EXPECT_EQ(unit.run(AudioFormat::Wav, garbage, noList, {}), ExportResult::Failed);
    EXPECT_TRUE(ui.problems.empty());
    EXPECT_FALSE(fs::exists(*ui.target));
}

} // namespace
} // namespace dittaro
