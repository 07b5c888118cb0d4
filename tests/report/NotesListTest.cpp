// The notes list: which rows are shown, how a hidden row's shown descendants are written, and the
// Line elements of a block.

#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "support/Bytes.h"

namespace ferrolin::test {
namespace {

using Lines = std::vector<std::string>;

class NotesListTest : public ReportTest {
protected:
    NotesListTest() { m_notesAvailable = true; }

    void Block(int id, const char* disp, std::vector<std::string> rest) {
        for (const std::string& line : Lines{"<ID>" + std::to_string(id), "", "", disp})
            m_notes.push_back(Sjis(line));
        for (const std::string& line : rest) m_notes.push_back(Sjis(line));
    }
    Lines Notes() {
        CReportWriter writer = MakeWriter();
        const Lines lines = Utf8Lines(Write(writer, SampleDataSet(false)));
        EXPECT_TRUE(m_written);
        return Subtree(lines, "ListNotesNonConsolidated");
    }
};

TEST_F(NotesListTest, EveryGroupFlagZeroLeavesTheListEmpty) {
    Block(1000010, "<Disp>1", {"<Value>", "<Line>x"});
    Block(1170010, "<Disp>1", {"<Value>", "<Line>y"});
    EXPECT_EQ(Notes(),
              (Lines{"\t\t<ListNotesNonConsolidated>", "\t\t</ListNotesNonConsolidated>"}));
}

// Row 62 (level 3) hidden; 63 and 111 (level 4) shown, 64 (level 5, under 63) hidden with its
// child 65 (level 6) shown.
TEST_F(NotesListTest, ShownRowsBelowHiddenOnesAreWrittenAtTheirOwnLevels) {
    m_noteFlags[4] = 1;
    Block(1080010, "<Disp>0", {"<Value>", "<Line>hidden"});
    Block(1080020, "<Disp>1", {"<Value>"});
    Block(1080030, "<Disp>2", {"<Value>", "<Line>hidden"});
    Block(1080040, "<Disp>1", {"<Value>", "<Line>普通株式"});
    Block(1080500, "<Disp>1", {"<Value>", "<Line>配当"});
    EXPECT_EQ(Notes(), (Lines{
                           "\t\t<ListNotesNonConsolidated>",
                           "\t\t\t\t<MattersTypesTotalNumberSharesIssued>",
                           "\t\t\t\t\t\t<IssuanceNewOrdinaryShares>",
                           "\t\t\t\t\t\t\t<Line>普通株式</Line>",
                           "\t\t\t\t\t\t</IssuanceNewOrdinaryShares>",
                           "\t\t\t\t</MattersTypesTotalNumberSharesIssued>",
                           "\t\t\t\t<MattersDividends>",
                           "\t\t\t\t\t<Line>配当</Line>",
                           "\t\t\t\t</MattersDividends>",
                           "\t\t</ListNotesNonConsolidated>",
                       }));
}

TEST_F(NotesListTest, LinesLoseEveryLineEndMarkerAreEscapedAndStopAtTheFirstUnmarkedLine) {
    m_noteFlags[9] = 1;
    Block(1150010, "<Disp>1",
          {"<Value>", "<Line>a</Line>b</Line>", "  <Line><Line>&'\"", "<Line>", "",
           "<Line>after the gap"});
    EXPECT_EQ(Notes(), (Lines{
                           "\t\t<ListNotesNonConsolidated>",
                           "\t\t\t<NotesMaterialSubsequentEvents>",
                           "\t\t\t\t<Line>ab</Line>",
                           "\t\t\t\t<Line>&lt;Line&gt;&amp;&apos;&quot;</Line>",
                           "\t\t\t\t<Line></Line>",
                           "\t\t\t</NotesMaterialSubsequentEvents>",
                           "\t\t</ListNotesNonConsolidated>",
                       }));
}

// A note line is written whole however long it is.
TEST_F(NotesListTest, ALongLineIsWrittenWhole) {
    m_noteFlags[0] = 1;
    const std::string text(600, 'w');
    Block(1000010, "<Disp>1", {"<Value>", "<Line>" + text + "</Line>"});
    EXPECT_EQ(Notes()[2], "\t\t\t\t<Line>" + text + "</Line>");
}

TEST_F(NotesListTest, ABlockWithoutItsDispOrValueLinesShowsNothingOrNoLines) {
    m_noteFlags[8] = 1;
    m_notes = {Sjis("<ID>1140010"), "", Sjis("<Disp>1")};  // Disp one line early, list too short
    Block(1140020, "<Disp>1", {});                         // shown, but the list ends there
    EXPECT_EQ(Notes(), (Lines{
                           "\t\t<ListNotesNonConsolidated>",
                           "\t\t\t\t<NetAssetsPerShare>",
                           "\t\t\t\t</NetAssetsPerShare>",
                           "\t\t</ListNotesNonConsolidated>",
                       }));
}

}  // namespace
}  // namespace ferrolin::test
