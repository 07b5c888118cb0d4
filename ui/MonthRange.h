#pragma once
// The check of a chosen month range against the accounting period, and which month edit the user
// is sent back to when it fails.

#include <cstdint>

namespace ferrolin {

enum class MonthRangeFault {
    None,        // the range lies in the period, start not after end
    StartMonth,  // wrong: focus the start-month edit
    EndMonth,    // wrong: focus the end-month edit
};

// `start` and `end` are calendar months as typed (0 when not a number); `firstMonth` and
// `extendedLastMonth` the period's, the latter plus 100 when the period crosses a calendar year.
MonthRangeFault CheckMonthRange(std::int16_t start, std::int16_t end, std::int16_t firstMonth,
                                std::int16_t extendedLastMonth);

}  // namespace ferrolin
