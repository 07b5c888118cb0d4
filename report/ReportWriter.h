#pragma once
// The report: one code page 932 XML file with SYSTEM, BASIC and DATA (balance sheet, income
// statement, schedule of cost of goods manufactured, statement of changes in net assets, notes
// list), written in one pass through CXmlWriter. The run sequence constructs the writer, sets its
// inputs (it owns none of them) and calls WriteReport once.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "aggregation/amounts/AccountSumList.h"
#include "host/HostRecords.h"
#include "platform/io/File.h"
#include "platform/window/WindowTypes.h"

namespace ferrolin {

class CProgressDlg;
class CXmlWriter;
struct StatementRow;

constexpr std::size_t kNoteGroupFlagCount = 50;

class CReportWriter {
public:
    // The edition's host product name, written as PROGRAMNAME when the support information file
    // names none ("Quorvel２０" and so on, code page 932).
    explicit CReportWriter(std::string productNameFallback);

    void SetProgressDialog(CProgressDlg* dialog) { m_pProgressDlg = dialog; }  // null: no progress
    void SetAccountSums(const CAccountSumList* sums) { m_pAccountSums = sums; }
    void SetOwnerWindow(HWND owner) { m_hOwner = owner; }  // 0: no misclassification warning
    void SetEquityKind(std::int16_t kind) { m_equityKind = kind; }  // EquityStatementKind, 1 or 2
    void SetNotesAvailable(std::int32_t available) { m_notesAvailable = available; }
    void SetNotes(const std::vector<std::string>* notes) { m_pNotes = notes; }
    void SetNoteDisplayFlags(std::span<const std::uint8_t, kNoteGroupFlagCount> flags);
    void SetProgressBase(std::int16_t base) { m_progressBase = base; }  // 500 in a run

    // True when the whole document reached the file. The file is created (or truncated) at
    // `path`, a Windows-form path; it is closed before this returns, on every path.
    bool WriteReport(const std::string& path, std::int16_t functionId, const DataSetInfo& info);
    // The same on a file object of the caller's (tests hand in one whose writes fail).
    bool WriteReport(CFile& file, const std::string& path, std::int16_t functionId,
                     const DataSetInfo& info);

    // The text of KOMONSAKINAME: full width, cut at a whole character to fit 63 bytes.
    static std::string ToFullWidthName(const DataSetInfo& info);
    // The name without the strings of NameRemovalTable, matched at every byte.
    static std::string CleanAccountName(std::string_view name);

    // The selections by nature code over the account sum list, in list order.
    const AccountSumEntry* FindAccount(std::uint32_t code) const;
    // Copies of entries of status 0 or 3; false (and nothing) when memory runs out.
    bool CollectByCategory(std::uint32_t code, std::vector<AccountSumEntry>& out) const;
    bool CollectByNature(std::uint32_t code, std::vector<AccountSumEntry>& out) const;

private:
    bool WriteDocument(CXmlWriter& xml, std::int16_t functionId, const DataSetInfo& info);
    bool WriteSystem(CXmlWriter& xml, std::int16_t functionId);
    bool WriteBasic(CXmlWriter& xml, const DataSetInfo& info);
    // An element of SYSTEM or BASIC (level 2), followed by a pulse when it was written.
    bool WriteElementAndPulse(CXmlWriter& xml, std::string_view name, std::string_view text);
    bool WriteData(CXmlWriter& xml, const DataSetInfo& info);

    bool WriteBalanceSheet(CXmlWriter& xml);
    bool WriteIncomeStatement(CXmlWriter& xml);
    bool WriteCostOfGoodsManufactured(CXmlWriter& xml);
    bool WriteStatement(CXmlWriter& xml, std::span<const StatementRow> rows);
    bool WriteSectionStart(CXmlWriter& xml, std::uint32_t code, std::string_view name, int level);
    bool WriteItems(CXmlWriter& xml, std::uint32_t code, int level);
    bool WriteItemLines(CXmlWriter& xml, const std::vector<AccountSumEntry>& entries, int level);
    bool WriteItem(CXmlWriter& xml, const AccountSumEntry& entry, int level);
    bool WriteTotal(CXmlWriter& xml, std::uint32_t code, std::string_view name, int level);
    bool WriteIncomeTaxItems(CXmlWriter& xml, int level);
    bool WriteUnclassifiedFixedAssets(CXmlWriter& xml, int level, bool warn);
    void ShowMisclassificationWarning(const AccountSumEntry& entry);

    bool WriteEquityStatement(CXmlWriter& xml);

    bool WriteNotesList(CXmlWriter& xml);
    std::optional<std::size_t> WriteNoteEntry(std::size_t row, CXmlWriter& xml);
    bool IsNoteShown(std::int32_t id) const;
    void WriteNoteLines(std::int32_t id, int level, CXmlWriter& xml);

    void Pulse();
    void Advance(int from, int to);

    std::string m_productNameFallback;
    CProgressDlg* m_pProgressDlg = nullptr;
    const CAccountSumList* m_pAccountSums = nullptr;
    HWND m_hOwner = 0;
    std::int16_t m_equityKind = 1;
    std::int32_t m_notesAvailable = 0;
    const std::vector<std::string>* m_pNotes = nullptr;
    std::array<std::uint8_t, kNoteGroupFlagCount> m_noteFlags = {};
    std::int16_t m_progressBase = 500;
};

}  // namespace ferrolin
