#pragma once
// The data set's consumption-tax settings (hostcore): GetSetObject(4, 1).

#include <cstdint>

#include "host/HostInstall.h"
#include "host/HostRecords.h"
#include "host/HostSetObject.h"

namespace ferrolin {

class HostTaxSettings : public HostSetObject {
public:
    virtual std::int32_t AttachSetMgr(HostSetMgr* setMgr) = 0;
    virtual std::int32_t SetCurDataID(const char* dataId) = 0;
    // 0: `info` was filled.
    virtual std::int32_t Get(TaxSettingsInfo* info) = 0;
};

}  // namespace ferrolin
