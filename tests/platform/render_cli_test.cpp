// dittaro-cli render as a user runs it, with the real lame and oggenc where installed.

#include "audio_test_support.h"
#include "support/command_run.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

using ShellRun = dittaro::test::CommandRun;

// Standard output and error together.
ShellRun shell(const std::string& command) {
    return dittaro::test::runCommand(command + " 2>&1");
}

bool installed(const char* program) {
    return shell(std::string("command -v ") + program + " >/dev/null").status == 0;
}

class RenderCli : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("render_cli_test_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Runs in `folder`; `environment` goes before the command ("PATH=...").
    ShellRun cli(const std::vector<std::string>& args, const std::string& environment = "") {
        std::string command = "cd " + quoted(folder.string()) + " && " + environment + " " +
                              quoted(DITTARO_CLI) + " render";
        for (const std::string& arg : args) {
            command += " " + quoted(arg);
        }
        return shell(command);
    }

    std::vector<fs::path> entries() const {
        return {fs::directory_iterator(folder), fs::directory_iterator()};
    }

    fs::path folder;
};

TEST_F(RenderCli, UsageErrorsExitWith2AndOneLine) {
    const std::vector<std::vector<std::string>> cases = {
        {"cq"},
        {"--out", "x.flac", "cq"},
        {"--out", "x.wav"},
        {"--out", "x.wav", "--hardness", "3", "cq"},
        {"--out", "x.wav", "--pitch", "100", "cq"},
        {"--out", "x.wav", "--ratio", "5", "cq"},
        {"--out", "x.mp3", "--artist", std::string(31, 'a'), "cq"},
        {"--out", "x.wav", "--timing", "+100", "cq"},
        {"--out", "x.wav", "--source", "keyboard", "cq"},
        {"--out", "x.wav", "--file", "missing.txt"},
        {"--out", "x.wav", "--loud", "cq"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.back());
        const ShellRun run = cli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out.rfind("dittaro-cli render: ", 0), 0u) << run.out;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    }
    EXPECT_TRUE(entries().empty());
}

TEST_F(RenderCli, NothingToRenderExitsWith1AndWritesNothing) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--out", "x.wav", "[]"},
                                               {"--out", "x.wav", "--timing", "abc"},
                                               {"--out", "x.wav", "--source", "groups", ""}}) {
        EXPECT_EQ(cli(args).status, 1) << args.back();
    }
    EXPECT_TRUE(entries().empty());
}

