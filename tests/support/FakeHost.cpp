#include "tests/support/FakeHost.h"

#include <algorithm>
#include <cstring>

#include "host/HostTaskMemory.h"

namespace ferrolin {
namespace {

void CopyText(char* dest, std::size_t size, const std::string& text) {
    std::memset(dest, 0, size);
    std::memcpy(dest, text.data(), std::min(text.size(), size - 1));
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 31;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Distinct addresses that stand for the engine's opaque handles.
char g_setMgrTag;
char g_optLinkTag;

}  // namespace

DataSetInfo MakeDataSetInfo(const std::string& dataId, std::int32_t dataNo,
                            std::int32_t periodStart, std::int32_t periodEnd) {
    DataSetInfo info{};
    CopyText(info.dataId, sizeof info.dataId, dataId);
    info.dataNo = dataNo;
    info.periodStart = periodStart;
    info.periodEnd = periodEnd;
    info.companyLawFlag = 1;
    return info;
}

AccountSumRecord MakeAccountRecord(std::int32_t accountCode, std::uint32_t natureCode,
                                   std::uint8_t balanceSide, const std::string& formalName,
                                   const std::string& secondName) {
    AccountSumRecord record{};
    record.accountCode = accountCode;
    record.natureCode = natureCode;
    record.balanceSide = balanceSide;
    CopyText(record.formalName, sizeof record.formalName, formalName);
    CopyText(record.secondName, sizeof record.secondName, secondName);
    return record;
}

// ---- FakeHostConnection ------------------------------------------------------------------------

void FakeHostConnection::SetAppType(std::int32_t editionCode) {
    calls.push_back("SetAppType(" + std::to_string(editionCode) + ")");
}
void FakeHostConnection::SetUseDataType(std::int32_t dataType) {
    calls.push_back("SetUseDataType(" + std::to_string(dataType) + ")");
}
std::int32_t FakeHostConnection::Initiate() {
    calls.push_back("Initiate");
    return initiateResult;
}
std::int32_t FakeHostConnection::ExpSysLink() {
    calls.push_back("ExpSysLink");
    return expSysLinkResult;
}
std::int32_t FakeHostConnection::DispMsg(HWND owner, const std::string& text,
                                         const std::string& caption, UINT type) {
    calls.push_back("DispMsg");
    messages.push_back({owner, text, caption, type});
    return dispMsgResult;
}
void FakeHostConnection::LogOut() { calls.push_back("LogOut"); }
void FakeHostConnection::Terminate() { calls.push_back("Terminate"); }
void FakeHostConnection::Release() { calls.push_back("Release"); }

// ---- FakeHostFileManager -----------------------------------------------------------------------

std::string FakeHostFileManager::GetAppFolderPath(std::int32_t kind) {
    auto it = folders.find(kind);
    return it == folders.end() ? std::string() : it->second;
}

// ---- FakeHostUserSession -----------------------------------------------------------------------

std::int32_t FakeHostUserSession::GetCurUserID(char* id) {
    CopyText(id, kUserIdSize, userId);
    return 0;
}

std::int32_t FakeHostUserSession::GetSelectedNo(const char* id, std::int32_t* no1,
                                                std::int32_t* no2) {
    userIdsAsked.emplace_back(id != nullptr ? id : "");
    if (no1 != nullptr) *no1 = selectedNo1;
    if (no2 != nullptr) *no2 = selectedNo2;
    return 0;
}

// ---- FakeHostDataSetTable ----------------------------------------------------------------------

std::int32_t FakeHostDataSetTable::GetDatCursor(HostDatCursor* cursor) {
    ++cursorsOpened;
    *cursor = m_nextCursor++;
    m_positions[*cursor] = 0;
    return 0;
}

std::int32_t FakeHostDataSetTable::ReadyDat(HostDatCursor cursor, std::int32_t mode) {
    readyModes.push_back(mode);
    auto it = m_positions.find(cursor);
    if (it == m_positions.end()) return 1;
    it->second = 0;
    return 0;
}

std::int32_t FakeHostDataSetTable::WalkDat(DataSetInfo* info, HostDatCursor cursor) {
    auto it = m_positions.find(cursor);
    if (it == m_positions.end() || it->second >= records.size()) return 1;
    *info = records[it->second++];
    return 0;
}

std::int32_t FakeHostDataSetTable::ReleaseDatCursor(HostDatCursor cursor) {
    ++cursorsReleased;
    return m_positions.erase(cursor) == 1 ? 0 : 1;
}

const DataSetInfo* FakeHostDataSetTable::GetSelectedInfo() {
    return selected ? &*selected : nullptr;
}

// ---- FakeHostTaxSettings -----------------------------------------------------------------------

std::int32_t FakeHostTaxSettings::AttachSetMgr(HostSetMgr* setMgr) {
    attachedSetMgr = setMgr;
    return 0;
}
std::int32_t FakeHostTaxSettings::SetCurDataID(const char* dataId) {
    dataIdSet = dataId != nullptr ? dataId : "";
    return 0;
}
std::int32_t FakeHostTaxSettings::Get(TaxSettingsInfo* out) {
    if (getResult != 0) return getResult;
    *out = info;
    return 0;
}

// ---- FakeHostDataManager -----------------------------------------------------------------------

HostSetObject* FakeHostDataManager::GetSetObject(std::int32_t kind, std::int32_t sub) {
    setObjectRequests.emplace_back(kind, sub);
    if (kind == 5 && sub == 1) return dataSetTable;
    if (kind == 4 && sub == 1) return taxSettings;
    return nullptr;
}

// ---- FakeHostAccountSumCursor ------------------------------------------------------------------

std::uint32_t FakeCursorScript::RecordCount() const {
    return generate ? generatedCount : static_cast<std::uint32_t>(records.size());
}

FakeHostAccountSumCursor::FakeHostAccountSumCursor(FakeCursorScript& script) : m_script(script) {
    ++m_script.created;
}
FakeHostAccountSumCursor::~FakeHostAccountSumCursor() { ++m_script.destroyed; }

std::int32_t FakeHostAccountSumCursor::AttachSetMgr(HostSetMgr* setMgr) {
    m_script.calls.emplace_back("AttachSetMgr");
    m_script.attachedSetMgr = setMgr;
    return 0;
}
std::int32_t FakeHostAccountSumCursor::SetCurDataID(const char* dataId) {
    m_script.calls.emplace_back("SetCurDataID");
    m_script.dataIdSet = dataId != nullptr ? dataId : "";
    return 0;
}
std::int32_t FakeHostAccountSumCursor::AttachOptLink(HostOptLink* optLink) {
    m_script.calls.emplace_back("AttachOptLink");
    m_script.attachedOptLink = optLink;
    return 0;
}
std::int32_t FakeHostAccountSumCursor::MoveReady(std::int32_t mode, std::int32_t a, std::int32_t b,
                                                 const SumQuery* query, const void* department,
                                                 std::int32_t c) {
    m_script.calls.push_back("MoveReady(" + std::to_string(mode) + "," + std::to_string(a) + "," +
                             std::to_string(b) + "," + (department ? "dept" : "null") + "," +
                             std::to_string(c) + ")");
    if (query != nullptr) m_script.query = *query;
    m_position = 0;
    return 0;
}
std::int32_t FakeHostAccountSumCursor::GetSumCount(std::uint32_t* count) {
    m_script.calls.emplace_back("GetSumCount");
    if (m_script.getSumCountResult != 0) return m_script.getSumCountResult;
    *count = m_script.count.value_or(m_script.RecordCount());
    return 0;
}
std::int32_t FakeHostAccountSumCursor::SetMovePos(std::int32_t position) {
    m_script.calls.push_back("SetMovePos(" + std::to_string(position) + ")");
    if (m_script.setMovePosResult != 0) return m_script.setMovePosResult;
    m_position = static_cast<std::uint32_t>(position);
    return 0;
}
std::int32_t FakeHostAccountSumCursor::MoveNext(AccountSumRecord* record) {
    const std::uint32_t call = m_script.moveNextCalls++;
    static const AccountSumRecord kZero{};
    if (std::memcmp(record, &kZero, sizeof kZero) != 0) m_script.moveNextGotZeroedRecord = false;
    if (m_script.moveNextFailAt && *m_script.moveNextFailAt == call) {
        return -1;
    }
    if (m_position >= m_script.RecordCount()) return kHostEndOfData;
    *record = m_script.generate ? m_script.generate(m_position) : m_script.records[m_position];
    ++m_position;
    return 0;
}
std::int32_t FakeHostAccountSumCursor::MoveFinish() {
    m_script.calls.emplace_back("MoveFinish");
    return 0;
}

// ---- FakeHostStatementStore --------------------------------------------------------------------

FakeHostStatementStore::FakeHostStatementStore(FakeStoreScript& script) : m_script(script) {
    ++m_script.created;
}
FakeHostStatementStore::~FakeHostStatementStore() { ++m_script.destroyed; }

std::int32_t FakeHostStatementStore::AttachSetMgr(HostSetMgr* setMgr) {
    m_script.calls.emplace_back("AttachSetMgr");
    m_script.attachedSetMgr = setMgr;
    return 0;
}
std::int32_t FakeHostStatementStore::SetCurDataID(const char* dataId) {
    m_script.calls.emplace_back("SetCurDataID");
    m_script.dataIdSet = dataId != nullptr ? dataId : "";
    return 0;
}
std::int32_t FakeHostStatementStore::AttachOptLink(HostOptLink* optLink) {
    m_script.calls.emplace_back("AttachOptLink");
    m_script.attachedOptLink = optLink;
    return 0;
}
std::int32_t FakeHostStatementStore::GetDataType02(std::int32_t kind, char** text,
                                                   std::int32_t* length) {
    m_script.calls.push_back("Get(" + std::to_string(kind) + ")");
    auto it = m_script.kinds.find(kind);
    if (it == m_script.kinds.end()) return 1;
    const FakeStatementKind& entry = it->second;
    const bool handOut = entry.text && (entry.result == 0 || entry.textOnFailure);
    if (handOut && text != nullptr) {
        auto* block = static_cast<char*>(CoTaskMemAlloc(entry.text->size() + 1));
        std::memcpy(block, entry.text->c_str(), entry.text->size() + 1);
        *text = block;
        ++m_script.textsHandedOut;
        if (length != nullptr) *length = static_cast<std::int32_t>(entry.text->size());
    }
    return entry.result;
}

// ---- FakeHostFiscalCalendar --------------------------------------------------------------------

FakeHostFiscalCalendar::FakeHostFiscalCalendar(FakeCalendarScript& script) : m_script(script) {
    ++m_script.created;
}
FakeHostFiscalCalendar::~FakeHostFiscalCalendar() { ++m_script.destroyed; }

std::int32_t FakeHostFiscalCalendar::SetPeriod(std::int32_t periodStart, std::int32_t periodEnd) {
    m_script.calls.push_back("SetPeriod(" + std::to_string(periodStart) + "," +
                             std::to_string(periodEnd) + ")");
    return 0;
}

std::int32_t FakeHostFiscalCalendar::GetClosingDayByEndDate(std::int32_t periodEnd,
                                                            std::int32_t mode,
                                                            std::int16_t* closingDay) {
    m_script.calls.push_back("GetClosingDayByEndDate(" + std::to_string(periodEnd) + "," +
                             std::to_string(mode) + ")");
    const int year = periodEnd / 10000;
    const int month = periodEnd / 100 % 100;
    const int day = periodEnd % 100;
    *closingDay = static_cast<std::int16_t>(day >= DaysInMonth(year, month) ? 0 : day);
    return 0;
}

std::int32_t FakeHostFiscalCalendar::SetClosingDay(std::int16_t closingDay) {
    m_script.calls.push_back("SetClosingDay(" + std::to_string(closingDay) + ")");
    m_closingDay = closingDay;
    return 0;
}

std::int32_t FakeHostFiscalCalendar::GetAMonthByDate(std::int32_t date, std::int16_t* month,
                                                     std::int32_t mode) {
    m_script.calls.push_back("GetAMonthByDate(" + std::to_string(date) + "," +
                             std::to_string(mode) + ")");
    int calendarMonth = date / 100 % 100;
    const int day = date % 100;
    if (m_closingDay != 0 && day > m_closingDay) calendarMonth = calendarMonth % 12 + 1;
    *month = static_cast<std::int16_t>(calendarMonth);
    return 0;
}

// ---- FakeHost ----------------------------------------------------------------------------------

FakeHost::FakeHost()
    : setMgr(reinterpret_cast<HostSetMgr*>(&g_setMgrTag)),
      optLink(reinterpret_cast<HostOptLink*>(&g_optLinkTag)) {
    data.setMgr = setMgr;
    data.dataSetTable = &dataSets;
    data.taxSettings = &taxSettings;
    data.userSession = &user;
    link.optLink = optLink;
    dataSets.selected = MakeDataSetInfo("DATA0001", 1);

    HostConnection::SetInst(&connection);
    HostFileManager::SetInst(&files);
    HostDataManager::SetInst(&data);
    HostLinkManager::SetInst(&link);
    HostAccountSumCursor::SetFactory([this]() -> std::unique_ptr<HostAccountSumCursor> {
        if (cursor.createFails) return nullptr;
        return std::make_unique<FakeHostAccountSumCursor>(cursor);
    });
    HostStatementStore::SetFactory([this]() -> std::unique_ptr<HostStatementStore> {
        if (store.createFails) return nullptr;
        return std::make_unique<FakeHostStatementStore>(store);
    });
    HostFiscalCalendar::SetFactory([this]() -> std::unique_ptr<HostFiscalCalendar> {
        if (calendar.createFails) return nullptr;
        return std::make_unique<FakeHostFiscalCalendar>(calendar);
    });
}

FakeHost::~FakeHost() {
    HostConnection::SetInst(nullptr);
    HostFileManager::SetInst(nullptr);
    HostDataManager::SetInst(nullptr);
    HostLinkManager::SetInst(nullptr);
    HostAccountSumCursor::SetFactory(nullptr);
    HostStatementStore::SetFactory(nullptr);
    HostFiscalCalendar::SetFactory(nullptr);
}

}  // namespace ferrolin
