#pragma once
// Fakes of every host interface, for the unit tests of every folder. Each fake records the calls
// it receives and answers with results a test can set. `FakeHost` owns one of each and installs
// them (singletons and factories) for its lifetime:
//
//     FakeHost host;
//     host.dataSets.records.push_back(MakeDataSetInfo(...));
//     host.cursor.records = {...};
//     host.cursor.moveNextFailAt = 3;  // the fourth MoveNext fails
//
// The objects the component makes for itself (cursor, statement store, calendar) are created
// anew by their factories; their settings and call logs live in the fixture (`cursor`, `store`,
// `calendar`), so a test can inspect them after the object has been destroyed.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/HostAccountSumCursor.h"
#include "host/HostConnection.h"
#include "host/HostDataManager.h"
#include "host/HostDataSetTable.h"
#include "host/HostFileManager.h"
#include "host/HostFiscalCalendar.h"
#include "host/HostLinkManager.h"
#include "host/HostRecords.h"
#include "host/HostStatementStore.h"
#include "host/HostTaxSettings.h"
#include "host/HostUserSession.h"

namespace ferrolin {

// ---- Records -----------------------------------------------------------------------------------

// A zeroed DataSetInfo with the fields most tests need.
DataSetInfo MakeDataSetInfo(const std::string& dataId, std::int32_t dataNo,
                            std::int32_t periodStart = 20020401, std::int32_t periodEnd = 20030331);

// A zeroed AccountSumRecord with code, nature, balance side and the two names (code page 932).
AccountSumRecord MakeAccountRecord(std::int32_t accountCode, std::uint32_t natureCode,
                                   std::uint8_t balanceSide = 1, const std::string& formalName = "",
                                   const std::string& secondName = "");

// ---- Singletons --------------------------------------------------------------------------------

class FakeHostConnection : public HostConnection {
public:
    struct Message {
        HWND owner;
        std::string text;  // code page 932
        std::string caption;
        UINT type;
    };

    void SetAppType(std::int32_t editionCode) override;
    void SetUseDataType(std::int32_t dataType) override;
    std::int32_t Initiate() override;
    std::int32_t ExpSysLink() override;
    std::int32_t DispMsg(HWND owner, const std::string& text, const std::string& caption,
                         UINT type) override;
    void LogOut() override;
    void Terminate() override;
    void Release() override;

    std::int32_t initiateResult = 0;
    std::int32_t expSysLinkResult = 0;
    std::int32_t dispMsgResult = 1;

    // One line per call in call order: "SetAppType(3)", "SetUseDataType(1)", "Initiate",
    // "ExpSysLink", "DispMsg", "LogOut", "Terminate", "Release".
    std::vector<std::string> calls;
    std::vector<Message> messages;  // every DispMsg in order
};

class FakeHostFileManager : public HostFileManager {
public:
    std::string GetAppFolderPath(std::int32_t kind) override;

    std::map<std::int32_t, std::string> folders;  // kinds missing here give an empty text
};

class FakeHostUserSession : public HostUserSession {
public:
    std::int32_t GetCurUserID(char* userId) override;
    std::int32_t GetSelectedNo(const char* userId, std::int32_t* no1, std::int32_t* no2) override;

    std::string userId = "user01";
    std::int32_t selectedNo1 = 1;
    std::int32_t selectedNo2 = 1;           // the selected data set's dataNo
    std::vector<std::string> userIdsAsked;  // the IDs given to GetSelectedNo
};

class FakeHostDataSetTable : public HostDataSetTable {
public:
    std::int32_t GetDatCursor(HostDatCursor* cursor) override;
    std::int32_t ReadyDat(HostDatCursor cursor, std::int32_t mode) override;
    std::int32_t WalkDat(DataSetInfo* info, HostDatCursor cursor) override;
    std::int32_t ReleaseDatCursor(HostDatCursor cursor) override;
    const DataSetInfo* GetSelectedInfo() override;

    std::vector<DataSetInfo> records;     // what WalkDat delivers, in order
    std::optional<DataSetInfo> selected;  // what GetSelectedInfo points to; none: null

    int cursorsOpened = 0;
    int cursorsReleased = 0;
    std::vector<std::int32_t> readyModes;

private:
    HostDatCursor m_nextCursor = 100;
    std::map<HostDatCursor, std::size_t> m_positions;
};

class FakeHostTaxSettings : public HostTaxSettings {
public:
    std::int32_t AttachSetMgr(HostSetMgr* setMgr) override;
    std::int32_t SetCurDataID(const char* dataId) override;
    std::int32_t Get(TaxSettingsInfo* info) override;

    TaxSettingsInfo info{};
    std::int32_t getResult = 0;  // non-zero: Get fails and leaves its record untouched

    HostSetMgr* attachedSetMgr = nullptr;
    std::string dataIdSet;
};

class FakeHostDataManager : public HostDataManager {
public:
    HostSetMgr* GetSetMgr() override { return setMgr; }
    HostSetObject* GetSetObject(std::int32_t kind, std::int32_t sub) override;
    HostUserSession* GetSysUserObject() override { return userSession; }

    HostSetMgr* setMgr = nullptr;
    HostSetObject* dataSetTable = nullptr;  // answer to (5, 1)
    HostSetObject* taxSettings = nullptr;   // answer to (4, 1)
    HostUserSession* userSession = nullptr;
    std::vector<std::pair<std::int32_t, std::int32_t>> setObjectRequests;
};

class FakeHostLinkManager : public HostLinkManager {
public:
    HostOptLink* GetOptLink() override { return optLink; }
    HostOptLink* optLink = nullptr;
};

// ---- Objects made by the component -------------------------------------------------------------

// Settings and log shared by every cursor the factory makes.
struct FakeCursorScript {
    bool createFails = false;

