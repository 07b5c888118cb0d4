#include <gtest/gtest.h>

#include "app/BackendChoice.h"

namespace ferrolin {
namespace {

TEST(BackendChoice, FollowsFerrolinUiThenTheDisplay) {
    struct Case {
        const char* ui;
        const char* display;
        const char* wayland;
        BackendChoice::Kind kind;
        const char* script;
    };
    const Case cases[] = {
        {"script:/tmp/run.script", ":0", nullptr, BackendChoice::Script, "/tmp/run.script"},
        {"wx", nullptr, nullptr, BackendChoice::Wx, ""},
        {nullptr, ":0", nullptr, BackendChoice::Wx, ""},
        {nullptr, nullptr, "wayland-0", BackendChoice::Wx, ""},
        {"", "", nullptr, BackendChoice::None, ""},
        {nullptr, nullptr, nullptr, BackendChoice::None, ""},
        {"script:", ":0", nullptr, BackendChoice::Unknown, ""},
        {"headless", ":0", nullptr, BackendChoice::Unknown, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ui ? c.ui : "(unset)");
        const BackendChoice choice = ChooseBackend(c.ui, c.display, c.wayland);
        EXPECT_EQ(choice.kind, c.kind);
        EXPECT_EQ(choice.scriptPath, c.script);
    }
}

}  // namespace
}  // namespace ferrolin
