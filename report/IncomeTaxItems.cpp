#include <algorithm>

#include "report/ReportWriter.h"
#include "report/StatementTrees.h"

namespace ferrolin {

// The income-taxes category also holds the income before taxes and the adjustment accounts,
// which are totals of their own and never tax items.
bool CReportWriter::WriteIncomeTaxItems(CXmlWriter& xml, int level) {
    std::vector<AccountSumEntry> entries;
    if (!CollectByCategory(kIncomeTaxCategory, entries)) return false;
    std::erase_if(entries, [](const AccountSumEntry& entry) {
        return std::ranges::find(kIncomeTaxNonItemNatures, entry.natureCode) !=
               kIncomeTaxNonItemNatures.end();
    });
    return WriteItemLines(xml, entries, level);
}

}  // namespace ferrolin
