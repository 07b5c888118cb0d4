#include "dataset/SelectedDataSet.h"

#include <cstdint>
#include <cstring>

#include "dataset/DataSetId.h"
#include "host/HostTaxSettings.h"
#include "host/HostUserSession.h"

namespace ferrolin {
namespace {

constexpr std::int32_t kDataSetTableKind = 5;
constexpr std::int32_t kTaxSettingsKind = 4;

}  // namespace

HostDataSetTable* FetchDataSetTable(HostDataManager& data) {
    return dynamic_cast<HostDataSetTable*>(data.GetSetObject(kDataSetTableKind, 1));
}

bool ReadSelectedDataSet(HostDataSetTable*& dataSetTable, DataSetInfo& out) {
    std::memset(&out, 0, sizeof out);
    HostDataManager* data = HostDataManager::Inst();
    if (data == nullptr) return false;
    if (dataSetTable == nullptr) {
        dataSetTable = FetchDataSetTable(*data);
    }
    HostUserSession* user = data->GetSysUserObject();
    if (dataSetTable == nullptr || user == nullptr) return false;

    char userId[kUserIdSize] = {};
    std::int32_t selectionGroup = 0;
    std::int32_t selectionNo = 0;
    user->GetCurUserID(userId);
    userId[kUserIdSize - 1] = '\0';
    user->GetSelectedNo(userId, &selectionGroup, &selectionNo);

    HostDatCursor cursor = 0;
    dataSetTable->GetDatCursor(&cursor);
    dataSetTable->ReadyDat(cursor, 0);
    bool found = false;
    DataSetInfo work{};
    while (dataSetTable->WalkDat(&work, cursor) == 0) {
        if (work.dataNo == selectionNo) {
            out = work;
            found = true;
            break;
        }
    }
    dataSetTable->ReleaseDatCursor(cursor);
    return found;
}

bool ReadTaxSettings(TaxSettingsInfo& out, const DataSetInfo& dataSet) {
    HostDataManager* data = HostDataManager::Inst();
    if (data == nullptr) return false;
    auto* settings = dynamic_cast<HostTaxSettings*>(data->GetSetObject(kTaxSettingsKind, 1));
    if (settings == nullptr) return false;
    settings->AttachSetMgr(data->GetSetMgr());
    settings->SetCurDataID(DataSetIdOf(dataSet).c_str());

    TaxSettingsInfo work{};
    if (settings->Get(&work) != 0) return false;
    out = work;
    return true;
}

}  // namespace ferrolin
