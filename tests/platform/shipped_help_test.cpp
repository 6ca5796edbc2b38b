#include "platform/help/help_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

struct Language {
    const char* name;
    const char* file;
    int index; // into the heading columns below
};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.name;
}

const std::array<Language, 3> kLanguages = {
    {{"German", "hilfe.chm", 0}, {"English", "help.chm", 1}, {"French", "aide.chm", 2}}};

fs::path shippedHelp(const char* file) {
    return fs::path(DITTARO_BINARY_DIR) / "dist" / "doc" / file;
}

// Every context number the program's controls carry, the place it must lead to, and a word
// that the heading there must hold in each language, so a number that leads to the wrong
// section shows.
struct ContextCase {
    int number;
    const char* topic;
    std::array<const char*, 3> heading; // German, English, French; compared case-blind
};

const std::vector<ContextCase> kContextCases = {
    {30, "tab_settings.html", {"Einstellungen", "Settings", "Paramètres"}},
    {400, "tab_start.html", {"Start", "Start", "Start"}},
    {250, "tab_play.html", {"Abspielen", "Playback", "Écoute"}},
    {450, "tab_keying.html", {"Gebeübung", "Keying practice", "Manipulation"}},
    {530, "tab_start.html#textfield", {"Textfeld", "Text field", "Champ de texte"}},
    {470, "tab_keying.html#keyer", {"Software Keyer", "Software Keyer", "Software Keyer"}},
    {210, "random_groups.html#charset", {"Zeichenvorrat", "Character set", "Jeu de caractères"}},
    {60, "koch.html#order", {"Reihenfolge", "Order", "Ordre"}},
    {120, "koch.html", {"Koch-Methode", "Koch method", "Méthode Koch"}},
    {50, "characters.html#replace", {"Ersetze", "Replace", "Remplacer"}},
    {330, "random_texts.html#count", {"Anzahl", "Count", "Nombre"}},
    {300, "random_texts.html", {"Zufallstexte", "Random texts", "Textes aléatoires"}},
    {240, "random_groups.html#count", {"Anzahl", "Count", "Nombre"}},
    {600, "tab_keying.html#template", {"Vorlage", "Template", "Modèle"}},
    {260,
     "tab_play.html#words",
     {"Wörter/Gruppen anzeigen", "Show words/groups", "Afficher les mots/groupes"}},
    {680, "tab_settings.html#overtones", {"Obertöne", "Overtones", "Harmoniques"}},
};

std::string lowerAscii(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) {
        return static_cast<char>(c < 0x80 ? std::tolower(c) : c);
    });
    return s;
}

std::string withoutTags(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (char c : html) {
        if (c == '<') {
            inTag = true;
        } else if (c == '>') {
            inTag = false;
        } else if (!inTag) {
            text += c;
        }
    }
    return text;
}

// The text of the element that carries id="anchor", or of the page's <h1> without anchor;
// empty when there is none.
std::string headingAt(const std::string& page, const std::string& anchor) {
    std::size_t start = 0;
    std::string name = "h1";
    if (anchor.empty()) {
        start = page.find("<h1");
    } else {
        const std::size_t id = page.find("id=\"" + anchor + "\"");
        start = id == std::string::npos ? id : page.rfind('<', id);
        if (start != std::string::npos) {
            const std::size_t end = page.find_first_of(" >", start);
            name = page.substr(start + 1, end - start - 1);
        }
    }
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t close = page.find("</" + name + ">", start);
    return close == std::string::npos ? std::string{}
                                      : withoutTags(page.substr(start, close - start));
}

bool isUtf8(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const std::size_t extra = c < 0x80             ? 0
                                  : (c & 0xE0) == 0xC0 ? 1
                                  : (c & 0xF0) == 0xE0 ? 2
                                  : (c & 0xF8) == 0xF0 ? 3
                                                       : 4;
        if (extra == 4 || bytes.size() - i - 1 < extra) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += extra + 1;
    }
    return true;
}

class ShippedHelp : public ::testing::TestWithParam<Language> {
protected:
    HelpFile open() const {
        std::string error;
        std::optional<HelpFile> help = HelpFile::open(shippedHelp(GetParam().file), error);
        if (!help) {
            throw std::runtime_error(error);
        }
        return std::move(*help);
    }
};