    // The records delivered in order. When `generate` is set it is asked for record i instead,
    // so large walks need no stored records.
    std::vector<AccountSumRecord> records;
    std::function<AccountSumRecord(std::uint32_t index)> generate;
    std::uint32_t generatedCount = 0;    // number of records `generate` delivers
    std::optional<std::uint32_t> count;  // what GetSumCount reports; none: the number of records

    std::int32_t getSumCountResult = 0;
    std::int32_t setMovePosResult = 0;
    std::optional<std::uint32_t> moveNextFailAt;  // 0-based MoveNext call that fails with -1

    // Log, kept across cursor objects.
    int created = 0;
    int destroyed = 0;
    std::vector<std::string> calls;  // "AttachSetMgr", "SetCurDataID", ..., except MoveNext
    std::uint32_t moveNextCalls = 0;
    HostSetMgr* attachedSetMgr = nullptr;
    HostOptLink* attachedOptLink = nullptr;
    std::string dataIdSet;
    std::optional<SumQuery> query;        // the request given to MoveReady
    bool moveNextGotZeroedRecord = true;  // false once a MoveNext received a dirty record

    std::uint32_t RecordCount() const;
};

class FakeHostAccountSumCursor : public HostAccountSumCursor {
public:
    explicit FakeHostAccountSumCursor(FakeCursorScript& script);
    ~FakeHostAccountSumCursor() override;

    std::int32_t AttachSetMgr(HostSetMgr* setMgr) override;
    std::int32_t SetCurDataID(const char* dataId) override;
    std::int32_t AttachOptLink(HostOptLink* optLink) override;
    std::int32_t MoveReady(std::int32_t mode, std::int32_t a, std::int32_t b, const SumQuery* query,
                           const void* department, std::int32_t c) override;
    std::int32_t GetSumCount(std::uint32_t* count) override;
    std::int32_t SetMovePos(std::int32_t position) override;
    std::int32_t MoveNext(AccountSumRecord* record) override;
    std::int32_t MoveFinish() override;

private:
    FakeCursorScript& m_script;
    std::uint32_t m_position = 0;
};

struct FakeStatementKind {
    std::optional<std::string> text;  // none: no text is handed out
    std::int32_t result = 0;
    bool textOnFailure = true;  // a failing call still hands out its text
};

struct FakeStoreScript {
    bool createFails = false;
    std::map<std::int32_t, FakeStatementKind> kinds;  // kinds missing here fail with 1, no text

    int created = 0;
    int destroyed = 0;
    std::vector<std::string> calls;  // "AttachSetMgr", "SetCurDataID", "AttachOptLink", "Get(100)"
    HostSetMgr* attachedSetMgr = nullptr;
    HostOptLink* attachedOptLink = nullptr;
    std::string dataIdSet;
    std::uint64_t textsHandedOut = 0;
};

class FakeHostStatementStore : public HostStatementStore {
public:
    explicit FakeHostStatementStore(FakeStoreScript& script);
    ~FakeHostStatementStore() override;

    std::int32_t AttachSetMgr(HostSetMgr* setMgr) override;
    std::int32_t SetCurDataID(const char* dataId) override;
    std::int32_t AttachOptLink(HostOptLink* optLink) override;
    std::int32_t GetDataType02(std::int32_t kind, char** text, std::int32_t* length) override;

private:
    FakeStoreScript& m_script;
};

// The stand-in fiscal calendar: the closing day is the day of the period end, or month end
// (written as 0) when the period end is the last day of its month. A date belongs to its calendar
// month under month-end closing; otherwise to the next month when its day is after the closing day.
struct FakeCalendarScript {
    bool createFails = false;
    int created = 0;
    int destroyed = 0;
    std::vector<std::string> calls;
};

class FakeHostFiscalCalendar : public HostFiscalCalendar {
public:
    explicit FakeHostFiscalCalendar(FakeCalendarScript& script);
    ~FakeHostFiscalCalendar() override;

    std::int32_t SetPeriod(std::int32_t periodStart, std::int32_t periodEnd) override;
    std::int32_t GetClosingDayByEndDate(std::int32_t periodEnd, std::int32_t mode,
                                        std::int16_t* closingDay) override;
    std::int32_t SetClosingDay(std::int16_t closingDay) override;
    std::int32_t GetAMonthByDate(std::int32_t date, std::int16_t* month,
                                 std::int32_t mode) override;

private:
    FakeCalendarScript& m_script;
    std::int16_t m_closingDay = 0;  // 0: month end
};

// ---- The fixture -------------------------------------------------------------------------------

// Installs every fake for its lifetime and wires the managers to each other: the data manager
// hands out `dataSets`, `taxSettings` and `user`; `dataSets.selected` starts as the data set
// "DATA0001" with dataNo 1. The destructor uninstalls everything.
class FakeHost {
public:
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    FakeHostConnection connection;
    FakeHostFileManager files;
    FakeHostDataManager data;
    FakeHostLinkManager link;
    FakeHostUserSession user;
    FakeHostDataSetTable dataSets;
    FakeHostTaxSettings taxSettings;

    FakeCursorScript cursor;
    FakeStoreScript store;
    FakeCalendarScript calendar;

    // The opaque handles the managers hand out, for checking that they are passed along.
    HostSetMgr* const setMgr;
    HostOptLink* const optLink;
};

}  // namespace ferrolin
