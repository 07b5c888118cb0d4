// Time per account record of Aggregate over 100,000 records from the fake host cursor, without a
// progress dialog, so that the figure is the aggregation's own work (slot sums, name cut, entry
// allocation and append, the carry-forward pass). Prints the best and the median of the runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "aggregation/AccountAggregator.h"
#include "tests/aggregation/AggregatorFixture.h"
#include "tests/support/FakeHost.h"

namespace ferrolin {
namespace {

constexpr std::uint32_t kRecords = 100000;
constexpr int kRuns = 7;

double RunOnce() {
    CAccountSumList list;
    CAccountAggregator aggregator;
    aggregator.m_pAccountSums = &list;
    const DataSetInfo dataSet = MakeDataSetInfo("DATA0001", 1);
    const SumQuery query = test::Query(4, 9);  // a mid-year range: positions 4 to 9
    const auto start = std::chrono::steady_clock::now();
    const bool ok = aggregator.Aggregate(0, query, dataSet);
    const auto end = std::chrono::steady_clock::now();
    if (!ok || list.GetCount() != kRecords) std::fprintf(stderr, "aggregation failed\n");
    return std::chrono::duration<double, std::nano>(end - start).count() / kRecords;
}

}  // namespace
}  // namespace ferrolin

int main() {
    using namespace ferrolin;
    FakeHost host;
    // Every record has both names filled past 30 bytes and every slot of both sets used.
    AccountSumRecord pattern = MakeAccountRecord(0, 0x80000100u, 1);
    std::memset(pattern.formalName, 'F', 56);
    std::memset(pattern.secondName, 'S', 32);
    for (int k = 0; k < kAmountSlots; ++k) {
        pattern.debit0[k] = pattern.debit1[k] = 1234567 + k;
        pattern.credit0[k] = pattern.credit1[k] = 7654321 - k;
    }
    host.cursor.generate = [&](std::uint32_t i) {
        AccountSumRecord record = pattern;
        record.accountCode = static_cast<std::int32_t>(i);
        record.natureCode = i % 2 == 0 ? 0x80000100u : 0x40200020u;
        return record;
    };
    host.cursor.generatedCount = kRecords;

    std::vector<double> perRecord;
    for (int run = 0; run < kRuns; ++run) perRecord.push_back(RunOnce());
    std::sort(perRecord.begin(), perRecord.end());
    std::printf("Aggregate over %u records: best %.1f ns/record, median %.1f ns/record\n", kRecords,
                perRecord.front(), perRecord[perRecord.size() / 2]);
    return 0;
}
