#pragma once
// The host's aggregation request for a chosen range of calendar months.

#include <cstdint>

#include "host/HostRecords.h"

namespace ferrolin {

// Month index codes of the request beyond the fiscal positions 1 to 12.
constexpr std::int16_t kMonthIndexPeriod15 = 15;  // the host's period 15, with position 6
constexpr std::int16_t kMonthIndexPeriod18 = 18;  // the host's closing period after the last month

// Fills `query` (handed over zeroed) to select the fiscal positions from `startMonth` to
// `endMonth`, plus index 15 when a data set with the period-15 flag ends the range at position 6,
// plus index 18 when the range ends with the period's last month. Does nothing when either record
// is absent.
void BuildSumQuery(SumQuery* query, const DataSetInfo* dataSet, std::int16_t startMonth,
                   std::int16_t endMonth);

}  // namespace ferrolin
