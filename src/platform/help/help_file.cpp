#include "platform/help/help_file.h"

#include "platform/help/chm_system.h"

namespace dittaro {

namespace {

bool isHtmlPage(std::string_view path) {
    return path.ends_with(".html") || path.ends_with(".htm");
}

} // namespace

std::optional<HelpFile> HelpFile::open(const std::filesystem::path& path, std::string& error) {
    std::optional<ChmArchive> archive = ChmArchive::open(path, error);
    if (!archive) {
        return std::nullopt;
    }
    const std::string name = "\"" + path.string() + "\"";
    const std::optional<std::string> systemBytes = archive->read("/#SYSTEM");
    const std::optional<ChmSystemInfo> system =
        systemBytes ? parseChmSystem(*systemBytes) : std::nullopt;
    if (!system) {
        error = name + " is damaged: its system information cannot be read";
        return std::nullopt;
    }

    HelpFile help(path, std::move(*archive));
    help.title_ = system->title;

    std::string contentsFile = system->contentsFile;
    if (contentsFile.empty()) {
        for (const std::string& file : help.archive_.files()) {
            if (file.ends_with(".hhc")) {
                contentsFile = file;
                break;
            }
        }
    }
    if (!contentsFile.empty()) {
        if (const auto sitemap = help.archive_.read(splitTopic(contentsFile).page)) {
            help.contents_ = parseSitemap(*sitemap);
        }
    }

    std::string defaultTopic = system->defaultTopic;
    for (std::size_t i = 0; defaultTopic.empty() && i < help.contents_.size(); ++i) {
        defaultTopic = help.contents_[i].local;
    }
    if (defaultTopic.empty()) {
        error = name + " names no default topic";
        return std::nullopt;
    }
    help.defaultTopic_ = splitTopic(defaultTopic);
    if (!help.readTopic(help.defaultTopic_)) {
        error = name + " is damaged: its start page \"" + defaultTopic + "\" cannot be read";
        return std::nullopt;
    }
    // A cut-off file often still shows its first pages; better to say so now than to fail
    // on some later page. Help files are small, so reading everything once is cheap.
    for (const std::string& file : help.archive_.allFiles()) {
        if (!help.archive_.read(file)) {
            error = name + " is damaged: \"" + file + "\" cannot be read";
            return std::nullopt;
        }
    }

    if (const auto map = help.archive_.read(kContextMapPath)) {
        help.contextMap_ = parseContextMap(*map);
        help.hasContextMap_ = true;
    }
    return help;
}

std::vector<std::string> HelpFile::topics() const {
    std::vector<std::string> pages;
    for (std::string& file : archive_.files()) {
        if (isHtmlPage(file)) {
            pages.push_back(std::move(file));
        }
    }
    return pages;
}

std::optional<std::string> HelpFile::readTopic(const HelpTopic& topic) const {
    return archive_.read(topic.page);
}

ContextLookup HelpFile::topicForContext(int number) const {
    const std::string file = "\"" + path_.filename().string() + "\"";
    if (!hasContextMap_) {
        return {std::nullopt, "help file " + file + " has no context map"};
    }
    const auto entry = contextMap_.topics.find(number);
    if (entry == contextMap_.topics.end()) {
        return {std::nullopt,
                "context number " + std::to_string(number) + " not found in help file " + file};
    }
    HelpTopic topic = splitTopic(entry->second);
    if (!hasTopic(topic)) {
        return {std::nullopt, "context number " + std::to_string(number) + " leads to \"" +
                                  entry->second + "\", which help file " + file +
                                  " does not contain"};
    }
    return {std::move(topic), {}};
}

} // namespace dittaro
