// The statement of changes in net assets: columns, the reserve split by name, truncation of each
// entry before summing, the net income item, and the failure when net income is missing.

#include <gtest/gtest.h>

#include <limits>

#include "ReportFixture.h"
#include "support/Bytes.h"

namespace ferrolin::test {
namespace {

using Lines = std::vector<std::string>;

EntrySpec Equity(const char* name, std::uint32_t nature, std::int64_t opening, std::int64_t change,
                 std::int64_t closing, std::int16_t status = 0) {
    return {0, name, "", opening, change, closing, nature, status};
}

class EquityStatementTest : public ReportTest {
protected:
    Lines Statement(std::int16_t kind = 1) {
        CReportWriter writer = MakeWriter();
        writer.SetEquityKind(kind);
        m_lines = Utf8Lines(Write(writer, SampleDataSet(false)));
        return Subtree(m_lines, "StatementChangesNetAssets");
    }
    Lines m_lines;
};

TEST_F(EquityStatementTest, NoNetAssetAmountsLeaveOnlySelect) {
    AppendAll(m_accounts,
              {
                  Equity("資本金", 0x80288000, 0, 0, 0),
                  Equity("自己株式", 0x80280800, Yen(5), Yen(5), Yen(5), 2),  // not listed
                  Equity("繰越利益剰余金", 0x80281048, 0, 0, 0),
                  Equity("当期純利益", 0x40200040, 0, Yen(9), Yen(9), 2),
              });
    EXPECT_EQ(Statement(2), (Lines{"\t\t<StatementChangesNetAssets>", "\t\t\t<Select>2</Select>",
                                   "\t\t</StatementChangesNetAssets>"}));
    EXPECT_TRUE(m_written);
}

// Two entries of 0.9999 yen each add up to 0 yen, not 1.
TEST_F(EquityStatementTest, EachEntryIsCutToWholeYenBeforeItIsAdded) {
    AppendAll(m_accounts,
              {
                  Equity("資本金", 0x80288000, 9999, 9999, 9999),
                  Equity("新株式申込証拠金", 0x80288040, 9999, 9999, 9999),
                  Equity("資本金減少差益", 0x80288020, Yen(2, 9999), Yen(-1, 9999), Yen(1)),
                  Equity("資本準備金", 0x80282080, Yen(-3, 5000), 0, -9999),
              });
    EXPECT_EQ(Statement(),
              (Lines{
                  "\t\t<StatementChangesNetAssets>",
                  "\t\t\t<Select>1</Select>",
                  "\t\t\t<ChangesNetAssetsItem>",
                  "\t\t\t\t<AccountList>資本金</AccountList>",
                  "\t\t\t\t<BalanceEndPreviousPeriod>2</BalanceEndPreviousPeriod>",
                  "\t\t\t\t<ChangesItemsDuringPeriod>",
                  "\t\t\t\t\t<TotalChangesItemsDuringPeriod>-1</TotalChangesItemsDuringPeriod>",
                  "\t\t\t\t</ChangesItemsDuringPeriod>",
                  "\t\t\t\t<BalanceEndCurrentPeriod>1</BalanceEndCurrentPeriod>",
                  "\t\t\t</ChangesNetAssetsItem>",
                  "\t\t\t<ChangesNetAssetsItem>",
                  "\t\t\t\t<AccountList>資本準備金</AccountList>",
                  "\t\t\t\t<BalanceEndPreviousPeriod>-3</BalanceEndPreviousPeriod>",
                  "\t\t\t</ChangesNetAssetsItem>",
                  "\t\t</StatementChangesNetAssets>",
              }));
}

// The two reserve columns share one nature: a cleaned name holding 別途積立金 goes to the
// separate reserve, any other to voluntary reserves.
TEST_F(EquityStatementTest, SeparateReserveIsToldByItsCleanedName) {
    AppendAll(m_accounts, {
                              Equity("別途積立金", 0x80281040, Yen(100), 0, Yen(100)),
                              Equity("任意積立金", 0x80281040, Yen(7), 0, Yen(7)),
                              Equity("【第二】別途　積立金", 0x80281040, Yen(20), 0, Yen(20)),
                              Equity("別途積立", 0x80281040, Yen(3), 0, Yen(3)),
                          });
    const Lines statement = Statement();
    EXPECT_EQ(Lines(statement.begin() + 2, statement.end() - 1),
              (Lines{
                  "\t\t\t<ChangesNetAssetsItem>",
                  "\t\t\t\t<AccountList>別途積立金</AccountList>",
                  "\t\t\t\t<BalanceEndPreviousPeriod>120</BalanceEndPreviousPeriod>",
                  "\t\t\t\t<BalanceEndCurrentPeriod>120</BalanceEndCurrentPeriod>",
                  "\t\t\t</ChangesNetAssetsItem>",
                  "\t\t\t<ChangesNetAssetsItem>",
                  "\t\t\t\t<AccountList>任意積立金</AccountList>",
                  "\t\t\t\t<BalanceEndPreviousPeriod>10</BalanceEndPreviousPeriod>",
                  "\t\t\t\t<BalanceEndCurrentPeriod>10</BalanceEndCurrentPeriod>",
                  "\t\t\t</ChangesNetAssetsItem>",
              }));
}

TEST_F(EquityStatementTest, NetIncomeIsAChangeOfRetainedEarningsEvenWithoutOtherChanges) {
    AppendAll(m_accounts, {
                              Equity("繰越利益剰余金", 0x80281048, Yen(500), 0, Yen(500)),
                              Equity("当期純利益", 0x40200040, 0, Yen(-40, 5000), Yen(-40), 2),
                          });
    const Lines statement = Statement();
    EXPECT_EQ(Lines(statement.begin() + 2, statement.end() - 1),
              (Lines{
                  "\t\t\t<ChangesNetAssetsItem>",
                  "\t\t\t\t<AccountList>繰越利益剰余金</AccountList>",
                  "\t\t\t\t<BalanceEndPreviousPeriod>500</BalanceEndPreviousPeriod>",
                  "\t\t\t\t<ChangesItemsDuringPeriod>",
                  "\t\t\t\t\t<TotalChangesItemsDuringPeriod>0</TotalChangesItemsDuringPeriod>",
                  "\t\t\t\t\t<ChangesItem>",
                  "\t\t\t\t\t\t<Reason>当期純利益</Reason>",
                  "\t\t\t\t\t\t<Amount>-40</Amount>",
                  "\t\t\t\t\t</ChangesItem>",
                  "\t\t\t\t</ChangesItemsDuringPeriod>",
                  "\t\t\t\t<BalanceEndCurrentPeriod>500</BalanceEndCurrentPeriod>",
                  "\t\t\t</ChangesNetAssetsItem>",
              }));
}

// Without a net income account the statement cannot be completed: the columns before retained
// earnings stay, the document is closed with its REPORT end tag, and the report has failed.
TEST_F(EquityStatementTest, MissingNetIncomeFailsTheReportAfterTheColumnsBeforeIt) {
    AppendAll(m_accounts, {
                              Equity("利益準備金", 0x80281080, Yen(1), 0, Yen(1)),
                              Equity("繰越利益剰余金", 0x80281048, 0, 0, Yen(1)),
                          });
    Statement();
    EXPECT_FALSE(m_written);
    ASSERT_GE(m_lines.size(), 8u);
    EXPECT_EQ(Lines(m_lines.end() - 8, m_lines.end()),
              (Lines{
                  "\t\t<StatementChangesNetAssets>",
                  "\t\t\t<Select>1</Select>",
                  "\t\t\t<ChangesNetAssetsItem>",
                  "\t\t\t\t<AccountList>利益準備金</AccountList>",
                  "\t\t\t\t<BalanceEndPreviousPeriod>1</BalanceEndPreviousPeriod>",
                  "\t\t\t\t<BalanceEndCurrentPeriod>1</BalanceEndCurrentPeriod>",
                  "\t\t\t</ChangesNetAssetsItem>",
                  "</REPORT>",
              }));
}

// A column whose yen sum would leave the 64-bit range fails the report instead of writing a
// wrapped number.
TEST_F(EquityStatementTest, AColumnSumBeyondSixtyFourBitsFailsTheReport) {
    const std::int64_t largest = std::numeric_limits<std::int64_t>::max();
    Append(m_accounts,
           Equity("資本金", 0x80288000, 0, 0, largest));  // 10,001 times the largest yen
    for (int i = 0; i < 10000; ++i) Append(m_accounts, Equity("資本金", 0x80288040, 0, 0, largest));
    Statement();
    EXPECT_FALSE(m_written);
    EXPECT_EQ(Lines(m_lines.end() - 3, m_lines.end()),
              (Lines{"\t\t<StatementChangesNetAssets>", "\t\t\t<Select>1</Select>", "</REPORT>"}));
}

TEST_F(EquityStatementTest, RetainedEarningsOfZeroNeedNoNetIncomeAccount) {
    AppendAll(m_accounts, {Equity("繰越利益剰余金", 0x80281048, 0, 0, 0)});
    Statement();
    EXPECT_TRUE(m_written);
}

}  // namespace
}  // namespace ferrolin::test
