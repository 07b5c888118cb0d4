#pragma once
// The connection to the stand-in host. Initiate opens the store (QUORVEL_STORE) and answers
// host_setting initiate_result; ExpSysLink answers exp_sys_link; DispMsg shows the text through
// the window model with "ES_APRPACKAGENAME" replaced by target_package_name.

#include "host/HostConnection.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInConnection : public ferrolin::HostConnection {
public:
    explicit StandInConnection(HostStore& store) : m_store(store) {}

    void SetAppType(std::int32_t editionCode) override { m_appType = editionCode; }
    void SetUseDataType(std::int32_t dataType) override { m_useDataType = dataType; }
    // kEngineStoreError when the store is missing or unreadable, or the setting is not a number.
    std::int32_t Initiate() override;
    std::int32_t ExpSysLink() override;
    std::int32_t DispMsg(ferrolin::HWND owner, const std::string& text, const std::string& caption,
                         ferrolin::UINT type) override;
    void LogOut() override {}
    void Terminate() override;
    void Release() override {}

    std::int32_t AppType() const { return m_appType; }
    std::int32_t UseDataType() const { return m_useDataType; }

private:
    HostStore& m_store;
    std::int32_t m_appType = -1;
    std::int32_t m_useDataType = -1;
};

// `text` with every "ES_APRPACKAGENAME" that starts on a character boundary replaced by `name`.
std::string ReplacePackageName(const std::string& text, const std::string& name);

}  // namespace quorvel
