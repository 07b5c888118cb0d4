#pragma once
// The sample company that touches every statement tree, and a test base that writes reports in a
// temporary folder (also the current directory, where no SUPPORT.INF lies) with a progress dialog
// on the headless back end.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "aggregation/amounts/AccountSumList.h"
#include "gui/headless/HeadlessBackend.h"
#include "host/HostRecords.h"
#include "report/ReportWriter.h"
#include "support/TempFolder.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin::test {

// Scaled values from whole yen and ten-thousandths.
constexpr std::int64_t Yen(std::int64_t whole, std::int64_t tenThousandths = 0) {
    return whole * 10000 + (whole < 0 ? -tenThousandths : tenThousandths);
}

struct EntrySpec {
    std::int32_t code;
    const char* formalName;  // UTF-8
    const char* secondName;  // UTF-8
    std::int64_t opening;    // scaled
    std::int64_t change;     // scaled
    std::int64_t closing;    // scaled
    std::uint32_t nature;
    std::int16_t status;
};

// An entry whose only amount is the closing amount.
EntrySpec Closing(const char* formalName, std::uint32_t nature, std::int64_t closing,
                  std::int16_t status = 0, const char* secondName = "");

void Append(CAccountSumList& list, const EntrySpec& spec);
void AppendAll(CAccountSumList& list, const std::vector<EntrySpec>& specs);

std::vector<EntrySpec> SampleAccounts();
std::vector<std::string> SampleNotes();  // code page 932
std::array<std::uint8_t, kNoteGroupFlagCount> SampleNoteFlags();
DataSetInfo SampleDataSet(bool keepsManufacturingCost);

// The hand-written expected report for one combination of the two switches: code page 932 with
// CR LF.
std::string ExpectedSampleReport(bool keepsManufacturingCost, bool notesAvailable);

// UTF-8 lines of a code page 932 text with CR LF line ends (the CR LF dropped).
std::vector<std::string> Utf8Lines(const std::string& cp932);
// The lines from the start tag of `element` (by its name, at any level) to its end tag.
std::vector<std::string> Subtree(const std::vector<std::string>& lines, std::string_view element);

class ReportTest : public ::testing::Test {
protected:
    ReportTest();
    ~ReportTest() override;

    // A writer over m_accounts and the notes members, with the progress dialog and base 500.
    CReportWriter MakeWriter(HWND owner = 0);
    // Writes the report to m_folder/report.xml; the file's bytes.
    std::string Write(CReportWriter& writer, const DataSetInfo& info, std::int16_t functionId = 3);
    std::string ReportPath() const { return m_folder.WindowsPath("report.xml"); }

    TempFolder m_folder;
    std::filesystem::path m_previousFolder;
    HeadlessBackend m_backend;
    CProgressDlg m_progress;
    CAccountSumList m_accounts;
    std::vector<std::string> m_notes;
    std::array<std::uint8_t, kNoteGroupFlagCount> m_noteFlags = {};
    bool m_notesAvailable = false;
    bool m_written = false;  // WriteReport's result in the last Write
};

}  // namespace ferrolin::test
