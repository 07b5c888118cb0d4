#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

#include "aggregation/AccountAggregator.h"
#include "tests/aggregation/AggregatorFixture.h"
#include "tests/support/FakeHost.h"

namespace ferrolin {
namespace {

using test::FillSlotBits;
using test::kBalanceSheet;
using test::kIncome;
using test::Query;
using test::SlotBits;

std::vector<AccountSumEntry> Entries(const CAccountSumList& list) {
    std::vector<AccountSumEntry> entries;
    list.ForEach([&](const AccountSumEntry& entry) { entries.push_back(entry); });
    return entries;
}

class AggregateTest : public ::testing::Test {
protected:
    AggregateTest() {
        aggregator.m_pAccountSums = &list;
        dataSet = MakeDataSetInfo("DATA0001", 1);
    }
    // An account whose debit slot k holds 2^k, debit balance positive.
    AccountSumRecord& AddBits(std::int32_t code, std::uint32_t nature) {
        host.cursor.records.push_back(MakeAccountRecord(code, nature, 1));
        FillSlotBits(host.cursor.records.back(), true);
        return host.cursor.records.back();
    }
    bool Run(const SumQuery& query, std::int32_t basis = 0) {
        return aggregator.Aggregate(basis, query, dataSet);
    }

    FakeHost host;
    CAccountSumList list;
    CAccountAggregator aggregator;
    DataSetInfo dataSet{};
};

TEST_F(AggregateTest, WholeYearTakesSlotZeroAsOpeningAndTheClosingPeriod) {
    AddBits(1, kBalanceSheet);
    AddBits(2, kIncome);
    AddBits(3, kCarrySourceNature);
    AddBits(4, kCarryTargetNature);
    ASSERT_TRUE(Run(Query(1, 12, {18})));

    const auto entries = Entries(list);
    ASSERT_EQ(entries.size(), 4u);
    for (const AccountSumEntry& e : entries) {
        EXPECT_EQ(e.openingAmount, 1) << e.accountCode;
        EXPECT_EQ(e.closingAmount, SlotBits(0, 13)) << e.accountCode;  // no adjustment
        EXPECT_EQ(e.changeAmount, SlotBits(1, 13)) << e.accountCode;
    }
}

TEST_F(AggregateTest, MidYearRangeOpensBalanceSheetOnlyAndCarriesForward) {
    AddBits(1, kBalanceSheet);
    AddBits(2, kIncome);
    AddBits(3, kCarryTargetNature);
    // The carried account keeps a credit balance: credit slot k holds 2^k.
    host.cursor.records.push_back(MakeAccountRecord(4, kCarrySourceNature, 0));
    FillSlotBits(host.cursor.records.back(), false);
    AddBits(5, kCarryTargetNature);
    ASSERT_TRUE(Run(Query(4, 9)));

    const auto e = Entries(list);
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[0].openingAmount, SlotBits(0, 3));
    EXPECT_EQ(e[0].closingAmount, SlotBits(0, 9));
    EXPECT_EQ(e[1].openingAmount, 0);
    EXPECT_EQ(e[1].closingAmount, SlotBits(4, 9));
    EXPECT_EQ(e[2].closingAmount, SlotBits(4, 9));  // the earlier target is left alone
    EXPECT_EQ(e[3].openingAmount, SlotBits(0, 3));
    // Only the later target receives the carry, in its closing amount only.
    EXPECT_EQ(e[4].openingAmount, 0);
    EXPECT_EQ(e[4].changeAmount, SlotBits(4, 9));
    EXPECT_EQ(e[4].closingAmount, SlotBits(4, 9) + SlotBits(0, 3));
}

TEST_F(AggregateTest, IntroductionMonthDecidesTheOpeningOfOtherAccounts) {
    struct Case {
        std::int16_t introMonth, s;
        bool openingInRange;
    } cases[] = {{4, 4, true}, {4, 2, true}, {4, 5, false}, {0, 1, true}, {0, 2, false}};
    for (const Case& c : cases) {
        FakeHost caseHost;
        CAccountSumList caseList;
        CAccountAggregator caseAggregator;
        caseAggregator.m_pAccountSums = &caseList;
        caseHost.cursor.records = {
            MakeAccountRecord(1, kIncome), MakeAccountRecord(2, kBalanceSheet),
            MakeAccountRecord(3, kCarrySourceNature), MakeAccountRecord(4, kCarryTargetNature)};
        for (auto& r : caseHost.cursor.records) FillSlotBits(r, true);
        DataSetInfo info = MakeDataSetInfo("DATA0001", 1);
        info.introMonth = c.introMonth;
        ASSERT_TRUE(caseAggregator.Aggregate(0, Query(c.s, 12), info));

        const auto e = Entries(caseList);
        const std::int64_t movement = SlotBits(c.s, 12);
        EXPECT_EQ(e[0].openingAmount, c.openingInRange ? 1 : 0) << c.introMonth << "/" << c.s;
        EXPECT_EQ(e[1].openingAmount, SlotBits(0, c.s - 1)) << c.introMonth << "/" << c.s;
        const std::int64_t carried = c.openingInRange ? 0 : SlotBits(0, c.s - 1);
        EXPECT_EQ(e[3].closingAmount, e[3].openingAmount + movement + carried)
            << c.introMonth << "/" << c.s;
    }
}

TEST_F(AggregateTest, BalanceSideSignsTheAmounts) {
    for (std::uint8_t side : {std::uint8_t{1}, std::uint8_t{0}, std::uint8_t{2}}) {
        host.cursor.records = {MakeAccountRecord(1, kIncome, side)};
        host.cursor.records[0].debit0[3] = 100;
        host.cursor.records[0].credit0[3] = 30;
        list.FreeAll();
        ASSERT_TRUE(Run(Query(1, 6)));
        const auto e = Entries(list);
        const std::int64_t expected = side == 1 ? 70 : -70;
        EXPECT_EQ(e[0].changeAmount, expected) << int{side};
        EXPECT_EQ(e[0].closingAmount, expected) << int{side};
    }
}

TEST_F(AggregateTest, AmountBasisChoosesTheAmountSet) {
    for (std::int32_t basis : {0, 1, 2}) {
        host.cursor.records = {MakeAccountRecord(1, kIncome, 1)};
        host.cursor.records[0].debit0[1] = 5;
        host.cursor.records[0].credit0[1] = 1;
        host.cursor.records[0].debit1[1] = 500;
        host.cursor.records[0].credit1[1] = 100;
        list.FreeAll();
        ASSERT_TRUE(Run(Query(1, 1), basis));
        EXPECT_EQ(Entries(list)[0].closingAmount, basis == 1 ? 400 : 4) << basis;
    }
}

TEST_F(AggregateTest, StatusOneIsLeftOutButStillCarries) {
    AccountSumRecord& source = AddBits(1, kCarrySourceNature);
    source.status = 1;
    AddBits(2, kCarryTargetNature).status = -3;
    ASSERT_TRUE(Run(Query(3, 5)));
    const auto e = Entries(list);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].accountCode, 2);
    EXPECT_EQ(e[0].status, -3);  // sign-extended
    EXPECT_EQ(e[0].closingAmount, SlotBits(3, 5) + SlotBits(0, 2));
}

