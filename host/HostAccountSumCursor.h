#pragma once
// The host's per-account sum cursor (hostcore). The component makes its own with Create().

#include <cstdint>

#include "host/HostInstall.h"
#include "host/HostRecords.h"

namespace ferrolin {

// MoveNext's answer after the last record.
constexpr std::int32_t kHostEndOfData = 5000;

class HostAccountSumCursor : public HostCreatable<HostAccountSumCursor> {
public:
    virtual ~HostAccountSumCursor() = default;
    virtual std::int32_t AttachSetMgr(HostSetMgr* setMgr) = 0;
    virtual std::int32_t SetCurDataID(const char* dataId) = 0;
    virtual std::int32_t AttachOptLink(HostOptLink* optLink) = 0;
    // Prepares the walk for the request; called with 1, 0, 0, the request, null, 0.
    virtual std::int32_t MoveReady(std::int32_t mode, std::int32_t a, std::int32_t b,
                                   const SumQuery* query, const void* department,
                                   std::int32_t c) = 0;
    // 0: `count` holds the number of records to walk.
    virtual std::int32_t GetSumCount(std::uint32_t* count) = 0;
    virtual std::int32_t SetMovePos(std::int32_t position) = 0;
    // 0: `record` holds the next account; kHostEndOfData: no more; other: error.
    virtual std::int32_t MoveNext(AccountSumRecord* record) = 0;
    virtual std::int32_t MoveFinish() = 0;
};

}  // namespace ferrolin
