#include "platform/help/sitemap.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

namespace dittaro {

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char32_t> referencedCharacter(std::string_view body) {
    constexpr std::array<std::pair<std::string_view, char32_t>, 6> named{{
        {"amp", U'&'},
        {"lt", U'<'},
        {"gt", U'>'},
        {"quot", U'"'},
        {"apos", U'\''},
        {"nbsp", U'\u00A0'},
    }};
    if (body.starts_with('#')) {
        int base = 10;
        body.remove_prefix(1);
        if (body.starts_with('x') || body.starts_with('X')) {
            base = 16;
            body.remove_prefix(1);
        }
        std::uint32_t code = 0;
        const auto [rest, ec] = std::from_chars(body.data(), body.data() + body.size(), code, base);
        if (body.empty() || ec != std::errc{} || rest != body.data() + body.size() || code == 0 ||
            code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return std::nullopt;
        }
        return static_cast<char32_t>(code);
    }
    for (const auto& [name, c] : named) {
        if (body == name) {
            return c;
        }
    }
    return std::nullopt;
}

std::string lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

struct Tag {
    std::string name; // lower case, "/ul" for a closing tag
    std::vector<std::pair<std::string, std::string>> attributes; // names lower case

    std::string attribute(std::string_view key) const {
        for (const auto& [name, value] : attributes) {
            if (name == key) {
                return value;
            }
        }
        return {};
    }
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// Parses the inside of "<...>".
Tag parseTag(std::string_view inside) {
    Tag tag;
    std::size_t at = 0;
    auto skipSpace = [&] {
        while (at < inside.size() && isSpace(inside[at])) {
            ++at;
        }
    };
    auto word = [&] {
        const std::size_t start = at;
        while (at < inside.size() && !isSpace(inside[at]) && inside[at] != '=' &&
               inside[at] != '/') {
            ++at;
        }
        return inside.substr(start, at - start);
    };
    skipSpace();
    std::string name;
    if (at < inside.size() && inside[at] == '/') {
        name = "/";
        ++at;
    }
    tag.name = name + lowered(word());
    while (at < inside.size()) {
        skipSpace();
        if (at < inside.size() && inside[at] == '/') {
            ++at;
            continue;
        }
        const std::string key = lowered(word());
        if (key.empty()) {
            ++at;
            continue;
        }
        skipSpace();
        std::string value;
        if (at < inside.size() && inside[at] == '=') {
            ++at;
            skipSpace();
            if (at < inside.size() && (inside[at] == '"' || inside[at] == '\'')) {
                const char quote = inside[at++];
                const std::size_t end = inside.find(quote, at);
                const std::size_t stop = end == std::string_view::npos ? inside.size() : end;
                value = decodeCharacterReferences(inside.substr(at, stop - at));
                at = stop == inside.size() ? stop : stop + 1;
            } else {
                const std::size_t start = at;
                while (at < inside.size() && !isSpace(inside[at])) {
                    ++at;
                }
                value = decodeCharacterReferences(inside.substr(start, at - start));
            }
        }
        tag.attributes.emplace_back(key, std::move(value));
    }
    return tag;
}

} // namespace

std::string decodeCharacterReferences(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t amp = text.find('&', at);
        if (amp == std::string_view::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, amp - at);
        const std::size_t semicolon = text.find(';', amp);
        const std::optional<char32_t> c =
            semicolon == std::string_view::npos || semicolon - amp > 10
                ? std::nullopt
                : referencedCharacter(text.substr(amp + 1, semicolon - amp - 1));
        if (c) {
            appendUtf8(out, *c);
            at = semicolon + 1;
        } else {
            out += '&';
            at = amp + 1;
        }
    }
    return out;
}

std::vector<ContentsEntry> parseSitemap(std::string_view html) {
    std::vector<ContentsEntry> entries;
    int depth = 0;
    bool inItem = false;
    ContentsEntry item;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = html.find('<', at);
        if (open == std::string_view::npos) {
            break;
        }
        if (html.substr(open).starts_with("<!--")) {
            const std::size_t close = html.find("-->", open + 4);
            at = close == std::string_view::npos ? html.size() : close + 3;
            continue;
        }
        const std::size_t close = html.find('>', open);
        if (close == std::string_view::npos) {
            break;
        }
        const Tag tag = parseTag(html.substr(open + 1, close - open - 1));
        at = close + 1;
        if (tag.name == "ul") {
            ++depth;
        } else if (tag.name == "/ul") {
            depth = std::max(0, depth - 1);
        } else if (tag.name == "object") {
            inItem = lowered(tag.attribute("type")) == "text/sitemap";
            item = ContentsEntry{};
            item.depth = std::max(0, depth - 1);
        } else if (tag.name == "param" && inItem) {
            const std::string key = lowered(tag.attribute("name"));
            if (key == "name" && item.name.empty()) {
                item.name = tag.attribute("value");
            } else if (key == "local") {
                item.local = tag.attribute("value");
            }
        } else if (tag.name == "/object" && inItem) {
            inItem = false;
            if (!item.name.empty()) {
                entries.push_back(std::move(item));
            }
        }
    }
    return entries;
}

} // namespace dittaro
