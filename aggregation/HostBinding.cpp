#include "aggregation/HostBinding.h"

#include "dataset/DataSetId.h"
#include "host/HostDataManager.h"
#include "host/HostDataSetTable.h"
#include "host/HostLinkManager.h"

namespace ferrolin {

std::optional<HostBinding> SelectedDataBinding() {
    HostDataManager* data = HostDataManager::Inst();
    HostLinkManager* link = HostLinkManager::Inst();
    if (data == nullptr || link == nullptr) return std::nullopt;
    auto* table = dynamic_cast<HostDataSetTable*>(data->GetSetObject(5, 1));
    const DataSetInfo* selected = table != nullptr ? table->GetSelectedInfo() : nullptr;
    if (selected == nullptr) return std::nullopt;
    return HostBinding{data->GetSetMgr(), DataSetIdOf(*selected), link->GetOptLink()};
}

}  // namespace ferrolin
