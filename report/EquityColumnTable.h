#pragma once
// The fourteen (column, nature code) pairs that feed the twelve columns of the statement of
// changes in net assets, in the order in which they are scanned. Columns 4 and 5 share one
// nature code and are told apart by the account's name.

#include <array>
#include <cstdint>

namespace ferrolin {

struct EquityColumnSource {
    int column;
    std::uint32_t natureCode;
};

constexpr int kEquityColumnCount = 12;
constexpr int kSeparateReserveColumn = 4;
constexpr int kVoluntaryReserveColumn = 5;
constexpr int kRetainedEarningsColumn = 6;
constexpr std::uint32_t kNetIncomeNature = 0x40200040;

extern const std::array<EquityColumnSource, 14> EquityColumnTable;

}  // namespace ferrolin
