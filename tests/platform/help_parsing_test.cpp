#include "platform/help/chm_system.h"
#include "platform/help/context_map.h"
#include "platform/help/help_topic.h"
#include "platform/help/sitemap.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace dittaro {
namespace {

// ---- ctxmap.txt ----

TEST(ContextMapParsing, ReadsEntriesAndSkipsCommentsBlankLinesAndLineEnds) {
    const ContextMap map = parseContextMap("; header\r\n"
                                           "\r\n"
                                           "30=tab_settings.html\r\n"
                                           "  680 = tab_settings.html#overtones  \n"
                                           "\t; indented comment\n"
                                           "250=tab_play.html"); // no final line end
    EXPECT_TRUE(map.problems.empty());
    const std::map<int, std::string> expected{
        {30, "tab_settings.html"}, {250, "tab_play.html"}, {680, "tab_settings.html#overtones"}};
    EXPECT_EQ(map.topics, expected);
}

TEST(ContextMapParsing, ReportsEachUnusableLineByNumberAndKeepsTheRest) {
    struct Case {
        const char* line;
        const char* problem; // part of the message
    };
    const std::vector<Case> cases = {
        {"30 tab_settings.html", "no \"=\""},
        {"=tab_settings.html", "is not a context number"},
        {"x30=tab_settings.html", "is not a context number"},
        {"30x=tab_settings.html", "is not a context number"},
        {"-30=tab_settings.html", "is not a context number"},
        {"99999999999=tab_settings.html", "is not a context number"},
        {"30=", "names no page"},
        {"30=#anchor", "names no page"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const ContextMap map = parseContextMap(std::string("1=index.html\n") + c.line + "\n");
        ASSERT_EQ(map.problems.size(), 1u);
        EXPECT_NE(map.problems[0].find("line 2: "), std::string::npos) << map.problems[0];
        EXPECT_NE(map.problems[0].find(c.problem), std::string::npos) << map.problems[0];
        EXPECT_EQ(map.topics, (std::map<int, std::string>{{1, "index.html"}}));
    }
}

TEST(ContextMapParsing, ADuplicateNumberKeepsTheFirstTopicAndIsReported) {
    const ContextMap map = parseContextMap("50=characters.html#replace\n50=menus.html\n");
    EXPECT_EQ(map.topics.at(50), "characters.html#replace");
    ASSERT_EQ(map.problems.size(), 1u);
    EXPECT_NE(map.problems[0].find("listed twice"), std::string::npos);
}

// ---- topic references ----

TEST(TopicReference, SplitsPageAndAnchorAndMakesThePageAbsolute) {
    struct Case {
        const char* reference;
        HelpTopic topic;
    };
    const std::vector<Case> cases = {
        {"index.html", {"/index.html", ""}},          {"/index.html", {"/index.html", ""}},
        {"koch.html#order", {"/koch.html", "order"}}, {"/koch.html#order", {"/koch.html", "order"}},
        {"koch.html#", {"/koch.html", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitTopic(c.reference), c.topic) << c.reference;
    }
}

// ---- contents (.hhc) ----

TEST(SitemapParsing, GivesEntriesInOrderWithTheirListDepth) {
    const std::string hhc = R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<HTML><BODY>
<OBJECT type="text/site properties"><param name="ImageType" value="Folder"></OBJECT>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Welcome"><param name="Local" value="index.html"></OBJECT>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Main window"></OBJECT>
  <UL>
    <LI><OBJECT type="text/sitemap"><param name="Name" value="Settings"><param name="Local" value="tab_settings.html"></OBJECT>
    <UL>
      <LI><OBJECT type="text/sitemap"><param name="Name" value="Overtones"><param name="Local" value="tab_settings.html#overtones"></OBJECT>
    </UL>
  </UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="Timing"><param name="Local" value="timing.html"></OBJECT>
</UL>
</BODY></HTML>)";
    const std::vector<ContentsEntry> expected = {
        {"Welcome", "index.html", 0},         {"Main window", "", 0},
        {"Settings", "tab_settings.html", 1}, {"Overtones", "tab_settings.html#overtones", 2},
        {"Timing", "timing.html", 0},
    };
    EXPECT_EQ(parseSitemap(hhc), expected);
}

TEST(SitemapParsing, AcceptsTheSpellingsHelpCompilersAndEditorsProduce) {
    struct Case {
        const char* label;
        std::string hhc;
        ContentsEntry entry;
    };
    const std::vector<Case> cases = {
        {"lower-case tags, single quotes",
         "<ul><li><object type='text/sitemap'><param name='name' value='A'>"
         "<param name='local' value='a.html'></object></ul>",
         {"A", "a.html", 0}},
        {"unquoted values, self-closing params",
         "<UL><LI><OBJECT type=text/sitemap><PARAM name=Name value=A />"
         "<PARAM name=Local value=a.html /></OBJECT></UL>",
         {"A", "a.html", 0}},
        {"character references in the name",
         "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
         "value=\"Registerkarte &#8222;Geb&#252;bung&#8220; &amp; mehr\">"
         "<param name=\"Local\" value=\"tab_keying.html\"></OBJECT></UL>",
         {"Registerkarte \u201EGeb\u00FCbung\u201C & mehr", "tab_keying.html", 0}},
        {"a commented-out entry before",
         "<UL><!-- <LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Old\">"
         "</OBJECT> --><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"New\">"
         "<param name=\"Local\" value=\"new.html\"></OBJECT></UL>",
         {"New", "new.html", 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(parseSitemap(c.hhc), std::vector<ContentsEntry>{c.entry});
    }
}

TEST(SitemapParsing, IgnoresObjectsThatAreNoContentsEntries) {
    const std::string hhc =
        "<UL><LI><OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"X\">"
        "</OBJECT><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"nameless.html\">"
        "</OBJECT></UL>";
    EXPECT_TRUE(parseSitemap(hhc).empty());
    EXPECT_TRUE(parseSitemap("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\"").empty());
}

TEST(CharacterReferences, DecodesNumericAndBasicNamedReferencesOnly) {
    struct Case {
        const char* text;
        const char* decoded;
    };
    const std::vector<Case> cases = {
        {"Fran&#231;ais", "Fran\u00E7ais"},
        {"&#xE9;t&#XE9;", "\u00E9t\u00E9"},
        {"&lt;F80 S4&gt; &quot;x&quot; &apos;y&apos;", "<F80 S4> \"x\" 'y'"},
        {"a&nbsp;b", "a\u00A0b"},
        {"&#128512;", "\U0001F600"},
        {"&auml; stays", "&auml; stays"},
        {"AT&T", "AT&T"},
        {"&#;&#x;&#0;&#xD800;&#1114112;", "&#;&#x;&#0;&#xD800;&#1114112;"},
        {"trailing &", "trailing &"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeCharacterReferences(c.text), c.decoded) << c.text;
    }
}

// ---- #SYSTEM ----

std::string systemRecord(std::uint16_t code, const std::string& data) {
    std::string out;
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(data.size() & 0xFF);
    out += static_cast<char>(data.size() >> 8);
    return out + data;
}

std::string systemFile(std::uint32_t version, const std::string& records) {
    std::string out;
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((version >> (8 * i)) & 0xFF);
    }
    return out + records;
}

TEST(ChmSystemParsing, ReadsContentsFileDefaultTopicAndTitleAmongOtherRecords) {
    const std::string bytes =
        systemFile(3, systemRecord(10, std::string("\x47\xC8\x7E\x02", 4)) +
                          systemRecord(2, std::string("index.html\0", 11)) +
                          systemRecord(3, std::string("Dittaro Hilfe\0", 14)) +
                          systemRecord(0, std::string("hilfe.hhc\0", 10)) +
                          systemRecord(13, std::string(300, '\0')));
    const auto info = parseChmSystem(bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->defaultTopic, "index.html");
    EXPECT_EQ(info->title, "Dittaro Hilfe");
    EXPECT_EQ(info->contentsFile, "hilfe.hhc");
}

TEST(ChmSystemParsing, RefusesDamagedData) {
    const std::string good = systemRecord(2, std::string("index.html\0", 11));
    struct Case {
        const char* label;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"shorter than the version", std::string("\x03\x00", 2)},
        {"unknown version", systemFile(77, good)},
        {"record longer than the file", systemFile(3, good.substr(0, good.size() - 1))},
        {"half a record header", systemFile(3, good + std::string("\x02\x00", 2))},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(parseChmSystem(c.bytes).has_value()) << c.label;
    }
}

} // namespace
} // namespace dittaro
