#include "aggregation/StatementSettings.h"

#include <algorithm>

#include "platform/text/Decimal.h"

namespace ferrolin {
namespace {

constexpr std::string_view kInputModeKey = "InputMode";
constexpr std::string_view kNoteKey = "Note=";
constexpr std::string_view kNoteSectionMarker = "[Note_";
constexpr std::string_view kDispKey = "Disp=";
// The section marker is followed by its two-digit number and "]", passed over before the search.
constexpr std::size_t kSectionHeaderSkip = 9;

// The value from `start` to the line end, read as a decimal.
std::int32_t LineValue(std::string_view text, std::size_t start) {
    const std::size_t end = text.find_first_of("\r\n", start);
    return ParseDecimal(text.substr(start, end == std::string_view::npos ? end : end - start));
}

}  // namespace

bool TextSetsInputMode(std::string_view settingsText) {
    const std::size_t key = settingsText.find(kInputModeKey);
    if (key == std::string_view::npos) return false;
    const std::size_t equals = settingsText.find('=', key + 1);
    if (equals == std::string_view::npos) return false;
    return LineValue(settingsText, equals + 1) > 0;
}

bool TextSetsNote(std::string_view noteSwitchText) {
    const std::size_t key = noteSwitchText.find(kNoteKey);
    if (key == std::string_view::npos) return false;
    const std::size_t value = key + kNoteKey.size();
    if (value >= noteSwitchText.size()) return false;
    return LineValue(noteSwitchText, value) > 0;
}

void FillNoteDisplayFlags(std::string_view settingsText, std::span<std::uint8_t> flags) {
    std::size_t position = 0;
    for (std::size_t index = 0; index < flags.size();) {
        const std::size_t marker = settingsText.find(kNoteSectionMarker, position);
        if (marker == std::string_view::npos) return;
        const std::size_t from = std::min(marker + kSectionHeaderSkip, settingsText.size());
        const std::size_t disp = settingsText.find(kDispKey, from);
        if (disp == std::string_view::npos) return;
        const std::size_t value = disp + kDispKey.size();
        flags[index++] = static_cast<std::uint8_t>(ParseDecimal(settingsText.substr(value)));
        if (value >= settingsText.size()) return;
        position = value;
    }
}

}  // namespace ferrolin
