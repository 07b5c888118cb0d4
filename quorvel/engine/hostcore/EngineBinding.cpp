#include "quorvel/engine/hostcore/EngineBinding.h"

namespace quorvel {

// Out of line on purpose: inlined into a caller that passes a short literal ID, GCC 12's
// -Wrestrict reports a false overlap in the string assignment at -O2 and above.

std::int32_t EngineBinding::AttachSetMgr(ferrolin::HostSetMgr* setMgr) {
    if (setMgr != EngineSetMgr()) return kEngineBadArgument;
    m_hasSetMgr = true;
    return kEngineOk;
}

std::int32_t EngineBinding::AttachOptLink(ferrolin::HostOptLink* optLink) {
    if (optLink != EngineOptLink()) return kEngineBadArgument;
    m_hasOptLink = true;
    return kEngineOk;
}

std::int32_t EngineBinding::SetCurDataID(const char* dataId) {
    if (dataId == nullptr) return kEngineBadArgument;
    m_dataId = dataId;
    m_hasDataId = true;
    return kEngineOk;
}

}  // namespace quorvel
