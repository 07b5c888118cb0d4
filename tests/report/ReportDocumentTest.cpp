// The whole report of the sample company against the hand-written expected file
// (expected/sample-report.xml: UTF-8 and LF, turned into code page 932 and CR LF by
// ExpectedSampleReport), and the document's rules: progress calls, the company name, failures.

#include <gtest/gtest.h>

#include <cstring>

#include "ReportFixture.h"
#include "platform/text/Cp932.h"
#include "platform/window/WindowServices.h"
#include "support/Bytes.h"
#include "support/FailingFile.h"

namespace ferrolin::test {
namespace {

class ReportDocumentTest : public ReportTest {
protected:
    void UseSample() {
        AppendAll(m_accounts, SampleAccounts());
        m_notes = SampleNotes();
        m_noteFlags = SampleNoteFlags();
    }
};

struct Variant {
    bool keepsManufacturingCost;
    bool notesAvailable;
};

class SampleReportTest : public ReportDocumentTest,
                         public ::testing::WithParamInterface<Variant> {};

TEST_P(SampleReportTest, MatchesTheExpectedFileByteForByte) {
    UseSample();
    m_notesAvailable = GetParam().notesAvailable;
    CReportWriter writer = MakeWriter(/*owner=*/0x4242);
    const std::string written = Write(writer, SampleDataSet(GetParam().keepsManufacturingCost));

    EXPECT_TRUE(m_written);
    const std::string expected =
        ExpectedSampleReport(GetParam().keepsManufacturingCost, GetParam().notesAvailable);
    EXPECT_EQ(Utf8Lines(written), Utf8Lines(expected));  // readable when it differs
    EXPECT_TRUE(written == expected) << "the bytes differ where the lines above do not";
}

INSTANTIATE_TEST_SUITE_P(Switches, SampleReportTest,
                         ::testing::Values(Variant{true, true}, Variant{true, false},
                                           Variant{false, true}, Variant{false, false}));

TEST_F(ReportDocumentTest, MovesTheProgressDialogFromItsBaseToTheEnd) {
    UseSample();
    CReportWriter writer = MakeWriter();
    Write(writer, SampleDataSet(true));
    ASSERT_TRUE(m_written);

    // Advance over 500-600, 600-700 and 700-1000 steps 503 times; each step and each of the
    // fourteen pulses of the document brings the dialog to the top six times.
    const WindowState& dialog = *m_progress.GetState();
    EXPECT_EQ(m_progress.m_overallBar.GetPos(), 503);
    EXPECT_EQ(dialog.topCount, 6 * (14 + 101 + 101 + 301));
    const auto captions = m_backend.CaptionsOf(dialog.hwnd);
    ASSERT_EQ(captions.size(), 11u + 11u + 31u);
    EXPECT_EQ(captions.front(), Sjis("集計中 50％"));
    EXPECT_EQ(captions[11], Sjis("集計中 60％"));
    EXPECT_EQ(captions.back(), Sjis("集計中 100％"));
}

TEST_F(ReportDocumentTest, WarnsOnceForAnUnclassifiedNoncurrentAssetWhenThereIsAnOwner) {
    UseSample();
    CReportWriter writer = MakeWriter(/*owner=*/0x4242);
    BeginWaitCursor();
    Write(writer, SampleDataSet(true));
    EXPECT_TRUE(m_backend.WaitCursorShown());  // back after the box, while writing goes on
    EndWaitCursor();

    ASSERT_EQ(m_backend.MessageBoxes().size(), 1u);
    const auto& box = m_backend.MessageBoxes()[0];
    EXPECT_EQ(box.owner, 0x4242);
    EXPECT_EQ(box.caption, Sjis("決算書"));
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(box.text, Sjis("以下の科目は、正しい分類に出力することができません。\r\n"
                             "科目性格を見直す必要があります。\r\n\r\n"
                             "科目コード\t： 129\r\n"
                             "正式名称\t： 未分類資産\r\n\r\n"
                             "Quorvelの勘定科目設定画面にて、科目性格を\r\n"
                             " [有形固定資産] [無形固定資産] [投資その他の資産]\r\n"
                             "のいずれかに設定し、もう一度処理を行ってください。\r\n"));

    m_backend.ClearRecords();
    CReportWriter ownerless = MakeWriter(/*owner=*/0);
    Write(ownerless, SampleDataSet(true));
    EXPECT_TRUE(m_written);
    EXPECT_TRUE(m_backend.MessageBoxes().empty());
}

TEST_F(ReportDocumentTest, TheWarningShowsTheFormalNameAsStored) {
    Append(m_accounts, {-1230000, "【未分類】 資産", "", 0, 0, Yen(5), 0x80840008, 3});
    CReportWriter writer = MakeWriter(/*owner=*/0x4242);
    const auto lines = Utf8Lines(Write(writer, SampleDataSet(false)));

    ASSERT_EQ(m_backend.MessageBoxes().size(), 1u);
    const std::string text = Cp932ToUtf8Lossy(m_backend.MessageBoxes()[0].text);
    EXPECT_NE(text.find("科目コード\t： -123\r\n正式名称\t： 【未分類】 資産\r\n"),
              std::string::npos);
    EXPECT_EQ(Subtree(lines, "IntangibleAssets"),
              (std::vector<std::string>{"\t\t\t\t\t<IntangibleAssets>",
                                        "\t\t\t\t\t\t<Item Label=\"未分類資産\">5</Item>",
                                        "\t\t\t\t\t</IntangibleAssets>"}));
}

TEST_F(ReportDocumentTest, SystemTakesNameAndVersionFromTheSupportFile) {
    WriteFileBytes(m_folder.Path() / "SUPPORT.INF",
                   Sjis("[=製品名=]Quorvel２０ Tessel\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]20.01.05\r\n"));
    CReportWriter writer = MakeWriter();
    const auto system = Subtree(Utf8Lines(Write(writer, SampleDataSet(false), -2)), "SYSTEM");
    EXPECT_EQ(system, (std::vector<std::string>{
                          "\t<SYSTEM>",
                          "\t\t<GYOUMUPREFIX>MZ31</GYOUMUPREFIX>",
                          "\t\t<VERSION>1</VERSION>",
                          "\t\t<FUNCTIONID>-2</FUNCTIONID>",
                          "\t\t<CONNECTEDPROGRAMVER>20.00.00</CONNECTEDPROGRAMVER>",
                          "\t\t<PROGRAMNAME>Quorvel２０ Tessel</PROGRAMNAME>",
                          "\t\t<PROGRAMVER>20.01.05</PROGRAMVER>",
                          "\t</SYSTEM>",
                      }));
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) repeated += text;
    return repeated;
}

// The target's company-name field holds 63 bytes: a longer converted name keeps the longest
// prefix of whole characters that fits.
TEST(CompanyNameTest, FullWidthAndCutAtAWholeCharacterToSixtyThreeBytes) {
    struct Case {
        std::string name;      // code page 932
        std::string expected;  // code page 932
    };
    const std::string kanji20 = Sjis("株式会社日本橋東京商事株式会社日本橋東京");  // 40 bytes
    const Case cases[] = {
        {std::string(31, 'a'), Repeat(Sjis("ａ"), 31)},  // 62 bytes, whole
        {kanji20, kanji20},                              // 40 bytes, whole
        {std::string(32, 'b'), Repeat(Sjis("ｂ"), 31)},  // 64 bytes cut to 62
        {"x" + kanji20 + kanji20, Sjis("ｘ") + kanji20 + kanji20.substr(0, 20)},
        {std::string(300, 'c'), Repeat(Sjis("ｃ"), 31)},  // no terminator in the field
    };
    for (const Case& c : cases) {
        DataSetInfo info{};
        // The last case fills the whole field with no terminator.
        std::memcpy(info.companyName, c.name.data(),
                    std::min(c.name.size(), sizeof info.companyName));
        const std::string converted = CReportWriter::ToFullWidthName(info);
        EXPECT_EQ(Hex(converted), Hex(c.expected)) << Hex(c.name.substr(0, 8));
        EXPECT_LE(converted.size(), 63u);
    }
}

TEST_F(ReportDocumentTest, AReportPathThatCannotBeCreatedGivesFalseAndNoFile) {
    UseSample();
    CReportWriter writer = MakeWriter();
    EXPECT_FALSE(
        writer.WriteReport(m_folder.WindowsPath("missing\\report.xml"), 3, SampleDataSet(true)));
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path() / "missing"));
}

