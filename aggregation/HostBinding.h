#pragma once
// What the component's own engine objects (the account-sum cursor, the statement store) are bound
// to before use: the host's set manager, the data set selected in the host and the link options.

#include <optional>
#include <string>

#include "host/HostInstall.h"

namespace ferrolin {

struct HostBinding {
    HostSetMgr* setMgr = nullptr;
    std::string dataId;  // of the data set selected in the host
    HostOptLink* optLink = nullptr;
};

// None when the host's managers or its selected data set cannot be reached: an object bound to
// no data set would read nothing sound.
std::optional<HostBinding> SelectedDataBinding();

template <class EngineObject>
void Bind(EngineObject& object, const HostBinding& binding) {
    object.AttachSetMgr(binding.setMgr);
    object.SetCurDataID(binding.dataId.c_str());
    object.AttachOptLink(binding.optLink);
}

}  // namespace ferrolin
