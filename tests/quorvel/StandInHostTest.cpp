// The installed stand-in host, reached only through the host interfaces, as the component does.

#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "host/HostAccountSumCursor.h"
#include "host/HostConnection.h"
#include "host/HostDataManager.h"
#include "host/HostDataSetTable.h"
#include "host/HostFileManager.h"
#include "host/HostFiscalCalendar.h"
#include "host/HostLinkManager.h"
#include "host/HostStatementStore.h"
#include "host/HostTaskMemory.h"
#include "host/HostTaxSettings.h"
#include "quorvel/engine/StandInHost.h"

namespace quorvel {
namespace {

using namespace ferrolin;

TEST(StandInHost, InstallsEveryObjectOverTheStore) {
    test::StoreFixture fixture(R"sql(
INSERT INTO host_setting VALUES ('app_folder_0', 'Z:\out');
INSERT INTO user_selection VALUES ('USER01', 1, 3);
INSERT INTO data_set (walk_order, data_id, data_no, company_name, period_start, period_end,
  amount_basis_flag) VALUES (1, 'SEL', 3, 'c', 20240401, 20250331, 1);
INSERT INTO account VALUES ('SEL', 1, 100, 'a', '', 0, 1, 0x80880000);
INSERT INTO statement_text VALUES ('SEL', 0, 'Note=1');
)sql");
    InstallStandInHost();
    InstallStandInHost();  // a second call changes nothing
    ASSERT_NE(HostConnection::Inst(), nullptr);
    ASSERT_EQ(HostConnection::Inst()->Initiate(), 0);
    EXPECT_EQ(HostFileManager::Inst()->GetAppFolderPath(0), "Z:\\out\\");

    HostDataManager* data = HostDataManager::Inst();
    ASSERT_NE(data, nullptr);
    auto* table = dynamic_cast<HostDataSetTable*>(data->GetSetObject(5, 1));
    auto* tax = dynamic_cast<HostTaxSettings*>(data->GetSetObject(4, 1));
    ASSERT_NE(table, nullptr);
    ASSERT_NE(tax, nullptr);
    EXPECT_EQ(data->GetSetObject(5, 2), nullptr);
    ASSERT_NE(data->GetSysUserObject(), nullptr);
    const DataSetInfo* selected = table->GetSelectedInfo();
    ASSERT_NE(selected, nullptr);

    tax->AttachSetMgr(data->GetSetMgr());
    tax->SetCurDataID(selected->dataId);
    TaxSettingsInfo settings{};
    ASSERT_EQ(tax->Get(&settings), 0);
    EXPECT_EQ(settings.amountBasisFlag, 1);

    auto cursor = HostAccountSumCursor::Create();
    ASSERT_NE(cursor, nullptr);
    cursor->AttachSetMgr(data->GetSetMgr());
    cursor->SetCurDataID(selected->dataId);
    cursor->AttachOptLink(HostLinkManager::Inst()->GetOptLink());
    SumQuery query{};
    cursor->MoveReady(1, 0, 0, &query, nullptr, 0);
    std::uint32_t count = 0;
    ASSERT_EQ(cursor->GetSumCount(&count), 0);
    EXPECT_EQ(count, 1u);

    auto statements = HostStatementStore::Create();
    ASSERT_NE(statements, nullptr);
    statements->AttachSetMgr(data->GetSetMgr());
    statements->SetCurDataID(selected->dataId);
    statements->AttachOptLink(HostLinkManager::Inst()->GetOptLink());
    char* text = nullptr;
    std::int32_t length = 0;
    ASSERT_EQ(statements->GetDataType02(0, &text, &length), 0);
    EXPECT_STREQ(text, "Note=1");
    CoTaskMemFree(text);

    auto calendar = HostFiscalCalendar::Create();
    ASSERT_NE(calendar, nullptr);
    std::int16_t month = 0;
    calendar->SetClosingDay(31);
    ASSERT_EQ(calendar->GetAMonthByDate(selected->periodStart, &month, 0), 0);
    EXPECT_EQ(month, 4);

    HostConnection::Inst()->LogOut();
    HostConnection::Inst()->Terminate();
    HostConnection::Inst()->Release();
}

}  // namespace
}  // namespace quorvel
