#pragma once
// Month arithmetic between the calendar months the user chooses and the fiscal positions by which
// the host counts the months of a data set (1 is the period's first month).

#include <cstdint>

namespace ferrolin {

// The period's first calendar month, as the host's fiscal calendar places the start date, and its
// extended last month: the calendar month of the end date, plus 100 when the period runs into the
// next calendar year. Dates are yyyymmdd. Writes the outputs that are given; writes nothing when
// the host calendar cannot be made.
void GetPeriodMonths(std::int32_t periodStart, std::int32_t periodEnd, std::int16_t* firstMonth,
                     std::int16_t* extendedLastMonth);

// The fiscal positions of the chosen start and end months within a period of `firstMonth` to
// `extendedLastMonth`. Does nothing unless both outputs are given.
void GetFiscalPositions(std::int16_t firstMonth, std::int16_t extendedLastMonth,
                        std::int16_t startMonth, std::int16_t endMonth, std::int16_t* startPosition,
                        std::int16_t* endPosition);

}  // namespace ferrolin