// Every line is one write, so a file whose Nth write fails holds exactly the N-1 lines before it,
// whichever section the failure hits.
TEST_F(ReportDocumentTest, AFailedWriteAtAnyLineEndsTheReportAtThatLine) {
    UseSample();
    m_notesAvailable = true;
    const std::string expected = ExpectedSampleReport(true, true);
    const std::vector<std::string> expectedLines = Utf8Lines(expected);
    const std::string path = ReportPath();

    for (int failAt = 1; failAt <= static_cast<int>(expectedLines.size()) + 1; ++failAt) {
        SCOPED_TRACE(failAt);
        FailingFile file(failAt);
        CReportWriter writer = MakeWriter(/*owner=*/0x4242);
        const bool written = writer.WriteReport(file, path, 3, SampleDataSet(true));
        const auto lines = Utf8Lines(ReadFileBytes(m_folder.Path() / "report.xml"));

        const bool allFit = failAt > static_cast<int>(expectedLines.size());
        EXPECT_EQ(written, allFit);
        const std::size_t kept = std::min<std::size_t>(failAt - 1, expectedLines.size());
        EXPECT_EQ(lines,
                  std::vector<std::string>(expectedLines.begin(), expectedLines.begin() + kept));
    }
}

}  // namespace
}  // namespace ferrolin::test
