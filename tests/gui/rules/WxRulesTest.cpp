// The desktop back end's translations that need no display: keys, dialog units, the save-as
// request and the back end's own texts.

#include <gtest/gtest.h>
#include <wx/defs.h>

#include "gui/wx/DialogUnits.h"
#include "gui/wx/FileDialogRules.h"
#include "gui/wx/VirtualKeys.h"
#include "gui/wx/WxTexts.h"
#include "platform/window/WindowTypes.h"

namespace ferrolin {
namespace {

TEST(VirtualKeysTest, KeysTheDialogsLookAtHaveTheirFrameworkCodes) {
    const struct {
        int wxKey;
        std::optional<int> virtualKey;
    } cases[] = {
        {WXK_RETURN, VK_RETURN},
        {WXK_NUMPAD_ENTER, VK_RETURN},
        {WXK_F12, VK_F12},
        {WXK_F4, VK_F4},
        {WXK_ESCAPE, VK_ESCAPE},
        {WXK_TAB, VK_TAB},
        {WXK_SHIFT, VK_SHIFT},
        {WXK_CONTROL, VK_CONTROL},
        {WXK_ALT, VK_MENU},
        {'5', '5'},
        {WXK_NUMPAD5, 0x65},
        {'a', 'A'},
        {'Q', 'Q'},
        {WXK_LEFT, 0x25},
        {WXK_DELETE, 0x2E},
        {WXK_BACK, 0x08},
        {WXK_F24, 0x87},
        {WXK_NONE, std::nullopt},
        {WXK_WINDOWS_LEFT, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(VirtualKeyOf(c.wxKey), c.virtualKey) << c.wxKey;
}

TEST(VirtualKeysTest, OnlyTabEnterAndEscBelongToTheDialogManager) {
    for (int key : {VK_TAB, VK_RETURN, VK_ESCAPE}) EXPECT_TRUE(IsDialogManagerKey(key)) << key;
    for (int key : {VK_F12, VK_F4, int{'5'}, 0x25, 0x08})
        EXPECT_FALSE(IsDialogManagerKey(key)) << key;
}

TEST(DialogUnitsTest, MapsAsTheFrameworkDoes) {
    // IPA P Gothic at 9 points on a 96 dpi screen measures 6 x 12 pixels.
    const DialogBaseUnits base = BaseUnitsFromAlphabet(311, 12);
    EXPECT_EQ(base.cx, 6);
    EXPECT_EQ(base.cy, 12);
    const PixelRect edit = MapDialogRect(base, 73, 49, 18, 12);
    EXPECT_EQ(edit.x, 110);  // 73 * 6 / 4 = 109.5, rounded half up
    EXPECT_EQ(edit.y, 74);   // 49 * 12 / 8 = 73.5
    EXPECT_EQ(edit.width, 27);
    EXPECT_EQ(edit.height, 18);
    EXPECT_EQ(MulDiv(-7, 6, 4), -11);  // half away from zero
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(FileDialogRulesTest, FilterBecomesAWildcardThatAlsoMatchesUpperCase) {
    EXPECT_EQ(WildcardOfFilter("Xml Files (*.xml)|*.xml||"), "Xml Files (*.xml)|*.xml;*.XML");
    EXPECT_EQ(WildcardOfFilter("Xml (*.xml)|*.xml|All (*.*)|*.*||"),
              "Xml (*.xml)|*.xml;*.XML|All (*.*)|*.*");
    EXPECT_EQ(WildcardOfFilter(""), "");
}

TEST(FileDialogRulesTest, APatternIsNoInitialName) {
    EXPECT_EQ(InitialFileName("*.xml"), "");
    EXPECT_EQ(InitialFileName("report?.xml"), "");
    EXPECT_EQ(InitialFileName("決算.xml"), "決算.xml");
}

TEST(FileDialogRulesTest, DefaultExtensionOnlyWhenTheNameHasNone) {
    const struct {
        const char* chosen;
        const char* result;
    } cases[] = {
        {"/home/a/report", "/home/a/report.XML"},
        {"/home/a/report.xml", "/home/a/report.xml"},
        {"/home/a.b/report", "/home/a.b/report.XML"},
        {"/home/a/.hidden", "/home/a/.hidden"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithDefaultExtension(c.chosen, "XML"), c.result);
    EXPECT_EQ(WithDefaultExtension("/home/a/report", ""), "/home/a/report");
}

TEST(WxTextsTest, ButtonLabelsHaveTheirCodePage932Bytes) {
    EXPECT_EQ(wx_texts::kYes.Cp932(), "\x82\xcd\x82\xa2");
    EXPECT_EQ(wx_texts::kNo.Cp932(), "\x82\xa2\x82\xa2\x82\xa6");
    EXPECT_EQ(wx_texts::kOk.Cp932(), "OK");
}

}  // namespace
}  // namespace ferrolin
