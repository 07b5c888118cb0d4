// The documented lines that quorvel-host launch prints for window events.

#include <gtest/gtest.h>

#include "quorvel/tool/HostWindowEventLine.h"

namespace quorvel {
namespace {

using ferrolin::HostWindowEvent;
using ferrolin::HostWindowEventKind;

TEST(HostWindowEventLine, OneLinePerKindOfEvent) {
    auto event = [](HostWindowEventKind kind) {
        HostWindowEvent e;
        e.kind = kind;
        return e;
    };
    HostWindowEvent enabled = event(HostWindowEventKind::Enable);
    enabled.enable = true;
    HostWindowEvent adopted = event(HostWindowEventKind::SetParent);
    adopted.child = 4294967297;
    adopted.parent = 77;
    HostWindowEvent reparented = event(HostWindowEventKind::SetParent);
    reparented.child = 77;
    reparented.parent = 4294967300;
    HostWindowEvent posted = event(HostWindowEventKind::Post);
    posted.message = 32768;
    posted.wParam = 18446744073709518848ull;  // function ID -32768, sign-extended
    posted.lParam = 1;
    const std::pair<HostWindowEvent, const char*> cases[] = {
        {event(HostWindowEventKind::Enable), "host window 77: disabled"},
        {enabled, "host window 77: enabled"},
        {adopted, "host window 77: now parent of window 4294967297"},
        {reparented, "host window 77: parent set to window 4294967300"},
        {event(HostWindowEventKind::Foreground), "host window 77: brought to foreground"},
        {event(HostWindowEventKind::Top), "host window 77: brought to top"},
        {posted, "host window 77: posted message 32768 wparam 18446744073709518848 lparam 1"},
    };
    for (const auto& [e, line] : cases) EXPECT_EQ(HostWindowEventLine(77, e), line);
}

}  // namespace
}  // namespace quorvel