TEST_F(AggregateTest, ExtraPeriodSlots) {
    struct Case {
        const char* name;
        std::int32_t period15Flag;
        SumQuery query;
        std::int64_t movement;
    } cases[] = {
        {"position 6 with the flag", 1, Query(1, 6, {15}), SlotBits(1, 6) + (1LL << 14)},
        {"position 6 without the flag, whatever the request", 0, Query(1, 6, {15}), SlotBits(1, 6)},
        {"flag but another end", 1, Query(1, 7), SlotBits(1, 7)},
        {"closing period", 0, Query(7, 12, {18}), SlotBits(7, 13)},
        // Index 18 after index 15: the closing period joins the movement too.
        {"both", 1, Query(1, 6, {15, 18}), SlotBits(1, 6) + (1LL << 13) + (1LL << 14)},
    };
    for (const Case& c : cases) {
        host.cursor.records.clear();
        AddBits(1, kIncome);
        dataSet.period15Flag = c.period15Flag;
        list.FreeAll();
        ASSERT_TRUE(Run(c.query)) << c.name;
        EXPECT_EQ(Entries(list)[0].changeAmount, c.movement) << c.name;
    }
}

TEST_F(AggregateTest, CopiesTheRecordAndBindsTheCursorToTheSelectedDataSet) {
    AccountSumRecord& r = AddBits(123450000, kBalanceSheet);
    r.status = 2;
    std::memcpy(r.formalName, "Cash", 5);
    std::memcpy(r.secondName, "Petty", 6);
    dataSet = MakeDataSetInfo("OTHER", 9);  // the cursor takes the host's selected data set
    const SumQuery query = Query(2, 3);
    ASSERT_TRUE(Run(query));

    const auto e = Entries(list);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].accountCode, 123450000);
    EXPECT_STREQ(e[0].formalName, "Cash");
    EXPECT_STREQ(e[0].secondName, "Petty");
    EXPECT_EQ(e[0].natureCode, kBalanceSheet);
    EXPECT_EQ(e[0].status, 2);

    EXPECT_EQ(host.cursor.dataIdSet, "DATA0001");
    EXPECT_EQ(host.cursor.attachedSetMgr, host.setMgr);
    EXPECT_EQ(host.cursor.attachedOptLink, host.optLink);
    ASSERT_TRUE(host.cursor.query);
    EXPECT_EQ(std::memcmp(&*host.cursor.query, &query, sizeof query), 0);
    const std::vector<std::string> calls = {
        "AttachSetMgr", "SetCurDataID",  "AttachOptLink", "MoveReady(1,0,0,null,0)",
        "GetSumCount",  "SetMovePos(0)", "MoveFinish"};
    EXPECT_EQ(host.cursor.calls, calls);
    EXPECT_TRUE(host.cursor.moveNextGotZeroedRecord);
    EXPECT_EQ(aggregator.m_pSumCursor, nullptr);
    EXPECT_EQ(host.cursor.destroyed, 1);
}

