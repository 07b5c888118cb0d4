#include "quorvel/engine/hostcommon/StandInDataManager.h"

#include "quorvel/engine/store/EngineHandles.h"

namespace quorvel {

ferrolin::HostSetMgr* StandInDataManager::GetSetMgr() { return EngineSetMgr(); }

ferrolin::HostSetObject* StandInDataManager::GetSetObject(std::int32_t kind, std::int32_t sub) {
    if (kind == 5 && sub == 1) return &m_dataSets;
    if (kind == 4 && sub == 1) return &m_taxSettings;
    return nullptr;
}

}  // namespace quorvel
