#include "ui/SettingsRecord.h"

#include "platform/text/Decimal.h"

namespace ferrolin {

std::string FormatSettingsKey(std::string_view userId, std::int32_t selectedNo1,
                              std::int32_t selectedNo2) {
    std::string key(userId);
    key += '/' + std::to_string(selectedNo1) + '/' + std::to_string(selectedNo2) + ':';
    return key;
}

std::string FormatSettingsLine(std::string_view key, const SettingsValues& values) {
    std::string line(key);
    line += std::to_string(values.startMonth) + '/' + std::to_string(values.endMonth) + '/' +
            std::to_string(values.choice) + '/';
    line += values.path;
    line += '\n';
    return line;
}

std::size_t FindSettingsRecord(std::string_view fileText, std::string_view key) {
    for (std::size_t lineStart = 0; lineStart < fileText.size();) {
        if (fileText.substr(lineStart, key.size()) == key) return lineStart;
        const std::size_t feed = fileText.find('\n', lineStart);
        if (feed == std::string_view::npos) break;
        lineStart = feed + 1;
    }
    return std::string_view::npos;
}

std::optional<SettingsValues> ReadSettingsRecord(std::string_view fileText, std::string_view key) {
    const std::size_t start = FindSettingsRecord(fileText, key);
    if (start == std::string_view::npos) return std::nullopt;
    std::string_view record = fileText.substr(start + key.size());
    record = record.substr(0, record.find('\n'));
    const std::size_t firstSlash = record.find('/');
    const std::size_t lastSlash = record.rfind('/');
    // A record cut before its values gives nothing to offer rather than made-up ones.
    if (firstSlash == std::string_view::npos || lastSlash == 0) return std::nullopt;

    SettingsValues values;
    values.startMonth = static_cast<std::int16_t>(ParseDecimal(record));
    values.endMonth = static_cast<std::int16_t>(ParseDecimal(record.substr(firstSlash + 1)));
    values.choice = static_cast<std::int16_t>(ParseDecimal(record.substr(lastSlash - 1, 1)));
    values.path = std::string(record.substr(lastSlash + 1));
    return values;
}

std::string PutSettingsRecord(std::string_view fileText, std::string_view key,
                              std::string_view line) {
    std::string text;
    const std::size_t start = FindSettingsRecord(fileText, key);
    if (start != std::string_view::npos) {
        text = fileText.substr(0, start);
        const std::size_t feed = fileText.find('\n', start);
        if (feed != std::string_view::npos) text += fileText.substr(feed + 1);
    } else {
        text = fileText;
    }
    // A last line without its line feed (a file cut short or edited by hand) would otherwise
    // run into the new record and spoil both.
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += line;
    return text;
}

}  // namespace ferrolin
