#pragma once
// The stand-in fiscal calendar. The closing day is the day of the period end, or 31 (month end)
// when the period end is the last day of its month. A date belongs to its calendar month unless
// its day is after the closing day; then to the next calendar month (12 wraps to 1). With closing
// day 31 every date is in its calendar month.

#include "host/HostFiscalCalendar.h"

namespace quorvel {

class StandInFiscalCalendar : public ferrolin::HostFiscalCalendar {
public:
    static constexpr std::int16_t kMonthEnd = 31;

    // Dates are yyyymmdd; an impossible date is refused with kEngineBadArgument. Modes are ignored.
    std::int32_t SetPeriod(std::int32_t periodStart, std::int32_t periodEnd) override;
    std::int32_t GetClosingDayByEndDate(std::int32_t periodEnd, std::int32_t mode,
                                        std::int16_t* closingDay) override;
    std::int32_t SetClosingDay(std::int16_t closingDay) override;  // 1 to 31
    std::int32_t GetAMonthByDate(std::int32_t date, std::int16_t* month,
                                 std::int32_t mode) override;

private:
    std::int16_t m_closingDay = kMonthEnd;
};

}  // namespace quorvel
