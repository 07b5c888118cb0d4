#include <gtest/gtest.h>

#include <array>
#include <string>

#include "aggregation/StatementSettings.h"

namespace ferrolin {
namespace {

TEST(TextSetsInputMode, ValueAfterTheFirstEqualsSign) {
    struct Case {
        std::string text;
        bool set;
    } cases[] = {
        {"[Setting]\r\nInputMode=1\r\n", true},
        {"InputMode=0\r\n", false},
        {"InputMode=\r\nOther=1\r\n", false},  // empty value
        {"InputMode=-2", false},
        {"InputMode= 3", true},
        {"Mode=1\r\n", false},
        // The key ends its line; the first "=" after it belongs to the next setting.
        {"InputMode\r\nLevel=5\r\n", true},
        {"InputMode", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(TextSetsInputMode(c.text), c.set) << c.text;
}

TEST(TextSetsNote, ValueRightAfterTheKey) {
    struct Case {
        std::string text;
        bool set;
    } cases[] = {
        {"Note=1\r\n", true}, {"A=0\r\nNote=2\r\n", true}, {"Note=0", false},
        {"Note=", false},     {"X=1\r\nNote=", false},     {"Note= 1", true},
        {"Note=2abc", true},  {"Note=\r\n5", false},       {"Notes=1", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(TextSetsNote(c.text), c.set) << c.text;
}

using Flags = std::array<std::uint8_t, 50>;

Flags FlagsOf(const std::string& text) {
    Flags flags{};
    FillNoteDisplayFlags(text, flags);
    return flags;
}

TEST(FillNoteDisplayFlags, OneByteForEachSection) {
    Flags expected{};
    expected[0] = 1;
    expected[2] = 1;
    EXPECT_EQ(FlagsOf("[Note_01]\r\nDisp=1\r\n[Note_02]\r\nDisp=0\r\n[Note_03]\r\nDisp=1\r\n"),
              expected);
}

TEST(FillNoteDisplayFlags, ASectionWithoutDispTakesTheNextOne) {
    Flags expected{};
    expected[0] = 7;  // section 01 takes section 02's value
    expected[1] = 9;  // section 03's value moves up
    EXPECT_EQ(FlagsOf("[Note_01]\r\nX=1\r\n[Note_02]\r\nDisp=7\r\n[Note_03]\r\nDisp=9\r\n"),
              expected);
}

TEST(FillNoteDisplayFlags, LowEightBitsAndTheEnds) {
    EXPECT_EQ(FlagsOf("[Note_01]\r\nDisp=300\r\n")[0], 44);
    EXPECT_EQ(FlagsOf("[Note_01]\r\nDisp=-1\r\n")[0], 255);
    EXPECT_EQ(FlagsOf("[Note_01]\r\nDisp=")[0], 0);
    EXPECT_EQ(FlagsOf(""), Flags{});
    EXPECT_EQ(FlagsOf("[Note_"), Flags{});

    std::string many;
    for (int i = 0; i < 60; ++i) many += "[Note_" + std::to_string(10 + i) + "]\r\nDisp=3\r\n";
    Flags all;
    all.fill(3);
    EXPECT_EQ(FlagsOf(many), all);
}

TEST(FillNoteDisplayFlags, LeavesBytesWithoutSection) {
    Flags flags;
    flags.fill(0xEE);
    FillNoteDisplayFlags("[Note_01]\r\nDisp=1\r\n", flags);
    EXPECT_EQ(flags[0], 1);
    EXPECT_EQ(flags[1], 0xEE);
}

}  // namespace
}  // namespace ferrolin
