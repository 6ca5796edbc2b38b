#include "platform/help/help_topic.h"

namespace dittaro {

HelpTopic splitTopic(std::string_view reference) {
    HelpTopic topic;
    const std::size_t hash = reference.find('#');
    std::string_view page = reference.substr(0, hash);
    if (hash != std::string_view::npos) {
        topic.anchor = std::string(reference.substr(hash + 1));
    }
    if (!page.starts_with('/')) {
        topic.page = "/";
    }
    topic.page += page;
    return topic;
}

} // namespace dittaro