TEST_F(AggregateTest, ReadsEveryRecordTheCountReports) {
    host.cursor.generate = [](std::uint32_t i) {
        AccountSumRecord r = MakeAccountRecord(static_cast<std::int32_t>(i), kIncome);
        r.debit0[1] = 1;
        return r;
    };
    host.cursor.generatedCount = 40000;
    ASSERT_TRUE(Run(Query(1, 1)));
    EXPECT_EQ(list.GetCount(), 40000u);
    EXPECT_EQ(host.cursor.moveNextCalls, 40000u);
    std::int32_t expectedCode = 0;
    bool inOrder = true;
    list.ForEach(
        [&](const AccountSumEntry& e) { inOrder = inOrder && e.accountCode == expectedCode++; });
    EXPECT_TRUE(inOrder);
}

TEST_F(AggregateTest, CountAndRecordsMayDiffer) {
    AddBits(1, kIncome);
    AddBits(2, kIncome);
    AddBits(3, kIncome);
    host.cursor.count = 2;  // the count bounds the walk
    ASSERT_TRUE(Run(Query(1, 1)));
    EXPECT_EQ(list.GetCount(), 2u);

    list.FreeAll();
    host.cursor.count = 10;  // the end of data comes first: still a complete walk
    ASSERT_TRUE(Run(Query(1, 1)));
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(host.cursor.calls.back(), "MoveFinish");
}

TEST_F(AggregateTest, EmptyDataSetCompletes) {
    ASSERT_TRUE(Run(Query(1, 12, {18})));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(host.cursor.moveNextCalls, 0u);
}

// An aggregator whose Nth entry allocation fails.
class FailingAllocationAggregator : public CAccountAggregator {
public:
    explicit FailingAllocationAggregator(int failAt) : m_failAt(failAt) {}

protected:
    std::unique_ptr<AccountSumEntry> NewEntry() override {
        return m_made++ == m_failAt ? nullptr : CAccountAggregator::NewEntry();
    }

private:
    int m_failAt;
    int m_made = 0;
};

