#include <gtest/gtest.h>

#include <cstring>

#include "dataset/SelectedDataSet.h"
#include "tests/support/FakeHost.h"

namespace ferrolin {
namespace {

bool IsAllZero(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

TEST(ReadSelectedDataSet, TakesTheFirstDataSetWithTheSelectionNumber) {
    FakeHost host;
    host.user.userId = "tanaka";
    host.user.selectedNo2 = 7;
    DataSetInfo first = MakeDataSetInfo("A", 7);
    first.reserved877[100] = 0x5A;  // carried along unread
    host.dataSets.records = {MakeDataSetInfo("X", 3), first, MakeDataSetInfo("B", 7)};

    HostDataSetTable* table = nullptr;
    DataSetInfo out;
    ASSERT_TRUE(ReadSelectedDataSet(table, out));
    EXPECT_EQ(std::memcmp(&out, &first, sizeof out), 0);
    EXPECT_EQ(table, &host.dataSets);
    EXPECT_EQ(host.user.userIdsAsked, std::vector<std::string>{"tanaka"});
    EXPECT_EQ(host.dataSets.readyModes, std::vector<std::int32_t>{0});
    EXPECT_EQ(host.dataSets.cursorsReleased, 1);
}

TEST(ReadSelectedDataSet, NoMatchGivesAZeroRecordAndReleasesTheCursor) {
    FakeHost host;
    host.user.selectedNo2 = 9;
    host.dataSets.records = {MakeDataSetInfo("A", 1), MakeDataSetInfo("B", 2)};
    HostDataSetTable* table = nullptr;
    DataSetInfo out = MakeDataSetInfo("stale", 9);
    EXPECT_FALSE(ReadSelectedDataSet(table, out));
    EXPECT_TRUE(IsAllZero(&out, sizeof out));
    EXPECT_EQ(host.dataSets.cursorsOpened, 1);
    EXPECT_EQ(host.dataSets.cursorsReleased, 1);
}

TEST(ReadSelectedDataSet, KeepsTheCachedTable) {
    FakeHost host;
    host.dataSets.records = {MakeDataSetInfo("A", 1)};
    HostDataSetTable* table = nullptr;
    DataSetInfo out;
    ASSERT_TRUE(ReadSelectedDataSet(table, out));
    ASSERT_TRUE(ReadSelectedDataSet(table, out));
    EXPECT_EQ(host.data.setObjectRequests.size(), 1u);
}

TEST(ReadSelectedDataSet, MissingHostObjectsFailWithAZeroRecord) {
    FakeHost host;
    host.dataSets.records = {MakeDataSetInfo("A", 1)};
    host.data.dataSetTable = nullptr;
    HostDataSetTable* table = nullptr;
    DataSetInfo out = MakeDataSetInfo("stale", 1);
    EXPECT_FALSE(ReadSelectedDataSet(table, out));
    EXPECT_TRUE(IsAllZero(&out, sizeof out));

    host.data.dataSetTable = &host.dataSets;
    host.data.userSession = nullptr;
    EXPECT_FALSE(ReadSelectedDataSet(table, out));
    EXPECT_EQ(host.dataSets.cursorsOpened, 0);
}

TEST(ReadTaxSettings, CopiesTheSettingsOfTheGivenDataSet) {
    FakeHost host;
    host.taxSettings.info.amountBasisFlag = 1;
    host.taxSettings.info.reserved6[2] = 0x33;
    DataSetInfo dataSet = MakeDataSetInfo("DATA0042", 42);
    TaxSettingsInfo out{};
    ASSERT_TRUE(ReadTaxSettings(out, dataSet));
    EXPECT_EQ(std::memcmp(&out, &host.taxSettings.info, sizeof out), 0);
    EXPECT_EQ(host.taxSettings.dataIdSet, "DATA0042");
    EXPECT_EQ(host.taxSettings.attachedSetMgr, host.setMgr);
}

TEST(ReadTaxSettings, FailureLeavesTheOutputUntouched) {
    FakeHost host;
    host.taxSettings.info.amountBasisFlag = 1;
    host.taxSettings.getResult = 3;
    TaxSettingsInfo out{};
    EXPECT_FALSE(ReadTaxSettings(out, MakeDataSetInfo("D", 1)));
    EXPECT_EQ(out.amountBasisFlag, 0);
}

TEST(ReadTaxSettings, ReadsAnIdentifierThatFillsItsField) {
    FakeHost host;
    DataSetInfo dataSet = MakeDataSetInfo("", 1);
    std::memset(dataSet.dataId, 'Q', sizeof dataSet.dataId);  // no terminator in the field
    TaxSettingsInfo out{};
    ASSERT_TRUE(ReadTaxSettings(out, dataSet));
    EXPECT_EQ(host.taxSettings.dataIdSet, std::string(16, 'Q'));
}

}  // namespace
}  // namespace ferrolin
