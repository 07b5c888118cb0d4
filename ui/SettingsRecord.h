#pragma once
// The text of the remembered-settings file: one line per host user and data set,
//   USER01/1/3:4/3/1/C:\Data\report.xml<LF>
// the key "user/no1/no2:" followed by start month, end month, equity-statement choice and the
// output path. Lines have no length limit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ferrolin {

struct SettingsValues {
    std::int16_t startMonth = 0;
    std::int16_t endMonth = 0;
    std::int16_t choice = 0;
    std::string path;
};

std::string FormatSettingsKey(std::string_view userId, std::int32_t selectedNo1,
                              std::int32_t selectedNo2);
// The whole record line with its line feed.
std::string FormatSettingsLine(std::string_view key, const SettingsValues& values);

// Byte index of the first line that begins with `key`; npos when there is none.
std::size_t FindSettingsRecord(std::string_view fileText, std::string_view key);
// The values of the record for `key`; none when the file holds no such record or the record has
// no slash after its key. Values are taken as they stand, not validated.
std::optional<SettingsValues> ReadSettingsRecord(std::string_view fileText, std::string_view key);
// The file text with the record for `key` removed from its place and `line` at the end.
std::string PutSettingsRecord(std::string_view fileText, std::string_view key,
                              std::string_view line);

}  // namespace ferrolin
