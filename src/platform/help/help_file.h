#pragma once

// One of Dittaro's help files (hilfe.chm, help.chm, aide.chm), as the help viewer uses it:
// its default topic, its contents, the bytes of a topic, and the topic of a context number.

#include "platform/help/chm_archive.h"
#include "platform/help/context_map.h"
#include "platform/help/help_topic.h"
#include "platform/help/sitemap.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

struct ContextLookup {
    std::optional<HelpTopic> topic;
    std::string error; // why there is no topic, e.g. "context number 999 not found in ..."
};

class HelpFile {
public:
    // Empty when the file is missing, not a CHM file, or damaged so that one of its files
    // cannot be read; error then says which and names the file.
    static std::optional<HelpFile> open(const std::filesystem::path& path, std::string& error);

    const std::string& title() const { return title_; }
    const HelpTopic& defaultTopic() const { return defaultTopic_; }
    const std::vector<ContentsEntry>& contents() const { return contents_; }

    // Archive paths of every HTML page in the file.
    std::vector<std::string> topics() const;

    bool hasTopic(const HelpTopic& topic) const { return archive_.contains(topic.page); }
    std::optional<std::string> readTopic(const HelpTopic& topic) const;

    ContextLookup topicForContext(int number) const;
    const std::vector<std::string>& contextMapProblems() const { return contextMap_.problems; }

private:
    HelpFile(std::filesystem::path path, ChmArchive archive)
        : path_(std::move(path)), archive_(std::move(archive)) {}

    std::filesystem::path path_;
    ChmArchive archive_;
    std::string title_;
    HelpTopic defaultTopic_;
    std::vector<ContentsEntry> contents_;
    ContextMap contextMap_;
    bool hasContextMap_ = false;
};

} // namespace dittaro
