#include "quorvel/engine/store/EngineHandles.h"

namespace quorvel {
namespace {
// Only the addresses matter: the handles are never dereferenced.
char g_setMgrToken;
char g_optLinkToken;
}  // namespace

ferrolin::HostSetMgr* EngineSetMgr() {
    return reinterpret_cast<ferrolin::HostSetMgr*>(&g_setMgrToken);
}

ferrolin::HostOptLink* EngineOptLink() {
    return reinterpret_cast<ferrolin::HostOptLink*>(&g_optLinkToken);
}

}  // namespace quorvel
