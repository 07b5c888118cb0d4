#pragma once
// The link manager: hands out the engine's link option.

#include "host/HostLinkManager.h"
#include "quorvel/engine/store/EngineHandles.h"

namespace quorvel {

class StandInLinkManager : public ferrolin::HostLinkManager {
public:
    ferrolin::HostOptLink* GetOptLink() override { return EngineOptLink(); }
};

}  // namespace quorvel
