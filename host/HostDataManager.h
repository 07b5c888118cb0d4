#pragma once
// The host's data manager (hostcommon).

#include <cstdint>

#include "host/HostInstall.h"
#include "host/HostSetObject.h"
#include "host/HostUserSession.h"

namespace ferrolin {

class HostDataManager : public HostSingleton<HostDataManager> {
public:
    virtual ~HostDataManager() = default;
    // Passed unchanged to every AttachSetMgr.
    virtual HostSetMgr* GetSetMgr() = 0;
    // (5, 1): the HostDataSetTable; (4, 1): the HostTaxSettings. Host-owned; null when unknown.
    virtual HostSetObject* GetSetObject(std::int32_t kind, std::int32_t sub) = 0;
    virtual HostUserSession* GetSysUserObject() = 0;
};

}  // namespace ferrolin
