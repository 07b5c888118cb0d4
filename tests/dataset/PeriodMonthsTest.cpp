#include <gtest/gtest.h>

#include "dataset/PeriodMonths.h"
#include "tests/support/FakeHost.h"

namespace ferrolin {
namespace {

struct PeriodCase {
    std::int32_t start, end;
    std::int16_t first, extendedLast;
};

TEST(GetPeriodMonths, FirstAndExtendedLastMonth) {
    const PeriodCase cases[] = {
        {20020101, 20021231, 1, 12},    // calendar year
        {20020401, 20030331, 4, 103},   // into the next year
        {20021001, 20030930, 10, 109},  // end month before start month
        {20020401, 20020930, 4, 9},     // half year
        {20020421, 20030420, 5, 104},   // closing on the 20th: the 21st opens the next month
    };
    for (const PeriodCase& c : cases) {
        FakeHost host;
        std::int16_t first = 0;
        std::int16_t last = 0;
        GetPeriodMonths(c.start, c.end, &first, &last);
        EXPECT_EQ(first, c.first) << c.start;
        EXPECT_EQ(last, c.extendedLast) << c.start;
        EXPECT_EQ(host.calendar.created, 1);
        EXPECT_EQ(host.calendar.destroyed, 1);
    }
}

TEST(GetPeriodMonths, AsksTheCalendarInOrder) {
    FakeHost host;
    std::int16_t first = 0;
    GetPeriodMonths(20020421, 20030420, &first, nullptr);
    const std::vector<std::string> expected = {"SetPeriod(20020421,20030420)",
                                               "GetClosingDayByEndDate(20030420,0)",
                                               "SetClosingDay(20)", "GetAMonthByDate(20020421,0)"};
    EXPECT_EQ(host.calendar.calls, expected);
    EXPECT_EQ(first, 5);
}

TEST(GetPeriodMonths, WritesNothingWithoutCalendar) {
    FakeHost host;
    host.calendar.createFails = true;
    std::int16_t first = -7;
    std::int16_t last = -7;
    GetPeriodMonths(20020401, 20030331, &first, &last);
    EXPECT_EQ(first, -7);
    EXPECT_EQ(last, -7);
    GetPeriodMonths(20020401, 20030331, nullptr, nullptr);  // absent outputs are fine too
}

struct PositionCase {
    std::int16_t first, extendedLast, start, end;
    std::int16_t startPos, endPos;
};

TEST(GetFiscalPositions, MonthsToPositions) {
    const PositionCase cases[] = {
        {4, 103, 4, 4, 1, 1},   {4, 103, 12, 12, 9, 9},  {4, 103, 1, 1, 10, 10},
        {4, 103, 3, 3, 12, 12}, {4, 103, 10, 3, 7, 12},  {4, 103, 4, 9, 1, 6},
        {1, 12, 1, 12, 1, 12},  {10, 109, 10, 9, 1, 12}, {10, 109, 1, 3, 4, 6},
        {4, 9, 4, 9, 1, 6},
    };
    for (const PositionCase& c : cases) {
        std::int16_t s = 0;
        std::int16_t e = 0;
        GetFiscalPositions(c.first, c.extendedLast, c.start, c.end, &s, &e);
        EXPECT_EQ(s, c.startPos) << c.first << " " << c.extendedLast << " " << c.start;
        EXPECT_EQ(e, c.endPos) << c.first << " " << c.extendedLast << " " << c.end;
    }
}

TEST(GetFiscalPositions, NeedsBothOutputs) {
    std::int16_t s = -3;
    GetFiscalPositions(4, 103, 5, 6, &s, nullptr);
    EXPECT_EQ(s, -3);
}

}  // namespace
}  // namespace ferrolin
