#pragma once
// The text of a Windows initialisation file: [sections] of key=value lines. Sections and keys are
// compared case-insensitively (ASCII letters); blanks around keys and values are trimmed; lines
// without "=" and comment lines (";") are ignored. Byte-based, so it reads code page 932 and UTF-8
// files alike.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ferrolin {

class IniText {
public:
    static IniText Parse(std::string_view text);
    // The first value of `key` in the first section named `section`; nullopt when missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Every key=value of the sections named `section`, in file order.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

private:
    struct Line {
        std::string section, key, value;
    };
    std::vector<Line> m_lines;
};

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace ferrolin
