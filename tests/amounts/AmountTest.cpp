#include <gtest/gtest.h>

#include <limits>

#include "aggregation/amounts/AccountSumList.h"
#include "aggregation/amounts/Amount.h"

namespace ferrolin {
namespace {

constexpr std::int64_t kLimit = 1'000'000'000'000'000'000;  // 10^18

void ExpectParts(const CAmount& a, int sign, std::int64_t whole, std::int32_t fraction) {
    EXPECT_EQ(a.m_sign, sign);
    EXPECT_EQ(a.m_whole, whole);
    EXPECT_EQ(a.m_fraction, fraction);
}

TEST(Amount, NormalisesToSignMagnitude) {
    ExpectParts(CAmount(-12345678), -1, 1234, 5678);
    ExpectParts(CAmount(-1), -1, 0, 1);
    ExpectParts(CAmount(), 1, 0, 0);
    ExpectParts(CAmount(5) + CAmount(-5), 1, 0, 0);
    ExpectParts(CAmount(0) - CAmount(0), 1, 0, 0);
    ExpectParts(CAmount(3) - CAmount(10), -1, 0, 7);
    const std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(CAmount(lowest).ToScaled(), lowest);
    EXPECT_EQ(CAmount(-1).ToScaled(), -1);
}

TEST(Amount, EveryOperationIsTheIntegerSumOrDifference) {
    const std::int64_t values[] = {0, 1, -1, 9999, -10000, 123456789, -987654321012};
    for (std::int64_t a : values) {
        for (std::int64_t b : values) {
            EXPECT_EQ((CAmount(a) + CAmount(b)).ToScaled(), a + b);
            EXPECT_EQ((CAmount(a) - CAmount(b)).ToScaled(), a - b);
            EXPECT_EQ((a + CAmount(b)).ToScaled(), a + b);
            CAmount sum(a);
            sum += CAmount(b);
            EXPECT_EQ(sum.ToScaled(), a + b);
        }
    }
}

TEST(Amount, OnlyTheSumOperatorRaisesTheOverflow) {
    EXPECT_NO_THROW(CAmount(kLimit - 2) + CAmount(1));
    EXPECT_EQ((CAmount(kLimit - 2) + CAmount(1)).ToScaled(), kLimit - 1);
    try {
        (void)(CAmount(kLimit - 1) + CAmount(1));
        FAIL() << "a sum of 10^18 must raise";
    } catch (const CAmountOverflow& overflow) {
        EXPECT_EQ(overflow.payload, -1);
    }
    EXPECT_THROW((void)(CAmount(-kLimit + 1) + CAmount(-1)), CAmountOverflow);
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    EXPECT_THROW((void)(CAmount(top) + CAmount(top)), CAmountOverflow);  // beyond 64 bits too

    CAmount unchecked(kLimit - 1);
    EXPECT_NO_THROW(unchecked += CAmount(1));
    EXPECT_NO_THROW((void)(CAmount(kLimit) - CAmount(-1)));
    EXPECT_NO_THROW((void)(kLimit + CAmount(1)));
}

TEST(AccountSumList, KeepsAppendOrderAndFreesEverything) {
    CAccountSumList list;
    list.FreeAll();  // an empty list frees nothing
    for (int code : {30, 10, 20}) {
        auto entry = std::make_unique<AccountSumEntry>();
        entry->accountCode = code;
        list.Append(std::move(entry));
    }
    list.Append(nullptr);  // never an empty element
    std::vector<int> codes;
    list.ForEach([&](const AccountSumEntry& e) { codes.push_back(e.accountCode); });
    EXPECT_EQ(codes, (std::vector<int>{30, 10, 20}));
    list.FreeAll();
    EXPECT_TRUE(list.IsEmpty());
}

}  // namespace
}  // namespace ferrolin
