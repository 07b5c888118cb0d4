#pragma once
// The connection to the running host (hostlink).

#include <cstdint>
#include <string>

#include "host/HostInstall.h"
#include "platform/window/WindowTypes.h"

namespace ferrolin {

class HostConnection : public HostSingleton<HostConnection> {
public:
    virtual ~HostConnection() = default;

    std::string m_caption;  // set to the component's caption before anything else
    HWND m_hOwnerWnd = 0;   // the host window after a complete command line

    virtual void SetAppType(std::int32_t editionCode) = 0;
    virtual void SetUseDataType(std::int32_t dataType) = 0;
    // 0: connected; anything else ends the run silently.
    virtual std::int32_t Initiate() = 0;
    // 0: the link may run; 1: stop as cancelled; other: stop as failed.
    virtual std::int32_t ExpSysLink() = 0;
    // Shows `text` (code page 932) as a message box, with "ES_APRPACKAGENAME" replaced by the
    // target package's name. The result is ignored by the component.
    virtual std::int32_t DispMsg(HWND owner, const std::string& text, const std::string& caption,
                                 UINT type) = 0;
    virtual void LogOut() = 0;
    virtual void Terminate() = 0;
    virtual void Release() = 0;
};

}  // namespace ferrolin
