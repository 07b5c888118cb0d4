// Template 130 as the desktop back end builds it, and the code page 932 bytes of the fixed texts.

#include <gtest/gtest.h>

#include "platform/window/WindowTypes.h"
#include "ui/ConditionDialogTemplate.h"
#include "ui/UiTexts.h"

namespace ferrolin {
namespace {

namespace t = ui_texts;

TEST(ConditionTemplateTest, ControlsInTabOrderWithTheirPlacesAndStyles) {
    const DialogTemplate& d = ConditionDialogTemplate();
    EXPECT_EQ(d.id, 130);
    EXPECT_EQ(d.caption.Cp932(), t::kDialogCaption.Cp932());
    EXPECT_EQ(d.fontName.Cp932(), t::kDialogFont.Cp932());
    EXPECT_EQ(d.fontPoints, 9);
    EXPECT_EQ(d.cx, 281);
    EXPECT_EQ(d.cy, 167);
    EXPECT_EQ(d.styles, DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME);

    const struct {
        int id;
        ControlKind kind;
        int x, y, cx, cy;
        std::uint32_t required, refused;
    } expected[] = {
        {1005, ControlKind::Static, 7, 7, 35, 12, CS_LEFT | CS_CENTERIMAGE, 0},
        {-1, ControlKind::Static, 58, 7, 9, 12, CS_RIGHT, 0},
        {1006, ControlKind::Static, 73, 7, 165, 12, CS_LEFT, 0},
        {1007, ControlKind::Static, 7, 28, 35, 12, CS_LEFT, 0},
        {-1, ControlKind::Static, 58, 28, 9, 12, CS_RIGHT, 0},
        {1008, ControlKind::Static, 73, 28, 165, 12, CS_LEFT, 0},
        {1009, ControlKind::Static, 7, 49, 35, 12, CS_LEFT, 0},
        {-1, ControlKind::Static, 58, 49, 9, 12, CS_RIGHT, 0},
        {1011, ControlKind::Static, 96, 49, 25, 12, CS_LEFT, 0},
        {1016, ControlKind::Edit, 73, 49, 18, 12,
         CS_BORDER | CS_TABSTOP | CS_NUMBER | CS_RIGHT | CS_AUTOHSCROLL, 0},
        {1012, ControlKind::Static, 122, 50, 8, 12, CS_RIGHT, 0},
        {1013, ControlKind::Static, 159, 49, 25, 12, CS_LEFT, 0},
        {1000, ControlKind::Edit, 137, 49, 18, 12,
         CS_BORDER | CS_TABSTOP | CS_NUMBER | CS_RIGHT | CS_AUTOHSCROLL, 0},
        {1010, ControlKind::Static, 7, 70, 50, 12, CS_LEFT, 0},
        {1017, ControlKind::Static, 7, 80, 50, 12, CS_LEFT, 0},
        {1018, ControlKind::Static, 7, 90, 50, 12, CS_LEFT, 0},
        {-1, ControlKind::Static, 58, 70, 9, 12, CS_RIGHT | CS_GROUP, 0},
        {1019, ControlKind::AutoRadioButton, 74, 71, 178, 11, 0, CS_TABSTOP | CS_GROUP},
        {1020, ControlKind::AutoRadioButton, 74, 84, 178, 11, 0, CS_TABSTOP | CS_GROUP},
        {1014, ControlKind::GroupBox, 7, 107, 267, 35, CS_GROUP, 0},
        {1015, ControlKind::Edit, 12, 121, 195, 12,
         CS_BORDER | CS_STATICEDGE | CS_TABSTOP | CS_AUTOHSCROLL, CS_NUMBER},
        {1001, ControlKind::PushButton, 211, 120, 57, 14, CS_TABSTOP, CS_DEFPUSHBUTTON},
        {1002, ControlKind::PushButton, 156, 147, 57, 14, CS_TABSTOP | CS_GROUP, CS_DEFPUSHBUTTON},
        {1003, ControlKind::PushButton, 217, 147, 57, 14, CS_TABSTOP | CS_GROUP, CS_DEFPUSHBUTTON},
    };
    ASSERT_EQ(d.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        const ControlTemplate& c = d.controls[i];
        const auto& e = expected[i];
        EXPECT_EQ(c.id, e.id) << i;
        EXPECT_EQ(c.kind, e.kind) << i;
        EXPECT_EQ(std::tie(c.x, c.y, c.cx, c.cy), std::tie(e.x, e.y, e.cx, e.cy)) << i;
        EXPECT_EQ(c.styles & e.required, e.required) << i;
        EXPECT_EQ(c.styles & e.refused, 0u) << i;
        EXPECT_NE(c.id, IDOK) << i;
    }
}

TEST(ConditionTemplateTest, FixedTextsHaveTheirCodePage932Bytes) {
    const struct {
        const FixedText& text;
        const char* bytes;
    } cases[] = {
        {t::kCaption, "\x8C\x88\x8E\x5A\x8F\x91"},
        {t::kDialogCaption, "\x8C\x88\x8E\x5A\x8F\x91\x20\x2D\x20\x8F\x57\x8C\x76\x8F\xF0\x8C\x8F"},
        {t::kDialogFont, "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"},
        {t::kRangeTilde, "\x81\x60"},
        {t::kOutputGroupFixed, "\x8F\x6F\x97\xCD\x90\xE6"},
        {t::kStopped,
         "\xA2\x8C\x88\x8E\x5A\x8F\x91\xA3\x82\xCC\x8F\x57\x8C\x76\x82\xF0\x92\x86\x8E\x7E\x82\xB5"
         "\x82\xDC\x82\xB7\x81\x42"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text.Cp932(), c.bytes) << c.text.Utf8();

    // Every text has a code page 932 form (a missing one would stop the program when shown).
    const FixedText* all[] = {
        &t::kPastData,     &t::kNotCompanyLaw,      &t::kBadRange,  &t::kBeforeIntroduction,
        &t::kNoPath,       &t::kBadPathText,        &t::kBadDrive,  &t::kNoFileName,
        &t::kCreateFolder, &t::kCreateFolderFailed, &t::kOverwrite, &t::kBrowseTitle,
    };
    for (const FixedText* text : all) EXPECT_FALSE(text->Cp932().empty()) << text->Utf8();
    EXPECT_NE(t::kNotCompanyLaw.Cp932().find("   \n"), std::string::npos);
}

}  // namespace
}  // namespace ferrolin
