#pragma once
// How the report reads an account sum entry: its names up to their terminator, and its amounts as
// whole yen. Truncation toward zero happens here and nowhere else.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "aggregation/amounts/AccountSumList.h"

namespace ferrolin {

inline std::string_view NameField(const char (&field)[kEntryNameSize]) {
    return {field, ::strnlen(field, kEntryNameSize)};
}
inline std::string_view FormalName(const AccountSumEntry& entry) {
    return NameField(entry.formalName);
}
inline std::string_view SecondName(const AccountSumEntry& entry) {
    return NameField(entry.secondName);
}

// A scaled value (ten-thousandths) as whole yen, the remainder dropped toward zero.
constexpr std::int64_t WholeUnits(std::int64_t scaled) { return scaled / 10000; }

inline std::int64_t ClosingYen(const AccountSumEntry& entry) {
    return WholeUnits(entry.closingAmount);
}

inline std::string DecimalText(std::int64_t value) { return std::to_string(value); }

// The Amount attribute of a section or total: empty for 0.
inline std::string AmountAttribute(std::int64_t yen) {
    return yen == 0 ? std::string() : DecimalText(yen);
}

}  // namespace ferrolin
