#include "ReportFixture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "platform/text/Cp932.h"
#include "support/Bytes.h"

namespace ferrolin::test {

EntrySpec Closing(const char* formalName, std::uint32_t nature, std::int64_t closing,
                  std::int16_t status, const char* secondName) {
    return {0, formalName, secondName, 0, closing, closing, nature, status};
}

void Append(CAccountSumList& list, const EntrySpec& spec) {
    auto entry = std::make_unique<AccountSumEntry>();
    const std::string formal = Sjis(spec.formalName);
    const std::string second = Sjis(spec.secondName);
    std::memcpy(entry->formalName, formal.data(),
                std::min(formal.size(), sizeof entry->formalName - 1));
    std::memcpy(entry->secondName, second.data(),
                std::min(second.size(), sizeof entry->secondName - 1));
    entry->accountCode = spec.code;
    entry->openingAmount = spec.opening;
    entry->changeAmount = spec.change;
    entry->closingAmount = spec.closing;
    entry->natureCode = spec.nature;
    entry->status = spec.status;
    list.Append(std::move(entry));
}

void AppendAll(CAccountSumList& list, const std::vector<EntrySpec>& specs) {
    for (const EntrySpec& spec : specs) Append(list, spec);
}

// Section and total accounts have status 2, so they label their sections without being listed
// as items of them; postings have status 0 or 3.
std::vector<EntrySpec> SampleAccounts() {
    return {
        // Balance sheet.
        {1000000, "【資産の部】", "資産合計", 0, 0, Yen(2000000), 0x80800000, 2},
        {1100000, "流動資産", "", 0, 0, Yen(600000), 0x80880000, 2},
        {1110000, "現　金", "", 0, 0, Yen(123456, 7891), 0x80880100, 0},
        {1120000, "売掛金", "", 0, 0, Yen(476544), 0x80880200, 3},
        {1130000, "仮払金", "", 0, 0, Yen(1000), 0x80880400, 2},
        {1140000, "小口現金", "", 0, 0, -5000, 0x80880800, 0},
        {1200000, "固定資産", "", 0, 0, Yen(1400000), 0x80840000, 2},
        {1210000, "有形固定資産", "", 0, 0, Yen(800000), 0x80848000, 2},
        {1211000, "建物", "", 0, 0, Yen(500000), 0x80848100, 0},
        {1212000, "(製)機械装置", "", 0, 0, Yen(250000), 0x80848200, 0},
        {1290000, "未分類資産", "", 0, 0, Yen(50000), 0x80840004, 0},
        {1220000, "無形固定資産", "", 0, 0, 0, 0x80844000, 2},
        {1231000, "投資有価証券", "", 0, 0, Yen(550000), 0x80842100, 0},
        {2000000, "負債の部", "", 0, 0, Yen(700000), 0x80400000, 2},
        {2100000, "流動負債", "", 0, 0, Yen(300000), 0x80480000, 2},
        {2110000, "買掛金", "", 0, 0, Yen(300000), 0x80480100, 0},
        {2200000, "固定負債", "", 0, 0, Yen(400000), 0x80440000, 2},
        {2210000, "長期借入金", "", 0, 0, Yen(400000), 0x80440100, 0},
        {3000000, "純資産の部", "", 0, 0, Yen(1300000), 0x80200000, 2},
        {3110000, "資本金", "", Yen(1000000), 0, Yen(1000000), 0x80288000, 0},
        {3410000, "別途 積立金", "", Yen(100000), Yen(50000), Yen(150000), 0x80281040, 0},
        {3420000, "圧縮積立金", "", Yen(20000), 0, Yen(20000), 0x80281040, 0},
        {3430000, "繰越利益剰余金", "", Yen(80000), Yen(50000), Yen(130000), 0x80281048, 0},
        {3510000, "自己株式", "", Yen(-10000), 0, Yen(-10000), 0x80280800, 0},
        // Income statement.
        {4000000, "売上高", "", 0, 0, Yen(3000000), 0x40888000, 2},
        {4110000, "売上", "", 0, 0, Yen(3000000), 0x40888100, 0},
        {5000000, "売上原価", "", 0, 0, Yen(1800000), 0x40884000, 2},
        {5110000, "仕入高", "", 0, 0, Yen(1200000), 0x40884100, 0},
        {5120000, "当期製品製造原価", "", 0, 0, Yen(600000), 0x40884200, 0},
        {5900000, "売上総利益", "売上総利益金額", 0, 0, Yen(1200000), 0x40880008, 2},
        {6000000, "販売費及び一般管理費", "", 0, 0, Yen(900000), 0x40882000, 2},
        {6110000, "給料手当", "", 0, 0, Yen(700000), 0x40882100, 0},
        {6120000, "地代家賃", "", 0, 0, Yen(200000), 0x40882200, 0},
        {6900000, "営業利益", "　", 0, 0, Yen(300000), 0x40880000, 2},
        {7000000, "営業外収益", "", 0, 0, Yen(10000), 0x40848000, 2},
        {7110000, "受取利息", "", 0, 0, Yen(10000), 0x40848100, 0},
        {7900000, "経常利益", "経常利益", 0, 0, Yen(310000), 0x40800000, 2},
        {8200000, "特別損失", "", 0, 0, Yen(160000), 0x40440000, 2},
        {8210000, "固定資産除却損", "", 0, 0, Yen(160000), 0x40440100, 0},
        {8900000, "税引前当期純利益", "", 0, 0, Yen(150000), 0x40200080, 0},
        {8910000, "法人税、住民税及び事業税", "", 0, 0, Yen(50000), 0x40200100, 0},
        {8920000, "法人税等調整額", "", 0, 0, Yen(3000), 0x40200020, 0},
        {8930000, "法人税等", "", 0, 0, Yen(53000), 0x40200010, 0},
        {8990000, "当期純利益", "", 0, Yen(100000), Yen(100000), 0x40200040, 2},
        // Schedule of cost of goods manufactured.
        {9100000, "材料費", "", 0, 0, Yen(200000), 0x20800000, 2},
        {9110000, "材料仕入高", "", 0, 0, Yen(200000), 0x20800100, 0},
        {9200000, "労務費", "", 0, 0, Yen(150000), 0x20400000, 2},
        {9210000, "賃金", "", 0, 0, Yen(150000), 0x20400100, 0},
        {9300000, "製造経費", "", 0, 0, Yen(250000), 0x20200000, 2},
        {9310000, "外注加工費", "", 0, 0, Yen(250000), 0x20200100, 0},
        {9400000, "当期総製造費用", "", 0, 0, Yen(600000), 0x20080000, 2},
        {9500000, "期首仕掛品棚卸高", "", 0, 0, Yen(30000), 0x20108000, 2},
        {9510000, "期首仕掛品", "", 0, 0, Yen(30000), 0x20108100, 0},
        {9600000, "合計", "小計", 0, 0, Yen(630000), 0x20100008, 2},
        {9710000, "期末仕掛品", "", 0, 0, Yen(-30000), 0x20102100, 0},
    };
}

// Blocks of the host's notes text, one line each: the ID, two lines not read, the Disp flag, the
// Value marker, then the text lines.
std::vector<std::string> SampleNotes() {
    const char* lines[] = {
        "<ID>1000010",
        "<Name>",
        "<Kind>",
        "<Disp>1",
        "<Value>",
        "<Line>継続企業の前提に関する重要な疑義はありません。</Line>",
        "<Line>A&B <注> \"1\" '2'</Line>",
        // Hidden parent; its shown children are written on their own.
        "<ID>1010010",
        "<Name>",
        "<Kind>",
        "<Disp>0",
        "<Value>",
        "<Line>書かれない</Line>",
        "<ID>1010020",
        "<Name>",
        "<Kind>",
        "<Disp>1",
        "<Value>",
        "<Line>資産の評価基準及び評価方法",
        // Shown without a Value line: start and end tags only.
        "<ID>1010030",
        "<Name>",
        "<Kind>",
        "<Disp>1",
        "<Other>",
        "<Line>書かれない</Line>",
        "<ID>1010050",
        "<Name>",
        "<Kind>",
        "<Disp>1",
        "<Value>",
        "<Line>定額法</Line>",
        "<Line></Line>",
        "<Line>以上</Line>",
        // Shown, but its group's display flag is 0.
        "<ID>1150010",
        "<Name>",
        "<Kind>",
        "<Disp>1",
        "<Value>",
        "<Line>書かれない</Line>",
        "<ID>1170010",
        "<Name>",
        "<Kind>",
        "<Disp>1",
        "<Value>",
        "<Line>その他の注記</Line>",
    };
    std::vector<std::string> notes;
    for (const char* line : lines) notes.push_back(Sjis(line));
    return notes;
}

std::array<std::uint8_t, kNoteGroupFlagCount> SampleNoteFlags() {
    std::array<std::uint8_t, kNoteGroupFlagCount> flags = {};
    flags[0] = 1;
    flags[1] = 1;
    flags[9] = 0;
    flags[10] = 1;
    return flags;
}

DataSetInfo SampleDataSet(bool keepsManufacturingCost) {
    DataSetInfo info{};
    const std::string name = Sjis("ｶﾌﾞｼｷｶﾞｲｼｬ ABC&Co");
    std::memcpy(info.companyName, name.data(), name.size());
    info.periodStart = 20190401;
    info.periodEnd = 20200331;
    info.manufacturingCostFlag = keepsManufacturingCost ? 1 : 0;
    return info;
}

std::string ExpectedSampleReport(bool keepsManufacturingCost, bool notesAvailable) {
    std::ifstream in(std::string(FERROLIN_REPORT_EXPECTED_DIR) + "/sample-report.xml");
    if (!in) throw std::runtime_error("expected report missing");
    std::string utf8;
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("# ")) continue;
        auto onlyWhen = [&](std::string_view marker, bool condition) {
            if (!line.starts_with(marker)) return true;
            line.erase(0, marker.size());
            return condition;
        };
        if (!onlyWhen("[cogm]", keepsManufacturingCost) ||
            !onlyWhen("[plain]", !keepsManufacturingCost) || !onlyWhen("[notes]", notesAvailable))
            continue;
        utf8 += line;
        utf8 += "\r\n";
    }
    return Sjis(utf8);
}

