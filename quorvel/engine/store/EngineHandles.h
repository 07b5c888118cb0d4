#pragma once
// The opaque set-manager and link-option handles of the stand-in engine. The managers hand them
// out and the engine objects check that they are attached to exactly these.

#include "host/HostInstall.h"

namespace quorvel {

ferrolin::HostSetMgr* EngineSetMgr();
ferrolin::HostOptLink* EngineOptLink();

}  // namespace quorvel
