#pragma once
// Requests and account records for the aggregator's tests.

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "host/HostRecords.h"

namespace ferrolin::test {

// Natures used below: one balance-sheet and one income-statement account besides the two of the
// carry-forward adjustment.
constexpr std::uint32_t kBalanceSheet = 0x80000100u;
constexpr std::uint32_t kIncome = 0x40000100u;

// The request as the host reads it: at least `s`, at most `e`, then one "equal" entry per extra
// month index, linked by "or".
inline SumQuery Query(std::int16_t s, std::int16_t e,
                      std::initializer_list<std::int16_t> extra = {}) {
    SumQuery query{};
    auto put = [&](int i, std::int16_t comparison, std::int16_t value) {
        query.entries[i].item = 17;
        query.entries[i].comparison = comparison;
        query.entries[i].valueKind = 2;
        query.entries[i].value = value;
    };
    put(0, 4, s);
    query.entries[0].link = 1;
    put(1, 6, e);
    int i = 1;
    for (std::int16_t index : extra) {
        query.entries[i].link = 2;
        put(++i, 1, index);
    }
    return query;
}

// Slot k of the debit (or credit) array of amount set 0 holds 2^k, so that a total names the
// slots it took in.
inline void FillSlotBits(AccountSumRecord& record, bool debit) {
    for (int k = 0; k < kAmountSlots; ++k) (debit ? record.debit0 : record.credit0)[k] = 1LL << k;
}

// The sum of 2^k over the slots `from` to `to`.
constexpr std::int64_t SlotBits(int from, int to) {
    std::int64_t sum = 0;
    for (int k = from; k <= to; ++k) sum += 1LL << k;
    return sum;
}

}  // namespace ferrolin::test
