// The target-installation check on the definition file in the current directory.

#include <gtest/gtest.h>

#include <filesystem>

#include "AppFixture.h"
#include "app/AppTexts.h"

namespace ferrolin::test {
namespace {

class TargetCheckTest : public AppTest {};

struct TargetCase {
    const char* name;
    const char* definition;  // null: no file
    BOOL usable;
    const FixedText* message;  // null: none
};

TEST_F(TargetCheckTest, AcceptsOnlyProgramLevelTwo) {
    const TargetCase cases[] = {
        {"no file", nullptr, 0, &app_text::kTargetEnvironmentInvalid},
        {"no section", "[Other]\r\nMZ31=2\r\n", 0, &app_text::kTargetTooOld},
        {"no key", "[ProgramLevel]\r\nMZ30=2\r\n", 0, &app_text::kTargetTooOld},
        {"empty value", "[ProgramLevel]\r\nMZ31=\r\n", 0, &app_text::kTargetEnvironmentInvalid},
        {"no digits", "[ProgramLevel]\r\nMZ31=abc\r\n", 0, &app_text::kTargetTooOld},
        {"level 1", "[ProgramLevel]\r\nMZ31=1\r\n", 0, &app_text::kTargetTooOld},
        {"level 3", "[ProgramLevel]\r\nMZ31=3\r\n", 0, &app_text::kComponentTooOld},
        {"level 2", "[programlevel]\r\nmz31 = 2\r\n", 1, nullptr},
        {"level 2 and text", "[ProgramLevel]\r\nMZ31=2nd\r\n", 1, nullptr},
    };
    std::filesystem::current_path(programFolder.Path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(programFolder.Path() / "VantoroDef.ini");
        if (c.definition != nullptr) WriteDefinitionFile(c.definition);
        host.connection.messages.clear();

        CLinkApp& app = MakeApp("");
        app.m_hHostWnd = 77;
        EXPECT_EQ(app.CheckTargetInstallation(1), c.usable);
        if (c.message == nullptr) {
            EXPECT_TRUE(host.connection.messages.empty());
            continue;
        }
        ASSERT_EQ(host.connection.messages.size(), 1u);
        const auto& shown = host.connection.messages[0];
        EXPECT_EQ(shown.text, c.message->Cp932());
        EXPECT_EQ(shown.caption, app_text::kCaption.Cp932());
        EXPECT_EQ(shown.type, 0x30u);
        EXPECT_EQ(shown.owner, 77);

        // Asked not to show it, the check stays silent with the same answer.
        host.connection.messages.clear();
        EXPECT_EQ(app.CheckTargetInstallation(0), 0);
        EXPECT_TRUE(host.connection.messages.empty());
    }
}

TEST_F(TargetCheckTest, FolderEndingInADoubleByteCharacterWithTrailByte5CGetsASeparator) {
    // 表 is 95 5C in code page 932: its second byte is not a backslash.
    const auto folder = programFolder.Path() / "表";
    std::filesystem::create_directory(folder);
    WriteFileBytes(folder / "VantoroDef.ini", "[ProgramLevel]\r\nMZ31=2\r\n");
    std::filesystem::current_path(folder);

    EXPECT_EQ(MakeApp("").CheckTargetInstallation(1), 1);
    EXPECT_TRUE(host.connection.messages.empty());
}

}  // namespace
}  // namespace ferrolin::test
