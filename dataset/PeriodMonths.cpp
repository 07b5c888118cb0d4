#include "dataset/PeriodMonths.h"

#include <memory>

#include "host/HostFiscalCalendar.h"

namespace ferrolin {
namespace {

std::int16_t CalendarMonthOf(std::int32_t date) {
    return static_cast<std::int16_t>(date % 10000 / 100);
}

}  // namespace

void GetPeriodMonths(std::int32_t periodStart, std::int32_t periodEnd, std::int16_t* firstMonth,
                     std::int16_t* extendedLastMonth) {
    std::int16_t first = CalendarMonthOf(periodStart);
    std::int16_t last = CalendarMonthOf(periodEnd);

    std::unique_ptr<HostFiscalCalendar> calendar = HostFiscalCalendar::Create();
    if (!calendar) return;
    // The calendar's results are not examined: the host always writes a month of 1 to 12.
    calendar->SetPeriod(periodStart, periodEnd);
    std::int16_t closingDay = 0;
    calendar->GetClosingDayByEndDate(periodEnd, 0, &closingDay);
    calendar->SetClosingDay(closingDay);
    calendar->GetAMonthByDate(periodStart, &first, 0);
    calendar.reset();

    if (last < first) last = static_cast<std::int16_t>(last + 100);
    if (firstMonth != nullptr) *firstMonth = first;
    if (extendedLastMonth != nullptr) *extendedLastMonth = last;
}

void GetFiscalPositions(std::int16_t firstMonth, std::int16_t extendedLastMonth,
                        std::int16_t startMonth, std::int16_t endMonth, std::int16_t* startPosition,
                        std::int16_t* endPosition) {
    if (startPosition == nullptr || endPosition == nullptr) return;
    const int p = firstMonth;
    const int s = startMonth;
    const int t = endMonth;
    const int lastMonth = extendedLastMonth % 100;
    const bool crossesYear = extendedLastMonth >= 100;

    // A chosen month in the period's second calendar year lies twelve positions further on.
    const int start = s >= p ? s - p + 1 : s - p + 13;
    const int end = crossesYear && t <= lastMonth ? t - p + 13 : t - p + 1;
    *startPosition = static_cast<std::int16_t>(start);
    *endPosition = static_cast<std::int16_t>(end);
}

}  // namespace ferrolin
