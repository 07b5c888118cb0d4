#include "quorvel/engine/hostcore/StandInFiscalCalendar.h"

#include "quorvel/engine/store/EngineStatus.h"

namespace quorvel {
namespace {

struct Date {
    int year, month, day;
};

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool Split(std::int32_t yyyymmdd, Date* date) {
    date->year = yyyymmdd / 10000;
    date->month = yyyymmdd / 100 % 100;
    date->day = yyyymmdd % 100;
    return date->year >= 1 && date->month >= 1 && date->month <= 12 && date->day >= 1 &&
           date->day <= DaysInMonth(date->year, date->month);
}

}  // namespace

std::int32_t StandInFiscalCalendar::SetPeriod(std::int32_t periodStart, std::int32_t periodEnd) {
    Date start{}, end{};
    if (!Split(periodStart, &start) || !Split(periodEnd, &end) || periodEnd < periodStart) {
        return kEngineBadArgument;
    }
    return kEngineOk;
}

std::int32_t StandInFiscalCalendar::GetClosingDayByEndDate(std::int32_t periodEnd, std::int32_t,
                                                           std::int16_t* closingDay) {
    Date end{};
    if (closingDay == nullptr || !Split(periodEnd, &end)) return kEngineBadArgument;
    *closingDay = end.day == DaysInMonth(end.year, end.month) ? kMonthEnd
                                                              : static_cast<std::int16_t>(end.day);
    return kEngineOk;
}

std::int32_t StandInFiscalCalendar::SetClosingDay(std::int16_t closingDay) {
    if (closingDay < 1 || closingDay > kMonthEnd) return kEngineBadArgument;
    m_closingDay = closingDay;
    return kEngineOk;
}

std::int32_t StandInFiscalCalendar::GetAMonthByDate(std::int32_t date, std::int16_t* month,
                                                    std::int32_t) {
    Date d{};
    if (month == nullptr || !Split(date, &d)) return kEngineBadArgument;
    int result = d.month;
    if (d.day > m_closingDay) result = result % 12 + 1;
    *month = static_cast<std::int16_t>(result);
    return kEngineOk;
}

}  // namespace quorvel
