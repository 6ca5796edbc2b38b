#pragma once

// The contents (.hhc) of a help file: an HTML "sitemap" of nested lists whose items are
// <OBJECT type="text/sitemap"> elements with "Name" and "Local" parameters.

#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

struct ContentsEntry {
    std::string name;  // UTF-8, character references decoded
    std::string local; // topic reference as written, e.g. "koch.html#order"; empty for a heading
    int depth = 0;     // 0 for the items of the outermost list

    bool operator==(const ContentsEntry&) const = default;
};

std::vector<ContentsEntry> parseSitemap(std::string_view html);

// Decodes numeric character references and the basic named ones (&amp; &lt; &gt; &quot;
// &apos; &nbsp;) to UTF-8; anything else stays as written.
std::string decodeCharacterReferences(std::string_view text);

} // namespace dittaro
