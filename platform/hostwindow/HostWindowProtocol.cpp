#include "platform/hostwindow/HostWindowProtocol.h"

#include <charconv>
#include <vector>

namespace ferrolin {
namespace {

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = text.find(' ', start);
        words.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) return words;
        start = space + 1;
    }
}

template <class T>
bool ParseNumber(std::string_view word, T* value) {
    if (word.empty() || word[0] == '+') return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), *value);
    return error == std::errc() && end == word.data() + word.size();
}

}  // namespace

std::string FormatHostWindowDatagram(const HostWindowEvent& event) {
    switch (event.kind) {
        case HostWindowEventKind::Enable:
            return event.enable ? "enable 1" : "enable 0";
        case HostWindowEventKind::SetParent:
            return "setparent " + std::to_string(event.child) + " " + std::to_string(event.parent);
        case HostWindowEventKind::Foreground:
            return "foreground";
        case HostWindowEventKind::Top:
            return "top";
        case HostWindowEventKind::Post:
            return "post " + std::to_string(event.message) + " " + std::to_string(event.wParam) +
                   " " + std::to_string(event.lParam);
    }
    return {};
}

std::optional<HostWindowEvent> ParseHostWindowDatagram(std::string_view datagram) {
    if (datagram.size() > kHostWindowDatagramMax) return std::nullopt;
    const std::vector<std::string_view> words = SplitWords(datagram);
    HostWindowEvent event;
    const std::string_view verb = words[0];
    if (verb == "enable" && words.size() == 2 && (words[1] == "0" || words[1] == "1")) {
        event.kind = HostWindowEventKind::Enable;
        event.enable = words[1] == "1";
        return event;
    }
    if (verb == "setparent" && words.size() == 3 && ParseNumber(words[1], &event.child) &&
        ParseNumber(words[2], &event.parent)) {
        event.kind = HostWindowEventKind::SetParent;
        return event;
    }
    if (verb == "foreground" && words.size() == 1) {
        event.kind = HostWindowEventKind::Foreground;
        return event;
    }
    if (verb == "top" && words.size() == 1) {
        event.kind = HostWindowEventKind::Top;
        return event;
    }
    if (verb == "post" && words.size() == 4 && ParseNumber(words[1], &event.message) &&
        ParseNumber(words[2], &event.wParam) && ParseNumber(words[3], &event.lParam)) {
        event.kind = HostWindowEventKind::Post;
        return event;
    }
    return std::nullopt;
}

}  // namespace ferrolin
