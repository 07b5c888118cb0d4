#include "quorvel/engine/hostlink/StandInConnection.h"

#include <string_view>

#include "platform/text/Cp932.h"
#include "platform/window/WindowServices.h"
#include "quorvel/engine/store/EngineStatus.h"

namespace quorvel {

std::string ReplacePackageName(const std::string& text, const std::string& name) {
    static constexpr std::string_view kPlaceholder = "ES_APRPACKAGENAME";
    std::string result;
    // Walked by character so that the trail byte of a double-byte character never starts a match.
    for (std::size_t pos = 0; pos < text.size();) {
        if (std::string_view(text).substr(pos, kPlaceholder.size()) == kPlaceholder) {
            result += name;
            pos += kPlaceholder.size();
            continue;
        }
        const std::size_t length = ferrolin::CharLengthAt(text, pos);
        result.append(text, pos, length);
        pos += length;
    }
    return result;
}

std::int32_t StandInConnection::Initiate() {
    std::string error;
    if (!m_store.Open(&error)) {
        m_store.Report(error);
        return kEngineStoreError;
    }
    const auto result = m_store.IntSetting("initiate_result", 0);
    return result.value_or(kEngineStoreError);
}

std::int32_t StandInConnection::ExpSysLink() {
    return m_store.IntSetting("exp_sys_link", 0).value_or(kEngineStoreError);
}

std::int32_t StandInConnection::DispMsg(ferrolin::HWND owner, const std::string& text,
                                        const std::string& caption, ferrolin::UINT type) {
    // The box must still say something when the store cannot be read, so the default name stands.
    const std::string name =
        m_store.TextSetting("target_package_name", "Vantoro").value_or("Vantoro");
    return ferrolin::MessageBoxA(owner, ReplacePackageName(text, name), caption, type);
}

void StandInConnection::Terminate() { m_store.Close(); }

}  // namespace quorvel
