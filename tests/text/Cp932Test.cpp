#include <gtest/gtest.h>

#include "platform/text/Cp932.h"
#include "platform/text/Decimal.h"
#include "platform/text/FixedText.h"
#include "platform/text/IniText.h"
#include "support/Bytes.h"

namespace ferrolin {
namespace {

using test::Hex;
using test::Sjis;

// 表 is 95 5C: its trail byte is the backslash byte, and must never count as one.
const std::string kHyou = "\x95\x5C";

TEST(Cp932Walk, TrailByteBackslashIsNoSeparator) {
    const std::string path = "C:\\" + kHyou + "\\" + kHyou;
    EXPECT_EQ(FindLastChar(path, '\\'), 5u);
    EXPECT_EQ(FindFirstChar(path, '\\', 3), 5u);
    EXPECT_FALSE(EndsWithChar(path, '\\'));
    EXPECT_TRUE(EndsWithChar(path + "\\", '\\'));
    EXPECT_TRUE(IsDoubleByteAt(path, 6));
    EXPECT_TRUE(IsDoubleByteAt(path, 7));
    EXPECT_FALSE(IsDoubleByteAt(path, 5));
}

TEST(Cp932Walk, LeadByteAtTheEndStandsAlone) {
    const std::string text = "ab\x88";
    EXPECT_EQ(CharLengthAt(text, 2), 1u);
    EXPECT_FALSE(IsDoubleByteAt(text, 2));
    EXPECT_EQ(CutToWholeChars(text, 3), text);
}

TEST(Cp932Walk, CutNeverSplitsACharacter) {
    const std::string text = "a" + Sjis("亜亜");  // 61 88 9F 88 9F
    EXPECT_EQ(Hex(CutToWholeChars(text, 2)), "61");
    EXPECT_EQ(Hex(CutToWholeChars(text, 3)), "61 88 9F");
    EXPECT_EQ(Hex(CutToWholeChars(text, 4)), "61 88 9F");
    EXPECT_EQ(CutToWholeChars(text, 10), text);
}

TEST(Cp932Conversion, RoundTripsAndRefusesWhatHasNoForm) {
    EXPECT_EQ(Hex(Sjis("決算書")), "8C 88 8E 5A 8F 91");
    EXPECT_EQ(Cp932ToUtf8("\x8C\x88\x8E\x5A\x8F\x91").value(), "決算書");
    EXPECT_FALSE(Cp932ToUtf8("\x81").has_value());              // lone lead byte
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // an emoji
    EXPECT_EQ(Cp932ToUtf8Lossy("a\x81"), "a\xEF\xBF\xBD");
}

TEST(FullWidth, MapsHalfWidthAndKeepsDoubleByte) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"AB 1", Sjis("ＡＢ　１")},
        {"\\~\"'", "\x81\x5F\x81\x60\xFA\x57\xFA\x56"},  // the code page's own choices
        {Sjis("ｶﾞﾊﾟｳﾞ"), Sjis("ガパヴ")},
        {Sjis("ﾜﾞｱﾟ"), Sjis("ワ゛ア゜")},  // no composed form: spacing marks
        {Sjis("ｯﾞ"), Sjis("ッ゛")},
        {Sjis("ﾃﾞﾄﾞﾂﾞ"), Sjis("デドヅ")},
        {Sjis("ｰ｡"), Sjis("ー。")},
        {kHyou + "A", kHyou + Sjis("Ａ")},
        {"\t", "\t"},
    };
    for (const Case& c : cases) EXPECT_EQ(Hex(ToFullWidth(c.in)), Hex(c.out)) << Hex(c.in);
}

TEST(Decimal, ReadsAsTheRunTimeDoes) {
    struct Case {
        const char* text;
        std::int32_t value;
    } cases[] = {{"12", 12}, {"  -7x", -7},   {"+3", 3}, {"abc", 0},
                 {"", 0},    {"\t\r\n 5", 5}, {"2a", 2}, {"- 1", 0}};
    for (const Case& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << c.text;
}

TEST(IniText, SectionsAndKeysIgnoreCaseAndValuesAreTrimmed) {
    const IniText ini = IniText::Parse("[ProgramLevel]\r\n  mz31 =  2  \r\n[Other]\nMZ31=9\n");
    EXPECT_EQ(ini.Find("programlevel", "MZ31").value(), "2");
    EXPECT_EQ(ini.Find("OTHER", "mz31").value(), "9");
    EXPECT_FALSE(ini.Find("ProgramLevel", "MZ32").has_value());
}

TEST(FixedText, HoldsItsCodePageBytes) {
    static constexpr FixedText kCaption{"決算書"};
    EXPECT_EQ(Hex(kCaption.Cp932()), "8C 88 8E 5A 8F 91");
    EXPECT_EQ(&kCaption.Cp932(), &kCaption.Cp932());  // converted once
}

}  // namespace
}  // namespace ferrolin
