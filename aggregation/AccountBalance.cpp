#include "aggregation/AccountBalance.h"

#include <algorithm>

#include "dataset/SumQueryBuilder.h"

namespace ferrolin {
namespace {

constexpr int kSlotPeriod18 = 13;
constexpr int kSlotPeriod15 = 14;
constexpr std::int16_t kPositionWithPeriod15 = 6;

// Adds slots `from` to `to` (both included) of both arrays; slots outside the record's arrays
// are never read, whatever the request holds.
void AddSlots(const std::int64_t* debit, const std::int64_t* credit, int from, int to,
              CAmount& debitSum, CAmount& creditSum) {
    for (int k = std::max(from, 0); k <= std::min(to, kAmountSlots - 1); ++k) {
        debitSum += CAmount(debit[k]);
        creditSum += CAmount(credit[k]);
    }
}

// True when an entry after the second, reached through the entries' links, selects index 18.
// Also when index 15 came first: the range then ends with the period's last month too.
bool RequestsPeriod18(const SumQuery& query) {
    for (int i = 1; i + 1 < 4 && query.entries[i].link != 0; ++i) {
        if (query.entries[i + 1].value == kMonthIndexPeriod18) return true;
    }
    return false;
}

}  // namespace

SlotSelection SelectSlots(std::int32_t amountBasis, const SumQuery& query,
                          const DataSetInfo& dataSet) {
    SlotSelection slots;
    slots.startPosition = query.entries[0].value;
    slots.endPosition = query.entries[1].value;
    slots.openingInRange = dataSet.introMonth != 0 ? slots.startPosition <= dataSet.introMonth
                                                   : slots.startPosition == 1;
    slots.addPeriod18 = RequestsPeriod18(query);
    slots.addPeriod15 = dataSet.period15Flag == 1 && slots.endPosition == kPositionWithPeriod15;
    slots.amountSet1 = amountBasis == 1;
    return slots;
}

AccountBalance ComputeBalance(const AccountSumRecord& record, const SlotSelection& slots) {
    const std::int64_t* debit = slots.amountSet1 ? record.debit1 : record.debit0;
    const std::int64_t* credit = slots.amountSet1 ? record.credit1 : record.credit0;
    const bool debitPositive = record.balanceSide == 1;

    CAmount debitOpen;
    CAmount creditOpen;
    if ((record.natureCode & kBalanceSheetNatureBit) != 0) {
        AddSlots(debit, credit, 0, slots.startPosition - 1, debitOpen, creditOpen);
    } else if (slots.openingInRange) {
        AddSlots(debit, credit, 0, 0, debitOpen, creditOpen);
    }
    AccountBalance balance;
    balance.opening = debitPositive ? debitOpen - creditOpen : creditOpen - debitOpen;

    CAmount debitMove;
    CAmount creditMove;
    AddSlots(debit, credit, slots.startPosition, slots.endPosition, debitMove, creditMove);
    if (slots.addPeriod18) {
        AddSlots(debit, credit, kSlotPeriod18, kSlotPeriod18, debitMove, creditMove);
    }
    if (slots.addPeriod15) {
        AddSlots(debit, credit, kSlotPeriod15, kSlotPeriod15, debitMove, creditMove);
    }
    balance.closing = debitPositive ? (balance.opening + debitMove) - creditMove
                                    : (balance.opening + creditMove) - debitMove;
    return balance;
}

}  // namespace ferrolin
