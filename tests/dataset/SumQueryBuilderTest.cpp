#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dataset/SumQueryBuilder.h"
#include "tests/support/FakeHost.h"

namespace ferrolin {
namespace {

struct Condition {
    std::int16_t comparison, value, link;
};

struct QueryCase {
    const char* name;
    std::int32_t periodStart, periodEnd, period15Flag;
    std::int16_t startMonth, endMonth;
    std::vector<Condition> expected;
};

// Builds the expected request byte by byte: item 17, value kind 2, everything else zero.
SumQuery Expected(const std::vector<Condition>& conditions) {
    SumQuery query;
    std::memset(&query, 0, sizeof query);
    auto* bytes = reinterpret_cast<unsigned char*>(&query);
    auto put16 = [](unsigned char* at, std::int16_t v) {
        at[0] = static_cast<unsigned char>(v & 0xFF);
        at[1] = static_cast<unsigned char>((v >> 8) & 0xFF);
    };
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        unsigned char* entry = bytes + 34 * i;
        entry[0] = 17;
        put16(entry + 6, conditions[i].comparison);
        put16(entry + 10, 2);
        put16(entry + 18, conditions[i].value);
        put16(entry + 30, conditions[i].link);
    }
    return query;
}

TEST(BuildSumQuery, EntriesOfEachRange) {
    const QueryCase cases[] = {
        {"calendar year, whole", 20020101, 20021231, 0, 1, 12, {{4, 1, 1}, {6, 12, 2}, {1, 18, 0}}},
        {"first half with period 15",
         20020401,
         20030331,
         1,
         4,
         9,
         {{4, 1, 1}, {6, 6, 2}, {1, 15, 0}}},
        {"second half, flag set",
         20020401,
         20030331,
         1,
         10,
         3,
         {{4, 7, 1}, {6, 12, 2}, {1, 18, 0}}},
        {"half-year period ending at 6",
         20020401,
         20020930,
         1,
         4,
         9,
         {{4, 1, 1}, {6, 6, 2}, {1, 15, 2}, {1, 18, 0}}},
        {"inside the period", 20020401, 20030331, 0, 4, 8, {{4, 1, 1}, {6, 5, 0}}},
        {"position 6 without the flag", 20020401, 20030331, 0, 4, 9, {{4, 1, 1}, {6, 6, 0}}},
    };
    for (const QueryCase& c : cases) {
        FakeHost host;
        DataSetInfo dataSet = MakeDataSetInfo("DATA0001", 1, c.periodStart, c.periodEnd);
        dataSet.period15Flag = c.period15Flag;
        SumQuery query;
        std::memset(&query, 0, sizeof query);
        BuildSumQuery(&query, &dataSet, c.startMonth, c.endMonth);
        const SumQuery expected = Expected(c.expected);
        EXPECT_EQ(std::memcmp(&query, &expected, sizeof query), 0) << c.name;
    }
}

TEST(BuildSumQuery, AbsentRecordsAreLeftAlone) {
    FakeHost host;
    SumQuery query;
    std::memset(&query, 0, sizeof query);
    BuildSumQuery(&query, nullptr, 4, 9);
    const SumQuery zero = Expected({});
    EXPECT_EQ(std::memcmp(&query, &zero, sizeof query), 0);
    DataSetInfo dataSet = MakeDataSetInfo("DATA0001", 1);
    BuildSumQuery(nullptr, &dataSet, 4, 9);
    EXPECT_EQ(host.calendar.created, 0);
}

}  // namespace
}  // namespace ferrolin
