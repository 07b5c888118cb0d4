// The three main statements, each written by walking its fixed tree: section starts labelled by
// their accounts, item lists by category, and totals.

#include "report/EntryValues.h"
#include "report/ReportWriter.h"
#include "report/StatementTrees.h"
#include "report/xml/XmlWriter.h"

namespace ferrolin {

bool CReportWriter::WriteBalanceSheet(CXmlWriter& xml) {
    return WriteStatement(xml, BalanceSheetTree());
}

bool CReportWriter::WriteIncomeStatement(CXmlWriter& xml) {
    return WriteStatement(xml, IncomeStatementTree());
}

bool CReportWriter::WriteCostOfGoodsManufactured(CXmlWriter& xml) {
    return WriteStatement(xml, CostOfGoodsManufacturedTree());
}

bool CReportWriter::WriteStatement(CXmlWriter& xml, std::span<const StatementRow> rows) {
    for (const StatementRow& row : rows) {
        bool written = false;
        switch (row.kind) {
            case RowKind::Start:
                written = row.code != 0 ? WriteSectionStart(xml, row.code, row.element, row.level)
                                        : xml.WriteStartTag(row.element, row.level);
                break;
            case RowKind::Items:
                written = WriteItems(xml, row.code, row.level);
                break;
            case RowKind::Total:
                written = WriteTotal(xml, row.code, row.element, row.level);
                break;
            case RowKind::End:
                written = xml.WriteEndTag(row.element, row.level);
                break;
            case RowKind::IncomeTaxItems:
                written = WriteIncomeTaxItems(xml, row.level);
                break;
            case RowKind::UnclassifiedFixedAssets:
                written = WriteUnclassifiedFixedAssets(xml, row.level, true);
                break;
            case RowKind::UnclassifiedFixedAssetsQuiet:
                written = WriteUnclassifiedFixedAssets(xml, row.level, false);
                break;
        }
        if (!written) return false;
    }
    return true;
}

bool CReportWriter::WriteSectionStart(CXmlWriter& xml, std::uint32_t code, std::string_view name,
                                      int level) {
    const AccountSumEntry* account = FindAccount(code);
    if (account == nullptr) return xml.WriteStartTag(name, level);
    const std::string label = CleanAccountName(FormalName(*account));
    const std::string amount = AmountAttribute(ClosingYen(*account));
    return xml.WriteStartTag(name, level, XmlAttr{"Label", label}, XmlAttr{"Amount", amount});
}

bool CReportWriter::WriteItems(CXmlWriter& xml, std::uint32_t code, int level) {
    std::vector<AccountSumEntry> entries;
    if (!CollectByCategory(code, entries)) return false;
    return WriteItemLines(xml, entries, level);
}

bool CReportWriter::WriteItemLines(CXmlWriter& xml, const std::vector<AccountSumEntry>& entries,
                                   int level) {
    for (const AccountSumEntry& entry : entries) {
        if (!WriteItem(xml, entry, level)) return false;
    }
    return true;
}

// An account that rounds to 0 yen is not listed.
bool CReportWriter::WriteItem(CXmlWriter& xml, const AccountSumEntry& entry, int level) {
    const std::int64_t yen = ClosingYen(entry);
    if (yen == 0) return true;
    const std::string label = CleanAccountName(FormalName(entry));
    return xml.WriteElement("Item", DecimalText(yen), level, XmlAttr{"Label", label});
}

bool CReportWriter::WriteTotal(CXmlWriter& xml, std::uint32_t code, std::string_view name,
                               int level) {
    const AccountSumEntry* account = FindAccount(code);
    if (account == nullptr) return true;
    std::string label = CleanAccountName(SecondName(*account));
    if (label.empty()) label = CleanAccountName(FormalName(*account));
    const std::string amount = AmountAttribute(ClosingYen(*account));
    return xml.WriteElement(name, "", level, XmlAttr{"Label", label}, XmlAttr{"Amount", amount});
}

}  // namespace ferrolin
