// The statement of changes in net assets: twelve fixed columns, each the sum of the accounts of
// its natures, and for retained earnings brought forward the period's net income as a change.

#include "report/EntryValues.h"
#include "report/EquityColumnTable.h"
#include "report/ReportTexts.h"
#include "report/ReportWriter.h"
#include "report/xml/XmlWriter.h"

namespace ferrolin {

namespace {

struct ColumnSums {
    std::int64_t previousEnd = 0;
    std::int64_t change = 0;
    std::int64_t currentEnd = 0;

    bool IsZero() const { return previousEnd == 0 && change == 0 && currentEnd == 0; }
};

// Each amount is cut to whole yen before it is added. False when a sum would leave the 64-bit
// range, which a column of real accounts never reaches.
bool AddEntry(ColumnSums& sums, const AccountSumEntry& entry) {
    return !__builtin_add_overflow(sums.previousEnd, WholeUnits(entry.openingAmount),
                                   &sums.previousEnd) &&
           !__builtin_add_overflow(sums.change, WholeUnits(entry.changeAmount), &sums.change) &&
           !__builtin_add_overflow(sums.currentEnd, WholeUnits(entry.closingAmount),
                                   &sums.currentEnd);
}

// The two reserve columns share one nature; the separate reserve is told by its name, spaces and
// brackets removed.
bool TakesEntry(int column, const AccountSumEntry& entry) {
    if (column != kSeparateReserveColumn && column != kVoluntaryReserveColumn) return true;
    const bool separate =
        CReportWriter::CleanAccountName(FormalName(entry)).find(kSeparateReserveName.Cp932()) !=
        std::string::npos;
    return column == kSeparateReserveColumn ? separate : !separate;
}

}  // namespace

bool CReportWriter::WriteEquityStatement(CXmlWriter& xml) {
    if (!xml.WriteStartTag("StatementChangesNetAssets", 2)) return false;
    if (!xml.WriteElement("Select", DecimalText(m_equityKind), 3)) return false;

    for (int column = 0; column < kEquityColumnCount; ++column) {
        ColumnSums sums;
        for (const EquityColumnSource& source : EquityColumnTable) {
            if (source.column != column) continue;
            std::vector<AccountSumEntry> entries;
            if (!CollectByNature(source.natureCode, entries)) return false;
            for (const AccountSumEntry& entry : entries) {
                if (TakesEntry(column, entry) && !AddEntry(sums, entry)) return false;
            }
        }
        if (sums.IsZero()) continue;

        std::int64_t netIncome = 0;
        if (column == kRetainedEarningsColumn) {
            const AccountSumEntry* account = FindAccount(kNetIncomeNature);
            if (account == nullptr) return false;
            netIncome = WholeUnits(account->changeAmount);
        }

        if (!xml.WriteStartTag("ChangesNetAssetsItem", 3)) return false;
        if (!xml.WriteElement("AccountList", kEquityColumnTexts[column].Cp932(), 4)) return false;
        if (sums.previousEnd != 0 &&
            !xml.WriteElement("BalanceEndPreviousPeriod", DecimalText(sums.previousEnd), 4))
            return false;
        if (sums.change != 0 || netIncome != 0) {
            if (!xml.WriteStartTag("ChangesItemsDuringPeriod", 4)) return false;
            if (!xml.WriteElement("TotalChangesItemsDuringPeriod", DecimalText(sums.change), 5))
                return false;
            if (column == kRetainedEarningsColumn && netIncome != 0) {
                const bool written = xml.WriteStartTag("ChangesItem", 5) &&
                                     xml.WriteElement("Reason", kNetIncomeReason.Cp932(), 6) &&
                                     xml.WriteElement("Amount", DecimalText(netIncome), 6) &&
                                     xml.WriteEndTag("ChangesItem", 5);
                if (!written) return false;
            }
            if (!xml.WriteEndTag("ChangesItemsDuringPeriod", 4)) return false;
        }
        if (sums.currentEnd != 0 &&
            !xml.WriteElement("BalanceEndCurrentPeriod", DecimalText(sums.currentEnd), 4))
            return false;
        if (!xml.WriteEndTag("ChangesNetAssetsItem", 3)) return false;
    }
    return xml.WriteEndTag("StatementChangesNetAssets", 2);
}

}  // namespace ferrolin
