#include "aggregation/HostBinding.h"

#include "dataset/DataSetId.h"
#include "dataset/SelectedDataSet.h"
#include "host/HostLinkManager.h"

namespace ferrolin {

std::optional<HostBinding> SelectedDataBinding() {
    HostDataManager* data = HostDataManager::Inst();
    HostLinkManager* link = HostLinkManager::Inst();
    if (data == nullptr || link == nullptr) return std::nullopt;
    HostDataSetTable* table = FetchDataSetTable(*data);
    const DataSetInfo* selected = table != nullptr ? table->GetSelectedInfo() : nullptr;
    if (selected == nullptr) return std::nullopt;
    return HostBinding{data->GetSetMgr(), DataSetIdOf(*selected), link->GetOptLink()};
}

}  // namespace ferrolin