TEST_P(ShippedHelp, OpensAtAnExistingStartPage) {
    const HelpFile help = open();
    EXPECT_EQ(help.defaultTopic(), (HelpTopic{"/index.html", ""}));
    const auto start = help.readTopic(help.defaultTopic());
    ASSERT_TRUE(start.has_value());
    EXPECT_NE(headingAt(*start, "").find("Dittaro"), std::string::npos);
    EXPECT_FALSE(help.title().empty());
}

TEST_P(ShippedHelp, EveryContextNumberLeadsToTheSectionOfItsControl) {
    const HelpFile help = open();
    for (const ContextCase& c : kContextCases) {
        SCOPED_TRACE(c.number);
        const ContextLookup lookup = help.topicForContext(c.number);
        ASSERT_TRUE(lookup.topic.has_value()) << lookup.error;
        EXPECT_EQ(*lookup.topic, splitTopic(c.topic));
        const auto page = help.readTopic(*lookup.topic);
        ASSERT_TRUE(page.has_value());
        const std::string heading = headingAt(*page, lookup.topic->anchor);
        EXPECT_NE(lowerAscii(heading).find(lowerAscii(c.heading[GetParam().index])),
                  std::string::npos)
            << "heading at " << c.topic << ": \"" << heading << "\"";
    }
}

TEST_P(ShippedHelp, NumbersNoControlCarriesAreNotFoundAndTheMapHasNoFaults) {
    const HelpFile help = open();
    EXPECT_TRUE(help.contextMapProblems().empty());
    for (int number : {0, 1, 31, 251, 999, 65535}) {
        const ContextLookup lookup = help.topicForContext(number);
        EXPECT_FALSE(lookup.topic.has_value()) << number;
        EXPECT_NE(lookup.error.find("context number " + std::to_string(number) + " not found"),
                  std::string::npos)
            << lookup.error;
    }
}

TEST_P(ShippedHelp, EveryContentsEntryLeadsToAnExistingPageAndAnchor) {
    const HelpFile help = open();
    ASSERT_GE(help.contents().size(), 20u);
    for (const ContentsEntry& entry : help.contents()) {
        if (entry.local.empty()) {
            continue; // a heading that groups the entries below it
        }
        SCOPED_TRACE(entry.local);
        const HelpTopic topic = splitTopic(entry.local);
        const auto page = help.readTopic(topic);
        ASSERT_TRUE(page.has_value());
        if (!topic.anchor.empty()) {
            EXPECT_NE(page->find("id=\"" + topic.anchor + "\""), std::string::npos);
        }
    }
}

TEST_P(ShippedHelp, EveryPageIsUtf8AndSaysSoAndHasATitleAndHeading) {
    const HelpFile help = open();
    const std::vector<std::string> pages = help.topics();
    ASSERT_GE(pages.size(), 20u);
    for (const std::string& path : pages) {
        SCOPED_TRACE(path);
        const auto page = help.readTopic(splitTopic(path));
        ASSERT_TRUE(page.has_value());
        EXPECT_TRUE(isUtf8(*page));
        EXPECT_NE(page->find("charset=utf-8"), std::string::npos);
        EXPECT_NE(page->find("<title>"), std::string::npos);
        EXPECT_FALSE(headingAt(*page, "").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, ShippedHelp, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShippedHelpLanguages, AllThreeHaveTheSameStructure) {
    std::vector<std::vector<std::pair<std::string, int>>> outlines;
    std::vector<std::set<std::string>> pageSets;
    for (const Language& language : kLanguages) {
        std::string error;
        const std::optional<HelpFile> help = HelpFile::open(shippedHelp(language.file), error);
        ASSERT_TRUE(help.has_value()) << error;
        std::vector<std::pair<std::string, int>> outline;
        for (const ContentsEntry& entry : help->contents()) {
            outline.emplace_back(entry.local, entry.depth);
        }
        outlines.push_back(outline);
        const std::vector<std::string> pages = help->topics();
        pageSets.emplace_back(pages.begin(), pages.end());
    }
    EXPECT_EQ(outlines[0], outlines[1]);
    EXPECT_EQ(outlines[0], outlines[2]);
    EXPECT_EQ(pageSets[0], pageSets[1]);
    EXPECT_EQ(pageSets[0], pageSets[2]);
}

} // namespace
} // namespace dittaro
