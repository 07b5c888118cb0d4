#include "gui/wx/FileDialogRules.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ferrolin {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string WithUpperCasePatterns(const std::string& patterns) {
    std::vector<std::string> all;
    for (const std::string& pattern : Split(patterns, ';')) {
        if (pattern.empty()) continue;
        if (std::find(all.begin(), all.end(), pattern) == all.end()) all.push_back(pattern);
    }
    const std::size_t given = all.size();
    for (std::size_t i = 0; i < given; ++i) {
        std::string upper = Upper(all[i]);
        if (std::find(all.begin(), all.end(), upper) == all.end()) all.push_back(upper);
    }
    std::string joined;
    for (const std::string& pattern : all) joined += (joined.empty() ? "" : ";") + pattern;
    return joined;
}

}  // namespace

std::string WildcardOfFilter(const std::string& filter) {
    const std::vector<std::string> parts = Split(filter, '|');
    std::string wildcard;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break;  // the closing empty pair
        if (!wildcard.empty()) wildcard += '|';
        wildcard += parts[i] + '|' + WithUpperCasePatterns(parts[i + 1]);
    }
    return wildcard;
}

std::string InitialFileName(const std::string& fileName) {
    return fileName.find_first_of("*?") == std::string::npos ? fileName : std::string();
}

std::string WithDefaultExtension(const std::string& path, const std::string& defaultExt) {
    if (defaultExt.empty() || path.empty() || path.back() == '/') return path;
    const std::string::size_type slash = path.rfind('/');
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (name.find('.') != std::string::npos) return path;
    return path + '.' + defaultExt;
}

}  // namespace ferrolin
