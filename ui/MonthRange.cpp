#include "ui/MonthRange.h"

namespace ferrolin {
namespace {

struct Period {
    int first;
    int last;      // calendar month
    bool crosses;  // the period runs into the next calendar year

    bool Holds(int month) const {
        return crosses ? month >= first || month <= last : month >= first && month <= last;
    }
    // Place in the period's order of months, 0 for the first month.
    int Place(int month) const { return month >= first ? month - first : month + 12 - first; }
};

bool IsCalendarMonth(int month) { return month >= 1 && month <= 12; }

}  // namespace

MonthRangeFault CheckMonthRange(std::int16_t start, std::int16_t end, std::int16_t firstMonth,
                                std::int16_t extendedLastMonth) {
    const Period period{firstMonth, extendedLastMonth % 100, extendedLastMonth >= 100};
    const bool startInPeriod = IsCalendarMonth(start) && period.Holds(start);
    const bool endInPeriod = IsCalendarMonth(end) && period.Holds(end);
    const bool reversed = startInPeriod && endInPeriod && period.Place(start) > period.Place(end);
    if (startInPeriod && endInPeriod && !reversed) return MonthRangeFault::None;

    const bool endFault = (!IsCalendarMonth(end) && IsCalendarMonth(start)) ||
                          (period.crosses && reversed) ||
                          (period.crosses && start >= 1 && start <= period.last && !endInPeriod);
    return endFault ? MonthRangeFault::EndMonth : MonthRangeFault::StartMonth;
}

}  // namespace ferrolin
