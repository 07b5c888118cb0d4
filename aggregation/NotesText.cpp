#include "aggregation/NotesText.h"

#include <string_view>

namespace ferrolin {
namespace {

struct Entity {
    std::string_view encoded;
    char decoded;
};

// In this order: "&amp;" first, so that an encoded entity whose ampersand was encoded once more
// ("&amp;lt;") ends up as its plain character.
constexpr Entity kEntities[] = {
    {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&apos;", '\''}, {"&quot;", '"'},
};

// Every occurrence from left to right, without rescanning what was just written.
std::string ReplaceAll(const std::string& text, std::string_view from, char to) {
    std::string out;
    out.reserve(text.size());
    std::size_t position = 0;
    for (std::size_t hit; (hit = text.find(from, position)) != std::string::npos;) {
        out.append(text, position, hit - position);
        out += to;
        position = hit + from.size();
    }
    out.append(text, position, std::string::npos);
    return out;
}

}  // namespace

void SplitNotesText(std::string text, std::vector<std::string>& notes) {
    constexpr std::string_view kLineEnd = "\r\n";
    notes.clear();
    for (const Entity& entity : kEntities) text = ReplaceAll(text, entity.encoded, entity.decoded);

    if (text.empty()) return;
    if (!text.ends_with(kLineEnd)) text += kLineEnd;
    for (std::size_t position = 0; position < text.size();) {
        const std::size_t end = text.find(kLineEnd, position);
        notes.push_back(text.substr(position, end - position));
        position = end + kLineEnd.size();
    }
}

}  // namespace ferrolin
