#pragma once
// The host's table of data sets (hostcore): GetSetObject(5, 1).

#include <cstdint>

#include "host/HostRecords.h"
#include "host/HostSetObject.h"

namespace ferrolin {

using HostDatCursor = std::int64_t;

class HostDataSetTable : public HostSetObject {
public:
    virtual std::int32_t GetDatCursor(HostDatCursor* cursor) = 0;
    virtual std::int32_t ReadyDat(HostDatCursor cursor, std::int32_t mode) = 0;
    // 0: `info` holds the next data set; non-zero: no more.
    virtual std::int32_t WalkDat(DataSetInfo* info, HostDatCursor cursor) = 0;
    virtual std::int32_t ReleaseDatCursor(HostDatCursor cursor) = 0;
    // The data set selected in the host; its dataId names the data set for the engine objects.
    // Host-owned; null when nothing is selected.
    virtual const DataSetInfo* GetSelectedInfo() = 0;
};

}  // namespace ferrolin