std::vector<std::string> Utf8Lines(const std::string& cp932) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < cp932.size()) {
        std::size_t end = cp932.find("\r\n", start);
        if (end == std::string::npos) end = cp932.size();
        lines.push_back(Cp932ToUtf8Lossy(cp932.substr(start, end - start)));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> Subtree(const std::vector<std::string>& lines, std::string_view element) {
    const std::string start = "<" + std::string(element);
    const std::string end = "</" + std::string(element) + ">";
    std::vector<std::string> subtree;
    for (const std::string& line : lines) {
        const std::size_t text = line.find_first_not_of('\t');
        const std::string_view bare =
            std::string_view(line).substr(text == std::string::npos ? 0 : text);
        if (subtree.empty()) {
            if (bare.starts_with(start + ">") || bare.starts_with(start + " "))
                subtree.push_back(line);
            if (!subtree.empty() && bare.find(end) != std::string_view::npos) break;
            continue;
        }
        subtree.push_back(line);
        if (bare.starts_with(end)) break;
    }
    return subtree;
}

ReportTest::ReportTest() {
    m_previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(m_folder.Path());
    m_progress.Create(nullptr);
    m_progress.StartOverall();
}

ReportTest::~ReportTest() { std::filesystem::current_path(m_previousFolder); }

CReportWriter ReportTest::MakeWriter(HWND owner) {
    CReportWriter writer(Sjis("Quorvel２０"));
    writer.SetProgressDialog(&m_progress);
    writer.SetAccountSums(&m_accounts);
    writer.SetOwnerWindow(owner);
    writer.SetEquityKind(1);
    writer.SetNotesAvailable(m_notesAvailable ? 1 : 0);
    writer.SetNotes(&m_notes);
    writer.SetNoteDisplayFlags(m_noteFlags);
    writer.SetProgressBase(500);
    return writer;
}

std::string ReportTest::Write(CReportWriter& writer, const DataSetInfo& info,
                              std::int16_t functionId) {
    m_written = writer.WriteReport(ReportPath(), functionId, info);
    return ReadFileBytes(m_folder.Path() / "report.xml");
}

}  // namespace ferrolin::test
