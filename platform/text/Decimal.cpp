#include "platform/text/Decimal.h"

namespace ferrolin {

std::int32_t ParseDecimal(std::string_view text) {
    std::size_t pos = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::uint32_t value = 0;  // unsigned, so that long digit runs wrap instead of overflowing
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(text[pos++] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

}  // namespace ferrolin