TEST_F(RenderCli, UnwritableTargetIsNamedAndLeavesNoFile) {
    const ShellRun run = cli({"--out", (folder / "missing" / "x.wav").string(), "cq"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("cannot write " + (folder / "missing" / "x.wav").string()),
              std::string::npos)
        << run.out;
    EXPECT_TRUE(entries().empty());
}

TEST_F(RenderCli, WavOfAFreeTextLastsItsTimingAndSoxReadsIt) {
    ASSERT_EQ(cli({"--out", "cq.wav", "cq cq de dittaro"}).status, 0);
    const testing::WavFile wav = testing::readWav(folder / "cq.wav");
    EXPECT_EQ(wav.rate, 44100u);
    // 15800 ms at 60 characters per minute, from "dittaro-cli timing".
    const ShellRun timing = shell(quoted(DITTARO_CLI) + " timing 'cq cq de dittaro'");
    long long ms = 0;
    for (std::size_t i = 0; i < timing.out.size(); ++i) {
        if (timing.out[i] == '+' || timing.out[i] == '-') {
            ms += std::stoll(timing.out.substr(i + 1));
        }
    }
    EXPECT_EQ(wav.samples.size(), static_cast<std::size_t>(ms * 441 / 10));
    if (installed("soxi")) {
        const ShellRun sox = shell("soxi -s " + quoted((folder / "cq.wav").string()));
        EXPECT_EQ(sox.status, 0);
        EXPECT_EQ(std::stoull(sox.out), wav.samples.size());
    }
}

TEST_F(RenderCli, TimingTextAndFileAreRenderedLikeTheText) {
    std::ofstream(folder / "text.txt", std::ios::binary) << "\xE4 k"; // Windows-1252 "ä k"
    ASSERT_EQ(cli({"--out", "a.wav", "ä k"}).status, 0);
    ASSERT_EQ(cli({"--out", "b.wav", "--file", "text.txt"}).status, 0);
    const ShellRun timing = shell(quoted(DITTARO_CLI) + " timing 'ä k'");
    std::string tokens = timing.out.substr(0, timing.out.find('\n'));
    ASSERT_EQ(cli({"--out", "c.wav", "--timing", tokens}).status, 0);
    const auto a = testing::readWav(folder / "a.wav").samples;
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(testing::readWav(folder / "b.wav").samples, a);
    EXPECT_EQ(testing::readWav(folder / "c.wav").samples, a);
}

TEST_F(RenderCli, MissingOrFailingEncoderIsReportedAndNoTemporaryFileStays) {
    fs::create_directories(folder / "bin");
    const std::string emptyPath = "PATH=" + quoted((folder / "bin").string());
    ShellRun run = cli({"--out", "x.mp3", "cq"}, emptyPath);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("no MP3 encoder"), std::string::npos) << run.out;

    const fs::path fake = folder / "bin" / "oggenc";
    std::ofstream(fake) << "#!/bin/sh\necho 'cannot encode' >&2\nexit 1\n";
    fs::permissions(fake, fs::perms::owner_all);
    run = cli({"--out", "x.ogg", "cq"}, emptyPath);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find(fake.string() + " failed: exit status 1: cannot encode"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(entries(), std::vector<fs::path>{folder / "bin"});
}

// The ID3 version 1 tag: the last 128 bytes of the file.
struct Id3v1 {
    std::string title, artist, album, year;
};
std::optional<Id3v1> readId3v1(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    in.seekg(-128, std::ios::end);
    std::string tag(128, '\0');
    in.read(tag.data(), 128);
    if (!in || tag.compare(0, 3, "TAG") != 0) {
        return std::nullopt;
    }
    auto field = [&tag](std::size_t at, std::size_t size) {
        std::string value = tag.substr(at, size);
        return value.substr(0, value.find('\0'));
    };
    return Id3v1{field(3, 30), field(33, 30), field(63, 30), field(93, 4)};
}

TEST_F(RenderCli, Mp3WithTheRealLameDecodesToThePracticeAndCarriesItsTags) {
    if (!installed("lame")) {
        GTEST_SKIP() << "lame is not installed";
    }
    ASSERT_EQ(cli({"--out", "x.wav", "cq de dl1abc"}).status, 0);
    const ShellRun encoded =
        cli({"--out", "x.mp3", "--artist", "DL1ABC Jörg", "--title", "Übung 1", "cq de dl1abc"});
    ASSERT_EQ(encoded.status, 0) << encoded.out;
    ASSERT_EQ(
        shell("cd " + quoted(folder.string()) + " && lame --quiet --decode x.mp3 y.wav").status, 0);
    const auto original = testing::readWav(folder / "x.wav").samples.size();
    const auto decoded = testing::readWav(folder / "y.wav").samples.size();
    EXPECT_NEAR(static_cast<double>(decoded), static_cast<double>(original), 2 * 1152);

    const auto tag = readId3v1(folder / "x.mp3");
    ASSERT_TRUE(tag.has_value());
    EXPECT_EQ(tag->artist, "DL1ABC J\xF6rg"); // ID3 version 1 holds Latin-1
    EXPECT_EQ(tag->title, "\xDC"
                          "bung 1");
    EXPECT_EQ(tag->album, "Dittaro V4.0.00");
    EXPECT_EQ(tag->year.size(), 4u);

    ASSERT_EQ(cli({"--out", "plain.mp3", "cq"}).status, 0);
    const auto plain = readId3v1(folder / "plain.mp3");
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->artist, "");
    EXPECT_EQ(plain->album, "Dittaro V4.0.00");
}

// The comments of an Ogg Vorbis file; their names are case-insensitive.
std::map<std::string, std::string> vorbisComments(const fs::path& file) {
    const ShellRun run = shell("LC_ALL=C.UTF-8 vorbiscomment -l " + quoted(file.string()));
    std::map<std::string, std::string> comments;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        std::string name = line.substr(0, equals);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        comments[name] = equals == std::string::npos ? "" : line.substr(equals + 1);
    }
    return comments;
}

TEST_F(RenderCli, OggWithTheRealOggencDecodesToThePracticeAndCarriesItsTags) {
    if (!installed("oggenc") || !installed("oggdec") || !installed("vorbiscomment")) {
        GTEST_SKIP() << "vorbis-tools are not installed";
    }
    ASSERT_EQ(cli({"--out", "x.wav", "cq de dl1abc"}).status, 0);
    const ShellRun encoded =
        cli({"--out", "x.ogg", "--artist", "DL1ABC Jörg", "--title", "Übung 1", "cq de dl1abc"});
    ASSERT_EQ(encoded.status, 0) << encoded.out;
    ASSERT_EQ(shell("cd " + quoted(folder.string()) + " && oggdec --quiet -o y.wav x.ogg").status,
              0);
    EXPECT_EQ(testing::readWav(folder / "y.wav").samples.size(),
              testing::readWav(folder / "x.wav").samples.size());

    const auto comments = vorbisComments(folder / "x.ogg");
    EXPECT_EQ(comments.at("artist"), "DL1ABC Jörg");
    EXPECT_EQ(comments.at("title"), "Übung 1");
    EXPECT_EQ(comments.at("album"), "Dittaro V4.0.00");

    ASSERT_EQ(cli({"--out", "plain.ogg", "cq"}).status, 0);
    const auto plain = vorbisComments(folder / "plain.ogg");
    EXPECT_EQ(plain.count("artist"), 0u);
    EXPECT_EQ(plain.at("album"), "Dittaro V4.0.00");
}

} // namespace
} // namespace dittaro
