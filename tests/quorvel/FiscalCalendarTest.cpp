// The stand-in fiscal calendar: closing day from the period end, accounting month of a date.

#include <gtest/gtest.h>

#include "quorvel/engine/hostcore/StandInFiscalCalendar.h"
#include "quorvel/engine/store/EngineStatus.h"

namespace quorvel {
namespace {

TEST(StandInFiscalCalendar, ClosingDayIsThePeriodEndsDayOrMonthEnd) {
    const std::pair<std::int32_t, std::int16_t> cases[] = {
        {20250331, 31}, {20250930, 31}, {20240229, 31},
        {20250228, 31}, {20240228, 28},  // not the last day of a leap February
        {20250320, 20}, {20250101, 1},
    };
    for (const auto& [end, closing] : cases) {
        StandInFiscalCalendar calendar;
        std::int16_t day = 0;
        ASSERT_EQ(calendar.GetClosingDayByEndDate(end, 0, &day), 0) << end;
        EXPECT_EQ(day, closing) << end;
    }
}

TEST(StandInFiscalCalendar, MonthOfADateUnderTheClosingDay) {
    struct Case {
        std::int16_t closingDay;
        std::int32_t date;
        std::int16_t month;
    };
    const Case cases[] = {
        {31, 20240401, 4}, {31, 20240430, 4}, {31, 20250228, 2},
        {20, 20240320, 3}, {20, 20240321, 4},  // after the closing day: the next month
        {20, 20241221, 1},                     // December wraps to January
        {28, 20240229, 3},
    };
    for (const Case& c : cases) {
        StandInFiscalCalendar calendar;
        ASSERT_EQ(calendar.SetClosingDay(c.closingDay), 0);
        std::int16_t month = 0;
        ASSERT_EQ(calendar.GetAMonthByDate(c.date, &month, 0), 0) << c.date;
        EXPECT_EQ(month, c.month) << c.closingDay << " " << c.date;
    }
}

TEST(StandInFiscalCalendar, ImpossibleDatesAndDaysAreRefused) {
    StandInFiscalCalendar calendar;
    std::int16_t value = 77;
    EXPECT_EQ(calendar.GetAMonthByDate(20241301, &value, 0), kEngineBadArgument);
    EXPECT_EQ(calendar.GetAMonthByDate(20230229, &value, 0), kEngineBadArgument);
    EXPECT_EQ(calendar.GetClosingDayByEndDate(20240400, 0, &value), kEngineBadArgument);
    EXPECT_EQ(value, 77);
    EXPECT_EQ(calendar.SetClosingDay(0), kEngineBadArgument);
    EXPECT_EQ(calendar.SetClosingDay(32), kEngineBadArgument);
    EXPECT_EQ(calendar.SetPeriod(20250401, 20240331), kEngineBadArgument);
    EXPECT_EQ(calendar.SetPeriod(20240401, 20250331), 0);
}

}  // namespace
}  // namespace quorvel
