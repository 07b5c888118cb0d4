#include "report/ReportWriter.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "platform/text/Cp932.h"
#include "report/EntryValues.h"
#include "report/ReportTexts.h"
#include "report/xml/SupportInfo.h"
#include "report/xml/XmlWriter.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {

namespace {

// The company-name field of the target holds 63 bytes and a terminator.
constexpr std::size_t kCompanyNameBytes = 63;

constexpr int kProgressEnd = 1000;

}  // namespace

CReportWriter::CReportWriter(std::string productNameFallback)
    : m_productNameFallback(std::move(productNameFallback)) {}

void CReportWriter::SetNoteDisplayFlags(std::span<const std::uint8_t, kNoteGroupFlagCount> flags) {
    std::copy(flags.begin(), flags.end(), m_noteFlags.begin());
}

bool CReportWriter::WriteReport(const std::string& path, std::int16_t functionId,
                                const DataSetInfo& info) {
    CFile file;
    return WriteReport(file, path, functionId, info);
}

bool CReportWriter::WriteReport(CFile& file, const std::string& path, std::int16_t functionId,
                                const DataSetInfo& info) {
    CXmlWriter xml;
    bool written = false;
    try {
        xml.Open(&file, path);
        written = WriteDocument(xml, functionId, info);
    } catch (const std::bad_alloc&) {
        // Memory ran out outside the account collections (which report it themselves): the
        // document ends as after any other failure that is not a write failure.
        try {
            xml.WriteEndTag("REPORT", 0);
        } catch (const std::bad_alloc&) {
        }
        written = false;
    }
    xml.Close();
    return written;
}

bool CReportWriter::WriteDocument(CXmlWriter& xml, std::int16_t functionId,
                                  const DataSetInfo& info) {
    // A file that could not be made fails every write; the sections find out.
    xml.WriteRaw("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n");
    xml.WriteStartTag("REPORT", 0);
    Pulse();
    bool sectionsWritten = WriteSystem(xml, functionId);
    if (sectionsWritten) {
        Pulse();
        sectionsWritten = WriteBasic(xml, info);
    }
    if (sectionsWritten) {
        Pulse();
        sectionsWritten = WriteData(xml, info);
    }
    if (!sectionsWritten) {
        xml.WriteEndTag("REPORT", 0);
        return false;
    }
    Pulse();
    return xml.WriteEndTag("REPORT", 0);
}

bool CReportWriter::WriteSystem(CXmlWriter& xml, std::int16_t functionId) {
    if (!xml.WriteStartTag("SYSTEM", 1)) return false;
    if (!WriteElementAndPulse(xml, "GYOUMUPREFIX", "MZ31")) return false;
    if (!WriteElementAndPulse(xml, "VERSION", "1")) return false;
    if (!WriteElementAndPulse(xml, "FUNCTIONID", DecimalText(functionId))) return false;
    if (!WriteElementAndPulse(xml, "CONNECTEDPROGRAMVER", kConnectedProgramVersion.Cp932()))
        return false;
    {
        CSupportInfo support;  // read once for both values, released with the section
        std::string name = support.GetProductName();
        if (name.empty()) name = m_productNameFallback;
        if (!WriteElementAndPulse(xml, "PROGRAMNAME", name)) return false;
        std::string version = support.GetProductVersion();
        if (version.empty()) version = kProgramVersionFallback.Cp932();
        if (!WriteElementAndPulse(xml, "PROGRAMVER", version)) return false;
    }
    if (!xml.WriteEndTag("SYSTEM", 1)) return false;
    Advance(m_progressBase, m_progressBase + 100);
    return true;
}

bool CReportWriter::WriteElementAndPulse(CXmlWriter& xml, std::string_view name,
                                         std::string_view text) {
    if (!xml.WriteElement(name, text, 2)) return false;
    Pulse();
    return true;
}

bool CReportWriter::WriteBasic(CXmlWriter& xml, const DataSetInfo& info) {
    if (!xml.WriteStartTag("BASIC", 1)) return false;
    if (!WriteElementAndPulse(xml, "KOMONSAKINAME", ToFullWidthName(info))) return false;
    if (!WriteElementAndPulse(xml, "JIGYOUNENDOFROM", DecimalText(info.periodStart))) return false;
    if (!WriteElementAndPulse(xml, "JIGYOUNENDOTO", DecimalText(info.periodEnd))) return false;

    // The presentation pattern is fixed except for the cost of sales, which names the schedule
    // of cost of goods manufactured when the data set keeps one.
    const bool written =
        xml.WriteStartTag("PATTERN", 2) && xml.WriteStartTag("BS", 3) &&
        xml.WriteStartTag("CA", 4) && xml.WriteElement("Doubtful", "A2", 5) &&
        xml.WriteEndTag("CA", 4) && xml.WriteStartTag("PPE", 4) &&
        xml.WriteElement("DepImp", "B4", 5) && xml.WriteEndTag("PPE", 4) &&
        xml.WriteStartTag("IOA", 4) && xml.WriteElement("Doubtful", "C2", 5) &&
        xml.WriteElement("DepImp", "D4", 5) && xml.WriteEndTag("IOA", 4) &&
        xml.WriteEndTag("BS", 3) && xml.WriteStartTag("PL", 3) &&
        xml.WriteElement("Sales", "E3", 4) &&
        xml.WriteElement("Cos", info.manufacturingCostFlag != 0 ? "F3" : "F1", 4) &&
        xml.WriteElement("Sga", "G1", 4) && xml.WriteEndTag("PL", 3) &&
        xml.WriteEndTag("PATTERN", 2);
    if (!written) return false;
    Pulse();
    if (!xml.WriteEndTag("BASIC", 1)) return false;
    Advance(m_progressBase + 100, m_progressBase + 200);
    return true;
}

bool CReportWriter::WriteData(CXmlWriter& xml, const DataSetInfo& info) {
    if (!xml.WriteStartTag("DATA", 1)) return false;
    if (!WriteBalanceSheet(xml)) return false;
    if (!WriteIncomeStatement(xml)) return false;
    if (info.manufacturingCostFlag != 0 && !WriteCostOfGoodsManufactured(xml)) return false;
    if (!WriteEquityStatement(xml)) return false;
    if (m_notesAvailable == 1 && !WriteNotesList(xml)) return false;
    if (!xml.WriteEndTag("DATA", 1)) return false;
    Advance(m_progressBase + 200, kProgressEnd);
    return true;
}

std::string CReportWriter::ToFullWidthName(const DataSetInfo& info) {
    const std::string_view name(info.companyName,
                                ::strnlen(info.companyName, sizeof info.companyName));
    return CutToWholeChars(ToFullWidth(name), kCompanyNameBytes);
}

void CReportWriter::Pulse() {
    if (m_pProgressDlg != nullptr) m_pProgressDlg->Pulse();
}

void CReportWriter::Advance(int from, int to) {
    if (m_pProgressDlg != nullptr)
        m_pProgressDlg->Advance(static_cast<std::int16_t>(from), static_cast<std::int16_t>(to));
}

}  // namespace ferrolin
