#include "app/BackendChoice.h"

#include <string_view>

namespace ferrolin {

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

BackendChoice ChooseBackend(const char* ferrolinUi, const char* display,
                            const char* waylandDisplay) {
    constexpr std::string_view kScriptPrefix = "script:";
    if (IsSet(ferrolinUi)) {
        const std::string_view ui(ferrolinUi);
        if (ui == "wx") return {BackendChoice::Wx, {}};
        if (ui.starts_with(kScriptPrefix) && ui.size() > kScriptPrefix.size())
            return {BackendChoice::Script, std::string(ui.substr(kScriptPrefix.size()))};
        return {BackendChoice::Unknown, {}};
    }
    if (IsSet(display) || IsSet(waylandDisplay)) return {BackendChoice::Wx, {}};
    return {BackendChoice::None, {}};
}

}  // namespace ferrolin
