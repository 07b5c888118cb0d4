// The account-sum cursor: whole records in seq order, counts, positioning and store faults.

#include <gtest/gtest.h>

#include <cstring>

#include "StoreFixture.h"
#include "quorvel/engine/hostcore/StandInAccountSumCursor.h"
#include "quorvel/engine/store/EngineHandles.h"
#include "quorvel/engine/store/EngineStatus.h"
#include "support/Bytes.h"

namespace quorvel {
namespace {

using ferrolin::AccountSumRecord;
using ferrolin::kHostEndOfData;
using ferrolin::test::Hex;
using ferrolin::test::Sjis;
using test::StoreFixture;

// Inserted out of order; seq decides. 'OTHER' is another data set's account.
constexpr const char* kAccounts = R"sql(
INSERT INTO account VALUES
  ('D1', 20, 11110000, '現金', '', 0, 1, 0x80880000),
  ('D1', 10, 40110000, '売上高', '売上', 3, 2, 0x40888000),
  ('OTHER', 15, 1, 'x', '', 0, 1, 1),
  ('D1', 30, 99990000, 'O''Neil''s 口座', 'it''s', 1, 0, 0x80840004);
INSERT INTO account_amount VALUES
  ('D1', 10, 0, 0, 5, 6), ('D1', 10, 0, 14, 7, 8), ('D1', 10, 1, 13, -9, 9223372036854775807),
  ('D1', 20, 1, 0, 1000000, 0), ('D1', 25, 0, 0, 111, 111), ('OTHER', 15, 0, 0, 1, 1);
)sql";

class Cursor {
public:
    explicit Cursor(HostStore& store, const char* dataId = "D1") : cursor(store) {
        cursor.AttachSetMgr(EngineSetMgr());
        cursor.SetCurDataID(dataId);
        cursor.AttachOptLink(EngineOptLink());
        EXPECT_EQ(cursor.MoveReady(1, 0, 0, &query, nullptr, 0), 0);
    }
    StandInAccountSumCursor cursor;
    ferrolin::SumQuery query{};
};

std::string Bytes(const AccountSumRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

AccountSumRecord Zeroed() {
    AccountSumRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

TEST(StandInAccountSumCursor, DeliversWholeRecordsInSeqOrder) {
    StoreFixture fixture(kAccounts);
    HostStore store;
    Cursor c(store);
    std::uint32_t count = 0;
    ASSERT_EQ(c.cursor.GetSumCount(&count), 0);
    EXPECT_EQ(count, 3u);
    ASSERT_EQ(c.cursor.SetMovePos(0), 0);

    AccountSumRecord sales = Zeroed();
    sales.accountCode = 40110000;
    std::strcpy(sales.formalName, Sjis("売上高").c_str());
    std::strcpy(sales.secondName, Sjis("売上").c_str());
    sales.status = 3;
    sales.balanceSide = 2;
    sales.natureCode = 0x40888000;
    sales.debit0[0] = 5;
    sales.credit0[0] = 6;
    sales.debit0[14] = 7;
    sales.credit0[14] = 8;
    sales.debit1[13] = -9;
    sales.credit1[13] = INT64_MAX;

    AccountSumRecord cash = Zeroed();
    cash.accountCode = 11110000;
    std::strcpy(cash.formalName, Sjis("現金").c_str());
    cash.balanceSide = 1;
    cash.natureCode = 0x80880000;
    cash.debit1[0] = 1000000;  // seq 25 has amounts but no account: they belong to nobody

    AccountSumRecord quoted = Zeroed();
    quoted.accountCode = 99990000;
    std::strcpy(quoted.formalName, Sjis("O'Neil's 口座").c_str());
    std::strcpy(quoted.secondName, "it's");
    quoted.status = 1;
    quoted.natureCode = 0x80840004;

    for (const AccountSumRecord& expected : {sales, cash, quoted}) {
        AccountSumRecord record;
        std::memset(&record, 0xCC, sizeof record);
        ASSERT_EQ(c.cursor.MoveNext(&record), 0);
        EXPECT_EQ(Hex(Bytes(record)), Hex(Bytes(expected)));
    }
    AccountSumRecord record;
    EXPECT_EQ(c.cursor.MoveNext(&record), kHostEndOfData);
    EXPECT_EQ(c.cursor.MoveNext(&record), kHostEndOfData);
    EXPECT_EQ(c.cursor.MoveFinish(), 0);
}

TEST(StandInAccountSumCursor, SetMovePosStartsAtThatRecord) {
    StoreFixture fixture(kAccounts);
    HostStore store;
    Cursor c(store);
    AccountSumRecord record;
    ASSERT_EQ(c.cursor.SetMovePos(2), 0);
    ASSERT_EQ(c.cursor.MoveNext(&record), 0);
    EXPECT_EQ(record.accountCode, 99990000);
    ASSERT_EQ(c.cursor.SetMovePos(1), 0);
    ASSERT_EQ(c.cursor.MoveNext(&record), 0);
    EXPECT_EQ(record.accountCode, 11110000);
    EXPECT_EQ(record.debit1[0], 1000000);
    EXPECT_EQ(c.cursor.SetMovePos(3), 0);
    EXPECT_EQ(c.cursor.MoveNext(&record), kHostEndOfData);
    EXPECT_EQ(c.cursor.SetMovePos(4), kEngineBadArgument);
    EXPECT_EQ(c.cursor.SetMovePos(-1), kEngineBadArgument);
}

TEST(StandInAccountSumCursor, NamesAreCutAtWholeCharacters) {
    // Formal 1: 27 double-byte characters and "ab" fill 56 bytes; the last character goes.
    // Formal 2: "a" and 28 double-byte characters, the last of which would end at byte 57.
    // Second: 31 ASCII bytes then a double-byte character that would end at byte 33.
    std::string kanji;
    for (int i = 0; i < 27; ++i) kanji += "勘";
    const std::string second = std::string(31, 's') + "名";
    StoreFixture fixture("INSERT INTO account VALUES ('D1', 1, 1, '" + kanji + "ab定', '" + second +
                         "', 0, 1, 1), ('D1', 2, 2, 'a" + kanji + "勘', '', 0, 1, 1);");
    HostStore store;
    Cursor c(store);
    AccountSumRecord record;
    ASSERT_EQ(c.cursor.MoveNext(&record), 0);
    EXPECT_EQ(Hex(record.formalName), Hex(Sjis(kanji + "ab")));
    EXPECT_EQ(std::string(record.secondName), std::string(31, 's'));
    ASSERT_EQ(c.cursor.MoveNext(&record), 0);
    EXPECT_EQ(Hex(record.formalName), Hex(Sjis("a" + kanji)));
}

TEST(StandInAccountSumCursor, FaultsAndMissingBindings) {
    StoreFixture fixture(R"sql(
INSERT INTO account VALUES ('D1', 1, 1, 'ok', '', 0, 1, 1), ('D1', 2, 2, 'bad slot', '', 0, 1, 1),
  ('D1', 3, 3, 'caf' || char(233), '', 0, 1, 1);
INSERT INTO account_amount VALUES ('D1', 2, 0, 15, 1, 1);
)sql");
    HostStore store;
    {
        Cursor c(store);
        AccountSumRecord record;
        EXPECT_EQ(c.cursor.MoveNext(&record), 0);
        EXPECT_EQ(c.cursor.MoveNext(&record), kEngineBadData);  // slot 15 does not exist
        EXPECT_EQ(c.cursor.MoveNext(&record), kEngineBadData);  // é has no code page 932 form
    }
    {
        Cursor none(store, "NO SUCH");
        std::uint32_t count = 99;
        ASSERT_EQ(none.cursor.GetSumCount(&count), 0);
        EXPECT_EQ(count, 0u);
        AccountSumRecord record;
        EXPECT_EQ(none.cursor.MoveNext(&record), kHostEndOfData);
    }
    StandInAccountSumCursor unbound(store);
    unbound.AttachSetMgr(EngineSetMgr());
    unbound.SetCurDataID("D1");
    ferrolin::SumQuery query{};
    EXPECT_EQ(unbound.MoveReady(1, 0, 0, &query, nullptr, 0), kEngineNotBound);
    std::uint32_t count = 0;
    EXPECT_EQ(unbound.GetSumCount(&count), kEngineNotReady);
    unbound.AttachOptLink(EngineOptLink());
    EXPECT_EQ(unbound.MoveReady(1, 0, 0, nullptr, nullptr, 0), kEngineBadArgument);
    EXPECT_EQ(unbound.MoveReady(1, 0, 0, &query, nullptr, 0), 0);
    EXPECT_EQ(unbound.GetSumCount(&count), 0);
    EXPECT_EQ(count, 3u);
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

TEST(StandInAccountSumCursor, FindsTheDataSetWhetherItsIdIsTextOrBytes) {
    // The same ID 決算 kept as UTF-8 text in one store and as code page 932 bytes in the other.
    for (const char* id : {"'決算'", "X'8C888E5A'"}) {
        test::StoreFixture fixture(
            std::string("INSERT INTO account VALUES (") + id +
            ", 1, 7, 'a', '', 0, 1, 1); INSERT INTO account_amount VALUES (" + id +
            ", 1, 1, 12, 3, 4);");
        HostStore store;
        Cursor c(store, ferrolin::test::Sjis("決算").c_str());
        std::uint32_t count = 0;
        ASSERT_EQ(c.cursor.GetSumCount(&count), 0);
        EXPECT_EQ(count, 1u) << id;
        ferrolin::AccountSumRecord record;
        ASSERT_EQ(c.cursor.MoveNext(&record), 0) << id;
        EXPECT_EQ(record.accountCode, 7);
        EXPECT_EQ(record.credit1[12], 4);
    }
}

}  // namespace
}  // namespace quorvel
