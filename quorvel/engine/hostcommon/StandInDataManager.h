#pragma once
// The data manager: hands out the engine's set manager and its host-owned objects.

#include "host/HostDataManager.h"
#include "quorvel/engine/hostcore/StandInDataSetTable.h"
#include "quorvel/engine/hostcore/StandInTaxSettings.h"
#include "quorvel/engine/hostcore/StandInUserSession.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInDataManager : public ferrolin::HostDataManager {
public:
    explicit StandInDataManager(HostStore& store)
        : m_dataSets(store), m_taxSettings(store), m_session(store) {}

    ferrolin::HostSetMgr* GetSetMgr() override;
    // (5, 1) the data set table, (4, 1) the tax settings; null for anything else.
    ferrolin::HostSetObject* GetSetObject(std::int32_t kind, std::int32_t sub) override;
    ferrolin::HostUserSession* GetSysUserObject() override { return &m_session; }

private:
    StandInDataSetTable m_dataSets;
    StandInTaxSettings m_taxSettings;
    StandInUserSession m_session;
};

}  // namespace quorvel
