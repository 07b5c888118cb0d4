#pragma once
// What an engine object that reads one data set must be given before it answers: the engine's
// set manager, its link option and the data set's ID.

#include <cstdint>
#include <string>

#include "host/HostInstall.h"
#include "quorvel/engine/store/EngineHandles.h"
#include "quorvel/engine/store/EngineStatus.h"

namespace quorvel {

class EngineBinding {
public:
    std::int32_t AttachSetMgr(ferrolin::HostSetMgr* setMgr);
    std::int32_t AttachOptLink(ferrolin::HostOptLink* optLink);
    std::int32_t SetCurDataID(const char* dataId);

    bool HasSetMgrAndDataId() const { return m_hasSetMgr && m_hasDataId; }
    bool HasAll() const { return m_hasSetMgr && m_hasOptLink && m_hasDataId; }
    // The data set's ID in code page 932, as SetCurDataID gave it.
    const std::string& DataId() const { return m_dataId; }

private:
    bool m_hasSetMgr = false;
    bool m_hasOptLink = false;
    bool m_hasDataId = false;
    std::string m_dataId;
};

}  // namespace quorvel
