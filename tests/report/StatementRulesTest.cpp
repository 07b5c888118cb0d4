// The rules of the three main statements that the sample report does not pin on its own:
// truncation, empty amounts, label fallback, unclassified noncurrent assets, income-tax items.

#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "support/Bytes.h"

namespace ferrolin::test {
namespace {

using Lines = std::vector<std::string>;

class StatementRulesTest : public ReportTest {
protected:
    Lines Section(std::string_view element, HWND owner = 0) {
        CReportWriter writer = MakeWriter(owner);
        const Lines lines = Utf8Lines(Write(writer, SampleDataSet(false)));
        EXPECT_TRUE(m_written);
        return Subtree(lines, element);
    }
};

TEST_F(StatementRulesTest, ItemsAreWholeYenTruncatedTowardZeroAndZeroItemsAreLeftOut) {
    AppendAll(m_accounts, {
                              Closing("a", 0x80880001, Yen(12345, 6789)),
                              Closing("b", 0x80880002, -5000),  // -0.5 yen
                              Closing("c", 0x80880004, Yen(-12345, 6789)),
                              Closing("d", 0x80880008, 9999),
                              Closing("e", 0x80880010, Yen(-1)),
                          });
    EXPECT_EQ(Section("CurrentAssets"), (Lines{
                                            "\t\t\t\t<CurrentAssets>",
                                            "\t\t\t\t\t<Item Label=\"a\">12345</Item>",
                                            "\t\t\t\t\t<Item Label=\"c\">-12345</Item>",
                                            "\t\t\t\t\t<Item Label=\"e\">-1</Item>",
                                            "\t\t\t\t</CurrentAssets>",
                                        }));
}

// Status 2 marks accounts that only label sections and totals.
TEST_F(StatementRulesTest, ZeroSectionsAndTotalsGetAnEmptyAmountAndMissingTotalsNoLine) {
    AppendAll(m_accounts, {
                              Closing("売上高", 0x40888000, 4000, 2),
                              Closing("売上総利益", 0x40880008, 0, 2, " 　"),
                              Closing("（営業）利益", 0x40880000, Yen(-7), 2, "【営業損失】"),
                          });
    const Lines lines = Section("IncomeStatement");
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 10),
              (Lines{
                  "\t\t<IncomeStatement>",
                  "\t\t\t<NetSales Label=\"売上高\" Amount=\"\">",
                  "\t\t\t</NetSales>",
                  "\t\t\t<CostOfSales>",
                  "\t\t\t</CostOfSales>",
                  "\t\t\t<GrossProfit Label=\"売上総利益\" Amount=\"\"></GrossProfit>",
                  "\t\t\t<SellingGeneralAndAdministrativeExpenses>",
                  "\t\t\t</SellingGeneralAndAdministrativeExpenses>",
                  "\t\t\t<OperatingIncome Label=\"営業損失\" Amount=\"-7\"></OperatingIncome>",
                  "\t\t\t<NonOperatingIncome>",
              }));
    for (const char* missing : {"<OrdinaryIncome", "<IncomeBeforeIncomeTaxes", "<NetIncome"}) {
        for (const std::string& line : lines)
            EXPECT_EQ(line.find(missing), std::string::npos) << line;
    }
}

TEST_F(StatementRulesTest, CleaningRemovesSpacesBracketsAndTheManufacturingMark) {
    struct Case {
        const char* name;
        const char* label;
    };
    const Case cases[] = {
        {"(製)材料費", "材料費"},
        {"（製）材料費", "製材料費"},  // full-width parentheses: only they go
        {" 【現 金】　《小口》［Ａ］", "現金小口Ａ"},
        {"材料(製)費(製)", "材料費"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CReportWriter::CleanAccountName(Sjis(c.name)), Sjis(c.label)) << c.name;
    }
}

TEST_F(StatementRulesTest, AnUnclassifiedNoncurrentAssetOfZeroIsListedNowhereAndWarnsNobody) {
    AppendAll(m_accounts, {
                              Closing("ゼロ", 0x80840004, 9999),
                              Closing("合計行", 0x80840008, Yen(10), 2),
                              Closing("本体", 0x80840000, Yen(3), 3),
                          });
    const Lines noncurrent = Section("NoncurrentAssets", /*owner=*/0x4242);
    EXPECT_EQ(noncurrent, (Lines{
                              "\t\t\t\t<NoncurrentAssets Label=\"本体\" Amount=\"3\">",
                              "\t\t\t\t\t<PropertyPlantAndEquipment>",
                              "\t\t\t\t\t\t<Item Label=\"本体\">3</Item>",
                              "\t\t\t\t\t</PropertyPlantAndEquipment>",
                              "\t\t\t\t\t<IntangibleAssets>",
                              "\t\t\t\t\t\t<Item Label=\"本体\">3</Item>",
                              "\t\t\t\t\t</IntangibleAssets>",
                              "\t\t\t\t\t<InvestmentsAndOtherAssets>",
                              "\t\t\t\t\t\t<Item Label=\"本体\">3</Item>",
                              "\t\t\t\t\t</InvestmentsAndOtherAssets>",
                              "\t\t\t\t</NoncurrentAssets>",
                          }));
    ASSERT_EQ(m_backend.MessageBoxes().size(), 1u);  // for 本体 only
    EXPECT_NE(m_backend.MessageBoxes()[0].text.find(Sjis("本体")), std::string::npos);
}

// Income before taxes and the tax adjustments belong to the income-taxes category but are never
// tax items, whatever their status; the other members are, when their status is 0 or 3.
TEST_F(StatementRulesTest, IncomeTaxItemsSkipTheTotalAndAdjustmentNatures) {
    AppendAll(m_accounts, {
                              Closing("税引前", 0x40200080, Yen(100)),
                              Closing("調整額", 0x40200020, Yen(5), 3),
                              Closing("法人税等", 0x40200010, Yen(30)),
                              Closing("法人税", 0x40200100, Yen(20), 3),
                              Closing("住民税", 0x40200200, Yen(8)),
                              Closing("事業税", 0x40200400, Yen(2), 1),
                              Closing("当期純利益", 0x40200040, Yen(70), 2),
                          });
    const Lines lines = Section("IncomeStatement");
    EXPECT_EQ(Lines(lines.end() - 7, lines.end()),
              (Lines{
                  "\t\t\t<IncomeBeforeIncomeTaxes Label=\"税引前\" "
                  "Amount=\"100\"></IncomeBeforeIncomeTaxes>",
                  "\t\t\t<IncomeTaxes>",
                  "\t\t\t\t<Item Label=\"法人税\">20</Item>",
                  "\t\t\t\t<Item Label=\"住民税\">8</Item>",
                  "\t\t\t</IncomeTaxes>",
                  "\t\t\t<NetIncome Label=\"当期純利益\" Amount=\"70\"></NetIncome>",
                  "\t\t</IncomeStatement>",
              }));
}

TEST_F(StatementRulesTest, TheFirstAccountOfANatureLabelsItsSection) {
    AppendAll(m_accounts, {
                              Closing("一番目", 0x80480000, Yen(1), 1),
                              Closing("二番目", 0x80480000, Yen(2), 2),
                          });
    EXPECT_EQ(Section("CurrentLiabilities"),
              (Lines{"\t\t\t\t<CurrentLiabilities Label=\"一番目\" Amount=\"1\">",
                     "\t\t\t\t</CurrentLiabilities>"}));
}

}  // namespace
}  // namespace ferrolin::test
