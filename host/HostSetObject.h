#pragma once
// Base of the host-owned objects that HostDataManager::GetSetObject hands out.

namespace ferrolin {

class HostSetObject {
public:
    virtual ~HostSetObject() = default;
};

}  // namespace ferrolin
