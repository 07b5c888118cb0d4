#include "platform/text/IniText.h"

namespace ferrolin {
namespace {

std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

IniText IniText::Parse(std::string_view text) {
    IniText ini;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = std::string(Trim(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        ini.m_lines.push_back({section, std::string(Trim(line.substr(0, equals))),
                               std::string(Trim(line.substr(equals + 1)))});
    }
    return ini;
}

std::optional<std::string> IniText::Find(std::string_view section, std::string_view key) const {
    for (const Line& line : m_lines) {
        if (EqualsIgnoringAsciiCase(line.section, section) &&
            EqualsIgnoringAsciiCase(line.key, key)) {
            return line.value;
        }
    }
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> IniText::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const Line& line : m_lines) {
        if (EqualsIgnoringAsciiCase(line.section, section))
            entries.emplace_back(line.key, line.value);
    }
    return entries;
}

}  // namespace ferrolin
