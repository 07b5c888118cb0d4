#include "dataset/SumQueryBuilder.h"

#include "dataset/PeriodMonths.h"

namespace ferrolin {
namespace {

constexpr std::int32_t kItemMonthIndex = 17;
constexpr std::int16_t kValueKindMonthIndex = 2;
constexpr std::int16_t kAtLeast = 4;
constexpr std::int16_t kAtMost = 6;
constexpr std::int16_t kEqual = 1;
constexpr std::int16_t kLinkAnd = 1;
constexpr std::int16_t kLinkOr = 2;

void WriteCondition(SumCondition& condition, std::int16_t comparison, std::int16_t value,
                    std::int16_t link) {
    condition.item = kItemMonthIndex;
    condition.comparison = comparison;
    condition.valueKind = kValueKindMonthIndex;
    condition.value = value;
    condition.link = link;
}

}  // namespace

void BuildSumQuery(SumQuery* query, const DataSetInfo* dataSet, std::int16_t startMonth,
                   std::int16_t endMonth) {
    if (query == nullptr || dataSet == nullptr) return;
    std::int16_t firstMonth = 0;
    std::int16_t extendedLastMonth = 0;
    GetPeriodMonths(dataSet->periodStart, dataSet->periodEnd, &firstMonth, &extendedLastMonth);
    std::int16_t startPosition = 1;
    std::int16_t endPosition = 1;
    GetFiscalPositions(firstMonth, extendedLastMonth, startMonth, endMonth, &startPosition,
                       &endPosition);

    WriteCondition(query->entries[0], kAtLeast, startPosition, kLinkAnd);
    WriteCondition(query->entries[1], kAtMost, endPosition, 0);
    int last = 1;
    auto addEqual = [&](std::int16_t monthIndex) {
        query->entries[last].link = kLinkOr;
        ++last;
        WriteCondition(query->entries[last], kEqual, monthIndex, 0);
    };
    if (dataSet->period15Flag == 1 && endPosition == 6) addEqual(kMonthIndexPeriod15);
    if (endMonth == extendedLastMonth % 100) addEqual(kMonthIndexPeriod18);
}

}  // namespace ferrolin
