// The program directory the build stages: what the program expects beside itself.

#include "common/sqlite_database.h"
#include "common/text_file.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

const fs::path kDist = fs::path(DITTARO_BINARY_DIR) / "dist";

std::uint32_t bigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

TEST(ShippedFiles, FoldersAndDatabasesExist) {
    for (const char* folder : {"data", "texte", "wav", "mp3", "ogg", "cw1"}) {
        EXPECT_TRUE(fs::is_directory(kDist / folder)) << folder;
    }
    SqliteDatabase data(kDist / "data/Dittaro_Data.sqlite", SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(data.queryInteger("SELECT Count(*) FROM voreinstellungen"), 1);
    EXPECT_EQ(data.queryInteger("SELECT Count(*) FROM kochtrainer"), 1);
    SqliteDatabase random(kDist / "data/Dittaro_Randomtext.sqlite", SqliteDatabase::Mode::ReadOnly);
    EXPECT_TRUE(random.queryInteger("SELECT Count(name) FROM zufallstexte").has_value());
}

// The report places the logo at 300 dpi: 177 pixels make its 15 mm.
TEST(ShippedFiles, LogoIsA15MillimetrePngAt300Dpi) {
    const std::string png = readFileBytes(kDist / "data/VKX-Logo 15mm mit Schatten.png");
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    const std::uint32_t width = bigEndian32(png, 16);
    EXPECT_NEAR(width * 25.4 / 300, 15.0, 0.2);
    EXPECT_GT(bigEndian32(png, 20), 0u);
    EXPECT_EQ(png[24], 8) << "8 bits per channel";
    EXPECT_EQ(png[25], 2) << "RGB without alpha: the report drops transparency";
    const std::size_t phys = png.find("pHYs");
    ASSERT_NE(phys, std::string::npos);
    EXPECT_EQ(bigEndian32(png, phys + 4), 11811u) << "pixels per metre at 300 dpi";
}

} // namespace
} // namespace dittaro
