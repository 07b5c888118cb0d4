// Noncurrent assets whose nature names none of the three subsections cannot be placed correctly:
// they are listed under every subsection, and the user is told once per account to fix the
// account's nature in the host.

#include "platform/window/WindowServices.h"
#include "report/EntryValues.h"
#include "report/ReportTexts.h"
#include "report/ReportWriter.h"
#include "report/StatementTrees.h"

namespace ferrolin {

bool CReportWriter::WriteUnclassifiedFixedAssets(CXmlWriter& xml, int level, bool warn) {
    for (std::uint32_t code : kUnclassifiedFixedAssetNatures) {
        std::vector<AccountSumEntry> entries;
        if (!CollectByNature(code, entries)) return false;
        for (const AccountSumEntry& entry : entries) {
            if (ClosingYen(entry) == 0) continue;
            if (warn && m_hOwner != 0) ShowMisclassificationWarning(entry);
            if (!WriteItem(xml, entry, level)) return false;
        }
    }
    return true;
}

void CReportWriter::ShowMisclassificationWarning(const AccountSumEntry& entry) {
    std::string text = kMisclassificationBeforeCode.Cp932();
    text += DecimalText(entry.accountCode / 10000);
    text += kMisclassificationBeforeName.Cp932();
    text += FormalName(entry);  // as stored, so the user finds it in the host
    text += kMisclassificationAfterName.Cp932();
    MessageBoxA(m_hOwner, text, kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
    // The box took the run's wait cursor away; writing goes on, so it comes back.
    RestoreWaitCursor();
}

}  // namespace ferrolin