TEST(AggregateFailures, EveryFailureIsReportedAndKeepsWhatWasAppended) {
    constexpr int kRecords = 4;
    struct Fault {
        std::string name;
        std::function<void(FakeHost&)> arrange;
        int failAt;  // entries appended before the failure
        int allocationFailAt = -1;
        bool cursorMade = true;
    };
    std::vector<Fault> faults = {
        {"cursor not made", [](FakeHost& h) { h.cursor.createFails = true; }, 0, -1, false},
        {"no selected data set", [](FakeHost& h) { h.dataSets.selected.reset(); }, 0, -1, false},
        {"count fails", [](FakeHost& h) { h.cursor.getSumCountResult = 7; }, 0},
        {"positioning fails", [](FakeHost& h) { h.cursor.setMovePosResult = 7; }, 0},
    };
    for (int n = 0; n < kRecords; ++n) {
        faults.push_back(
            {"read " + std::to_string(n) + " fails",
             [n](FakeHost& h) { h.cursor.moveNextFailAt = static_cast<std::uint32_t>(n + 1); }, n});
        faults.push_back({"entry " + std::to_string(n) + " not allocated", [](FakeHost&) {}, n, n});
        faults.push_back({"record " + std::to_string(n) + " overflows",
                          [n](FakeHost& h) {
                              // Each addend stays below the limit; their sum reaches 10^18.
                              h.cursor.records[n + 1].debit0[3] = 900'000'000'000'000'000;
                              h.cursor.records[n + 1].debit0[4] = 100'000'000'000'000'000;
                          },
                          n});
    }
    for (const Fault& fault : faults) {
        FakeHost host;
        // The carried account comes first and gets no entry, so a failure after it would show
        // as an adjusted closing amount if the adjustment ran.
        host.cursor.records.push_back(MakeAccountRecord(99, kCarrySourceNature));
        host.cursor.records.back().debit0[0] = 5;
        host.cursor.records.back().status = 1;
        for (int i = 0; i < kRecords; ++i) {
            host.cursor.records.push_back(MakeAccountRecord(i, kCarryTargetNature));
        }
        fault.arrange(host);
        CAccountSumList list;
        FailingAllocationAggregator aggregator(fault.allocationFailAt);
        aggregator.m_pAccountSums = &list;

        EXPECT_FALSE(aggregator.Aggregate(0, Query(3, 4), MakeDataSetInfo("DATA0001", 1)))
            << fault.name;
        EXPECT_EQ(list.GetCount(), static_cast<std::size_t>(fault.failAt)) << fault.name;
        bool adjusted = false;
        list.ForEach(
            [&](const AccountSumEntry& e) { adjusted = adjusted || e.closingAmount != 0; });
        EXPECT_FALSE(adjusted) << fault.name;
        EXPECT_TRUE(host.cursor.calls.empty() || host.cursor.calls.back() != "MoveFinish")
            << fault.name;
        // A cursor left from a failed walk lives until the aggregator goes.
        EXPECT_EQ(aggregator.m_pSumCursor != nullptr, fault.cursorMade) << fault.name;
        EXPECT_EQ(host.cursor.destroyed, 0) << fault.name;
    }
}

TEST(AggregateFailures, ASecondRunReusesTheCursorLeftByAFailure) {
    FakeHost host;
    host.cursor.records = {MakeAccountRecord(1, kIncome)};
    host.cursor.getSumCountResult = 1;
    CAccountSumList list;
    CAccountAggregator aggregator;
    aggregator.m_pAccountSums = &list;
    ASSERT_FALSE(aggregator.Aggregate(0, Query(1, 1), MakeDataSetInfo("DATA0001", 1)));
    host.cursor.getSumCountResult = 0;
    ASSERT_TRUE(aggregator.Aggregate(0, Query(1, 1), MakeDataSetInfo("DATA0001", 1)));
    EXPECT_EQ(host.cursor.created, 1);
    EXPECT_EQ(std::count(host.cursor.calls.begin(), host.cursor.calls.end(), "AttachSetMgr"), 1);
    EXPECT_EQ(list.GetCount(), 1u);
}

}  // namespace
}  // namespace ferrolin
