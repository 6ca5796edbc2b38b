#pragma once

// A place in a help file: a page inside the archive and, optionally, an anchor on it.

#include <string>
#include <string_view>

namespace dittaro {

struct HelpTopic {
    std::string page;   // absolute archive path, e.g. "/tab_settings.html"
    std::string anchor; // without "#", empty for the top of the page

    bool operator==(const HelpTopic&) const = default;
};

// "tab_settings.html#koch" or "/tab_settings.html#koch" -> {"/tab_settings.html", "koch"}.
HelpTopic splitTopic(std::string_view reference);

} // namespace dittaro
