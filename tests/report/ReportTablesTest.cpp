// The report's tables and fixed texts: sizes, a few rows by their values, the shape rules the
// writers rely on, and the code page 932 bytes of the texts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/EquityColumnTable.h"
#include "report/NameRemovalTable.h"
#include "report/NoteElementTable.h"
#include "report/ReportTexts.h"
#include "report/StatementTrees.h"
#include "support/Bytes.h"

namespace ferrolin::test {
namespace {

TEST(ReportTablesTest, NoteElementTableRowsAndEndRow) {
    ASSERT_EQ(NoteElementTable.size(), 178u);
    struct Row {
        std::size_t index;
        int group;
        int id;
        int level;
        const char* element;
    };
    const Row rows[] = {
        {0, 0, 1000010, 3, "NotesGoingConcernAssumption"},
        {66, 4, 1080050, 7, "NumberSharesIssuanceNewOrdinaryShares-P"},
        {133, 4, 1080720, 8, "TypeStocksCashDividendAfterPeriod"},
        {173, 9, 1150010, 3, "NotesMaterialSubsequentEvents"},
        {176, 10, 1170030, 4, "ItemDescriptionOtherNotes"},
        {177, 0, 0, 0, ""},
    };
    for (const Row& row : rows) {
        const NoteElement& note = NoteElementTable[row.index];
        EXPECT_EQ(note.group, row.group) << row.index;
        EXPECT_EQ(note.id, row.id) << row.index;
        EXPECT_EQ(note.level, row.level) << row.index;
        EXPECT_STREQ(note.element, row.element) << row.index;
    }
}

// The subtree walk needs levels that grow by at most one, level-3 rows that open a new group,
// and groups that stay inside the 50 display flags.
TEST(ReportTablesTest, NoteElementTableNestsAndGroupsAsTheWalkExpects) {
    int previousLevel = 2;
    int previousGroup = -1;
    for (std::size_t i = 0; i < kNoteElementRows; ++i) {
        const NoteElement& note = NoteElementTable[i];
        SCOPED_TRACE(i);
        EXPECT_GE(note.level, 3);
        EXPECT_LE(note.level, previousLevel + 1);
        EXPECT_GT(note.id, 0);
        const int expectedGroup = note.level == 3 ? previousGroup + 1 : previousGroup;
        EXPECT_EQ(note.group, expectedGroup);
        previousLevel = note.level;
        previousGroup = note.group;
    }
    EXPECT_EQ(previousGroup, 10);
}

TEST(ReportTablesTest, NameRemovalStringsByTheirBytes) {
    const std::vector<std::string> expected = {
        "20",    "81 40", "81 79", "81 7A", "81 73",       "81 74",
        "81 69", "81 6A", "81 6D", "81 6E", "28 90 BB 29",
    };
    ASSERT_EQ(NameRemovalTable.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(Hex(NameRemovalTable[i]), expected[i]) << i;
}

TEST(ReportTablesTest, EquityColumnSourcesCoverTheTwelveColumnsInOrder) {
    ASSERT_EQ(EquityColumnTable.size(), 14u);
    EXPECT_EQ(EquityColumnTable[0].natureCode, 0x80288000u);
    EXPECT_EQ(EquityColumnTable[2].natureCode, 0x80288020u);
    EXPECT_EQ(EquityColumnTable[6].column, kSeparateReserveColumn);
    EXPECT_EQ(EquityColumnTable[7].column, kVoluntaryReserveColumn);
    EXPECT_EQ(EquityColumnTable[6].natureCode, EquityColumnTable[7].natureCode);
    EXPECT_EQ(EquityColumnTable[8].natureCode, 0x80281048u);
    EXPECT_EQ(EquityColumnTable[13].column, 11);
    EXPECT_EQ(EquityColumnTable[13].natureCode, 0x80220000u);
    int previous = 0;
    for (const EquityColumnSource& source : EquityColumnTable) {
        EXPECT_TRUE(source.column == previous || source.column == previous + 1);
        previous = source.column;
    }
    ASSERT_EQ(kEquityColumnTexts.size(), 12u);
}

// Every start tag of a statement tree is closed in order, and every section and total carries
// a nature code.
TEST(ReportTablesTest, StatementTreesAreBalancedAndSized) {
    struct Tree {
        std::span<const StatementRow> rows;
        std::size_t size;
    };
    const Tree trees[] = {
        {BalanceSheetTree(), 35}, {IncomeStatementTree(), 31}, {CostOfGoodsManufacturedTree(), 20}};
    for (const Tree& tree : trees) {
        ASSERT_EQ(tree.rows.size(), tree.size);
        std::vector<const StatementRow*> open;
        for (const StatementRow& row : tree.rows) {
            SCOPED_TRACE(row.element);
            switch (row.kind) {
                case RowKind::Start:
                    EXPECT_EQ(row.level, 2 + static_cast<int>(open.size()));
                    open.push_back(&row);
                    break;
                case RowKind::End:
                    ASSERT_FALSE(open.empty());
                    EXPECT_STREQ(open.back()->element, row.element);
                    EXPECT_EQ(open.back()->level, row.level);
                    open.pop_back();
                    break;
                case RowKind::Total:
                    EXPECT_NE(row.code, 0u);
                    EXPECT_EQ(row.level, 2 + static_cast<int>(open.size()));
                    break;
                default:
                    EXPECT_EQ(row.level, 2 + static_cast<int>(open.size()));
                    if (row.kind == RowKind::Items) {
                        EXPECT_EQ(row.code, open.back()->code);
                    }
                    break;
            }
        }
        EXPECT_TRUE(open.empty());
    }
    EXPECT_EQ(IncomeStatementTree()[29].code, 0x40200040u);          // NetIncome
    EXPECT_EQ(CostOfGoodsManufacturedTree()[18].code, 0x40884200u);  // CostFinishedGoods
}

TEST(ReportTablesTest, FixedTextsInCodePage932) {
    struct Case {
        const FixedText& text;
        const char* hex;
    };
    const Case cases[] = {
        {kNetIncomeReason, "93 96 8A FA 8F 83 97 98 89 76"},
        {kSeparateReserveName, "95 CA 93 72 90 CF 97 A7 8B E0"},
        {kMessageCaption, "8C 88 8E 5A 8F 91"},
        {kEquityColumnTexts[0], "8E 91 96 7B 8B E0"},
        {kEquityColumnTexts[11], "90 56 8A 94 97 5C 96 F1 8C A0"},
        {kConnectedProgramVersion, "32 30 2E 30 30 2E 30 30"},
        {kMisclassificationBeforeName, "0D 0A 90 B3 8E AE 96 BC 8F CC 09 81 46 20"},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(c.text.Cp932()), c.hex) << c.text.Utf8();
}

}  // namespace
}  // namespace ferrolin::test
