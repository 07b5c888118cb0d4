#pragma once
// The host's saved financial statements (hostcore). The component makes its own with Create().

#include <cstdint>

#include "host/HostInstall.h"

namespace ferrolin {

class HostStatementStore : public HostCreatable<HostStatementStore> {
public:
    virtual ~HostStatementStore() = default;
    virtual std::int32_t AttachSetMgr(HostSetMgr* setMgr) = 0;
    virtual std::int32_t SetCurDataID(const char* dataId) = 0;
    virtual std::int32_t AttachOptLink(HostOptLink* optLink) = 0;
    // Kind 100, 0 or 1000. 0: `*text` holds a zero-terminated text allocated with CoTaskMemAlloc,
    // which the caller releases with CoTaskMemFree. A text set on failure must be released too.
    virtual std::int32_t GetDataType02(std::int32_t kind, char** text, std::int32_t* length) = 0;
};

}  // namespace ferrolin
