// The datagram format of the host window transport.

#include <gtest/gtest.h>

#include "platform/hostwindow/HostWindowProtocol.h"

namespace ferrolin {
namespace {

HostWindowEvent Post(UINT message, WPARAM wParam, LPARAM lParam) {
    HostWindowEvent event;
    event.kind = HostWindowEventKind::Post;
    event.message = message;
    event.wParam = wParam;
    event.lParam = lParam;
    return event;
}

TEST(HostWindowProtocol, EveryEventSurvivesTheRoundTrip) {
    HostWindowEvent disable;
    HostWindowEvent enable;
    enable.enable = true;
    HostWindowEvent parent;
    parent.kind = HostWindowEventKind::SetParent;
    parent.child = 0x100000001LL;
    parent.parent = -2147483648LL;
    HostWindowEvent foreground;
    foreground.kind = HostWindowEventKind::Foreground;
    HostWindowEvent top;
    top.kind = HostWindowEventKind::Top;
    const std::pair<HostWindowEvent, std::string> cases[] = {
        {disable, "enable 0"},
        {enable, "enable 1"},
        {parent, "setparent 4294967297 -2147483648"},
        {foreground, "foreground"},
        {top, "top"},
        {Post(32768, 3, 0), "post 32768 3 0"},
        // A negative function ID arrives sign-extended; the extremes of each field fit.
        {Post(4294967295u, 18446744073709551615ull, -9223372036854775807LL - 1),
         "post 4294967295 18446744073709551615 -9223372036854775808"},
    };
    for (const auto& [event, datagram] : cases) {
        EXPECT_EQ(FormatHostWindowDatagram(event), datagram);
        EXPECT_LE(datagram.size(), kHostWindowDatagramMax);
        const auto parsed = ParseHostWindowDatagram(datagram);
        ASSERT_TRUE(parsed.has_value()) << datagram;
        EXPECT_EQ(*parsed, event) << datagram;
    }
}

TEST(HostWindowProtocol, AnythingElseIsNotADatagram) {
    for (const char* text : {"",
                             "enable",
                             "enable 2",
                             "enable  1",
                             "enable 1 ",
                             " enable 1",
                             "enable 1\n",
                             "ENABLE 1",
                             "top x",
                             "foreground 1",
                             "setparent 1",
                             "setparent 1 +2",
                             "setparent 1 2 3",
                             "setparent 99999999999999999999 1",
                             "post 1 2",
                             "post 1 -2 3",
                             "post -1 2 3",
                             "post 4294967296 0 0",
                             "post 1 2 3x",
                             "post 1 2 0x10",
                             "close"}) {
        EXPECT_FALSE(ParseHostWindowDatagram(text).has_value()) << '"' << text << '"';
    }
    EXPECT_FALSE(ParseHostWindowDatagram(std::string(200, 't')).has_value());
}

}  // namespace
}  // namespace ferrolin
