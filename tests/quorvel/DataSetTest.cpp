// Users, data sets, the selection and the tax settings.

#include <gtest/gtest.h>

#include <cstring>

#include "StoreFixture.h"
#include "quorvel/engine/hostcore/StandInDataSetTable.h"
#include "quorvel/engine/hostcore/StandInTaxSettings.h"
#include "quorvel/engine/hostcore/StandInUserSession.h"
#include "quorvel/engine/store/EngineHandles.h"
#include "quorvel/engine/store/EngineStatus.h"
#include "support/Bytes.h"

namespace quorvel {
namespace {

using ferrolin::DataSetInfo;
using ferrolin::test::Hex;
using ferrolin::test::Sjis;
using test::StoreFixture;

// Two data sets share data_no 7; walk_order puts 'B2' first although it was inserted second.
constexpr const char* kTwoDataSets = R"sql(
INSERT INTO host_setting VALUES ('current_user', '佐藤');
INSERT INTO user_selection VALUES ('佐藤', 1, 7), ('USER01', 1, 9);
INSERT INTO data_set (walk_order, data_id, data_no, company_name, period_start, period_end,
  manufacturing_cost_flag, period15_flag, intro_month, company_law_flag)
  VALUES (20, 'A1', 7, '株式会社あ', 20240401, 20250331, 1, 0, 4, 1),
         (10, 'B2', 7, X'8ABF8EAE89EF8ED0FF', 20230101, 20231231, 0, 1, 99, 0);
)sql";

std::vector<DataSetInfo> WalkAll(StandInDataSetTable& table) {
    ferrolin::HostDatCursor cursor = 0;
    EXPECT_EQ(table.GetDatCursor(&cursor), 0);
    EXPECT_EQ(table.ReadyDat(cursor, 0), 0);
    std::vector<DataSetInfo> walked;
    DataSetInfo info;
    while (table.WalkDat(&info, cursor) == 0) walked.push_back(info);
    EXPECT_EQ(table.ReleaseDatCursor(cursor), 0);
    return walked;
}

std::string Bytes(const DataSetInfo& info) {
    return std::string(reinterpret_cast<const char*>(&info), sizeof info);
}

TEST(StandInDataSetTable, WalkDeliversWholeRecordsInWalkOrder) {
    StoreFixture fixture(kTwoDataSets);
    HostStore store;
    StandInDataSetTable table(store);
    const auto walked = WalkAll(table);
    ASSERT_EQ(walked.size(), 2u);

    DataSetInfo b2;
    std::memset(&b2, 0, sizeof b2);
    std::memcpy(b2.dataId, "B2", 2);
    b2.dataNo = 7;
    // A BLOB name is handed out byte for byte, even the invalid FF.
    std::memcpy(b2.companyName, "\x8A\xBF\x8E\xAE\x89\xEF\x8E\xD0\xFF", 9);
    b2.periodStart = 20230101;
    b2.periodEnd = 20231231;
    b2.period15Flag = 1;
    b2.introMonth = 99;
    EXPECT_EQ(Hex(Bytes(walked[0])), Hex(Bytes(b2)));

    DataSetInfo a1;
    std::memset(&a1, 0, sizeof a1);
    std::memcpy(a1.dataId, "A1", 2);
    a1.dataNo = 7;
    const std::string name = Sjis("株式会社あ");
    std::memcpy(a1.companyName, name.data(), name.size());
    a1.periodStart = 20240401;
    a1.periodEnd = 20250331;
    a1.manufacturingCostFlag = 1;
    a1.introMonth = 4;
    a1.companyLawFlag = 1;
    EXPECT_EQ(Hex(Bytes(walked[1])), Hex(Bytes(a1)));
}

TEST(StandInDataSetTable, SelectionFollowsTheCurrentUser) {
    StoreFixture fixture(kTwoDataSets);
    HostStore store;
    StandInUserSession session(store);
    char user[ferrolin::kUserIdSize] = {};
    ASSERT_EQ(session.GetCurUserID(user), 0);
    EXPECT_EQ(std::string(user), Sjis("佐藤"));
    std::int32_t no1 = 0, no2 = 0;
    ASSERT_EQ(session.GetSelectedNo(user, &no1, &no2), 0);
    EXPECT_EQ(no2, 7);

    StandInDataSetTable table(store);
    const DataSetInfo* selected = table.GetSelectedInfo();
    ASSERT_NE(selected, nullptr);
    EXPECT_STREQ(selected->dataId, "B2");  // the first of data_no 7 in walk order

    // USER01 selects data_no 9, which no data set has.
    fixture.Exec("UPDATE host_setting SET value = 'USER01' WHERE key = 'current_user';");
    EXPECT_EQ(table.GetSelectedInfo(), nullptr);
    fixture.Exec("DELETE FROM user_selection;");
    std::int32_t untouched = -5;
    EXPECT_EQ(session.GetSelectedNo("USER01", &untouched, &untouched), kEngineNotFound);
    EXPECT_EQ(untouched, -5);
    EXPECT_EQ(table.GetSelectedInfo(), nullptr);
}

TEST(StandInDataSetTable, UserIdDefaultsAndIsCutAtAWholeCharacter) {
    StoreFixture fixture;
    HostStore store;
    StandInUserSession session(store);
    char user[ferrolin::kUserIdSize] = {};
    ASSERT_EQ(session.GetCurUserID(user), 0);
    EXPECT_STREQ(user, "USER01");

    // 63 ASCII bytes and then a double-byte character: it would end at byte 65, so it goes.
    const std::string id = std::string(63, 'u') + "表";
    fixture.Exec("INSERT INTO host_setting VALUES ('current_user', '" + id + "');");
    char cut[ferrolin::kUserIdSize];
    std::memset(cut, 'X', sizeof cut);
    ASSERT_EQ(session.GetCurUserID(cut), 0);
    EXPECT_EQ(std::string(cut), std::string(63, 'u'));
}

TEST(StandInDataSetTable, NamesAreCutAndOverlongIdsRefused) {
    // 130 double-byte characters (260 bytes) leave 129 of them in the 259-byte field.
    std::string longName;
    for (int i = 0; i < 130; ++i) longName += "営";
    StoreFixture fixture(
        "INSERT INTO data_set (walk_order, data_id, data_no, company_name, "
        "period_start, period_end) VALUES (1, 'OK', 1, '" +
        longName +
        "', 20240101, 20241231), (2, '0123456789abcdef', 2, 'x', 20240101, "
        "20241231), (3, 'LATER', 3, 'y', 20240101, 20241231);");
    HostStore store;
    StandInDataSetTable table(store);
    ferrolin::HostDatCursor cursor = 0;
    ASSERT_EQ(table.GetDatCursor(&cursor), 0);
    ASSERT_EQ(table.ReadyDat(cursor, 0), 0);
    DataSetInfo info;
    ASSERT_EQ(table.WalkDat(&info, cursor), 0);
    EXPECT_EQ(std::strlen(info.companyName), 258u);
    EXPECT_EQ(std::string(info.companyName), Sjis(longName.substr(0, 129 * 3)));
    // The 16-byte ID cannot be handed out whole: the walk stops there and says why.
    EXPECT_EQ(table.WalkDat(&info, cursor), kEngineBadData);
    EXPECT_NE(table.WalkDat(&info, cursor), 0);
}

TEST(StandInDataSetTable, CursorsMustBeMadeAndReady) {
    StoreFixture fixture(kTwoDataSets);
    HostStore store;
    StandInDataSetTable table(store);
    DataSetInfo info;
    EXPECT_NE(table.WalkDat(&info, 12345), 0);
    EXPECT_NE(table.ReadyDat(12345, 0), 0);
    ferrolin::HostDatCursor cursor = 0;
    ASSERT_EQ(table.GetDatCursor(&cursor), 0);
    EXPECT_NE(table.WalkDat(&info, cursor), 0);  // not ready yet
    EXPECT_EQ(table.ReleaseDatCursor(cursor), 0);
    EXPECT_NE(table.ReleaseDatCursor(cursor), 0);
    // Two walks at once do not disturb each other.
    EXPECT_EQ(WalkAll(table).size(), 2u);
}

TEST(StandInTaxSettings, ReadsTheAmountBasisOrFails) {
    StoreFixture fixture(R"sql(
INSERT INTO data_set (walk_order, data_id, data_no, company_name, period_start, period_end,
  tax_settings_readable, amount_basis_flag)
  VALUES (1, 'GROSS', 1, 'a', 20240101, 20241231, 1, 1),
         (2, 'NET', 2, 'b', 20240101, 20241231, 1, 0),
         (3, 'BROKEN', 3, 'c', 20240101, 20241231, 0, 1);
)sql");
    HostStore store;
    struct Case {
        const char* dataId;
        std::int32_t status;
        std::uint8_t flag;
    };
    const Case cases[] = {{"GROSS", 0, 1},
                          {"NET", 0, 0},
                          {"BROKEN", kEngineUnreadable, 0xEE},
                          {"NONE", kEngineNotFound, 0xEE}};
    for (const Case& c : cases) {
        StandInTaxSettings tax(store);
        ASSERT_EQ(tax.AttachSetMgr(EngineSetMgr()), 0);
        ASSERT_EQ(tax.SetCurDataID(c.dataId), 0);
        ferrolin::TaxSettingsInfo info;
        std::memset(&info, 0xEE, sizeof info);
        EXPECT_EQ(tax.Get(&info), c.status) << c.dataId;
        EXPECT_EQ(info.amountBasisFlag, c.flag) << c.dataId;
        if (c.status == 0) {
            EXPECT_EQ(info.reserved0[0] | info.reserved6[5], 0) << "unnamed bytes are zero";
        }
    }
    StandInTaxSettings unbound(store);
    ferrolin::TaxSettingsInfo info{};
    EXPECT_EQ(unbound.Get(&info), kEngineNotBound);
    EXPECT_NE(unbound.AttachSetMgr(nullptr), 0);
}

}  // namespace
}  // namespace quorvel
