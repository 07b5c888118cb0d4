#pragma once
// The host's fiscal calendar (hostcore). The component makes its own with Create().

#include <cstdint>

#include "host/HostInstall.h"

namespace ferrolin {

class HostFiscalCalendar : public HostCreatable<HostFiscalCalendar> {
public:
    virtual ~HostFiscalCalendar() = default;
    virtual std::int32_t SetPeriod(std::int32_t periodStart, std::int32_t periodEnd) = 0;
    virtual std::int32_t GetClosingDayByEndDate(std::int32_t periodEnd, std::int32_t mode,
                                                std::int16_t* closingDay) = 0;
    virtual std::int32_t SetClosingDay(std::int16_t closingDay) = 0;
    // Writes the calendar month (1 to 12) of the accounting month holding `date`.
    virtual std::int32_t GetAMonthByDate(std::int32_t date, std::int16_t* month,
                                         std::int32_t mode) = 0;
};

}  // namespace ferrolin
