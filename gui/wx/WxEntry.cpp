#include "gui/wx/WxEntry.h"

#include "gui/wx/WxBackend.h"
#include "gui/wx/WxSession.h"

namespace ferrolin {

std::optional<int> RunWithWxBackend(int argc, char** argv, const std::function<int()>& run) {
    WxSession session(argc > 0 ? argv[0] : nullptr);
    if (!session.IsStarted()) return std::nullopt;
    int result = 0;
    {
        WxBackend backend;
        result = run();
        backend.PaintAll();
    }
    return result;
}

}  // namespace ferrolin
