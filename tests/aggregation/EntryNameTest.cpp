#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "aggregation/EntryName.h"
#include "support/Bytes.h"

namespace ferrolin {
namespace {

std::string Cut(const std::string& name) {
    char field[57] = {};
    std::memcpy(field, name.data(), std::min(name.size(), sizeof field));
    char entry[kEntryNameBytes + 1];
    std::memset(entry, 0x7F, sizeof entry);
    CopyEntryName(entry, field, sizeof field);
    EXPECT_EQ(entry[kEntryNameBytes], '\0');
    return std::string(entry, strnlen(entry, sizeof entry));
}

TEST(CopyEntryName, CutsAtThirtyBytesByCharacter) {
    const std::string a28(28, 'a');
    const std::string a29(29, 'a');
    const std::string kanji = "\x8A\xBF";  // 漢
    const std::string ai = "\x88\x9F";     // 亜: its trail byte lies in the lead byte range
    struct Case {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"short", "abc", "abc"},
        {"exactly 30", std::string(30, 'b'), std::string(30, 'b')},
        {"longer single bytes", std::string(40, 'c'), std::string(30, 'c')},
        {"double-byte character at bytes 30 and 31", a29 + kanji, a29},
        {"30th byte is the trail byte of a character", a28 + ai + "zz", a28 + ai},
        {"trail 5C is no backslash", a28 + "\x95\x5C" + "x", a28 + "\x95\x5C"},
        {"whole field of double-byte characters",
         [&] {
             std::string s;
             for (int i = 0; i < 28; ++i) s += ai;
             return s;
         }(),
         [&] {
             std::string s;
             for (int i = 0; i < 15; ++i) s += ai;
             return s;
         }()},
        {"half-width katakana are single bytes", std::string(31, '\xB1'), std::string(30, '\xB1')},
        {"lone lead byte at the end is left out", a29 + "\x8A", a29},
    };
    for (const Case& c : cases) EXPECT_EQ(test::Hex(Cut(c.in)), test::Hex(c.out)) << c.name;
}

TEST(CopyEntryName, ReadsAFieldWithoutTerminatorOnlyToItsEnd) {
    char field[4] = {'w', 'x', 'y', 'z'};
    char entry[kEntryNameBytes + 1];
    CopyEntryName(entry, field, sizeof field);
    EXPECT_STREQ(entry, "wxyz");
}

}  // namespace
}  // namespace ferrolin
