#pragma once
// One account's opening and closing amounts over the chosen range, from the host's fifteen period
// slots: slot 0 precedes fiscal position 1, slots 1 to 12 are the positions, slot 13 the host's
// period with month index 18 and slot 14 the one with month index 15.

#include <cstdint>

#include "aggregation/amounts/Amount.h"
#include "host/HostRecords.h"

namespace ferrolin {

// Nature code bits and the two natures of the carry-forward adjustment.
constexpr std::uint32_t kBalanceSheetNatureBit = 0x80000000u;
constexpr std::uint32_t kCarrySourceNature = 0x80202010u;  // its opening amount is carried
constexpr std::uint32_t kCarryTargetNature = 0x40200020u;  // the last of these receives it

// Which slots the amounts take, decided once per aggregation from the request and the data set.
struct SlotSelection {
    std::int16_t startPosition = 1;  // s: first entry of the request
    std::int16_t endPosition = 12;   // e: second entry of the request
    bool openingInRange = false;     // non-balance-sheet accounts open with slot 0
    bool addPeriod18 = false;        // slot 13 joins the movement
    bool addPeriod15 = false;        // slot 14 joins the movement
    bool amountSet1 = false;         // the arrays of amount set 1 instead of set 0
};

SlotSelection SelectSlots(std::int32_t amountBasis, const SumQuery& query,
                          const DataSetInfo& dataSet);

struct AccountBalance {
    CAmount opening;
    CAmount closing;
};

// Signed by the account's balance side: with side 1 a debit balance is positive, otherwise a
// credit balance. Throws CAmountOverflow when the opening plus the movement reaches the limit.
AccountBalance ComputeBalance(const AccountSumRecord& record, const SlotSelection& slots);

}  // namespace ferrolin
