#pragma once
// The host's link manager (hostcommon).

#include "host/HostInstall.h"

namespace ferrolin {

class HostLinkManager : public HostSingleton<HostLinkManager> {
public:
    virtual ~HostLinkManager() = default;
    // Passed unchanged to every AttachOptLink.
    virtual HostOptLink* GetOptLink() = 0;
};

}  // namespace ferrolin
