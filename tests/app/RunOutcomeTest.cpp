// The runs that end before the conditions dialog: what the host is told and the exit status.

#include <gtest/gtest.h>

#include "AppFixture.h"
#include "app/AppTexts.h"
#include "support/Bytes.h"

namespace ferrolin::test {
namespace {

using Strings = std::vector<std::string>;

class RunOutcomeTest : public AppTest {};

TEST_F(RunOutcomeTest, FailedInitiateEndsSilentlyYetClosesTheConnection) {
    host.connection.initiateResult = 5;
    CLinkApp& app = MakeApp("100,1024,5,");

    EXPECT_EQ(app.Run(), 2);  // could not connect: a failed run for scripts
    EXPECT_EQ(app.m_resultCode, 0);
    EXPECT_FALSE(app.IsConnected());
    EXPECT_EQ(host.connection.m_caption, app_text::kCaption.Cp932());
    EXPECT_EQ(host.connection.calls, (Strings{"SetAppType(0)", "SetUseDataType(1)", "Initiate",
                                              "LogOut", "Terminate", "Release"}));
    // The command line was never read: nothing disabled, nothing posted.
    EXPECT_TRUE(transport.Lines().empty());
    EXPECT_EQ(app.m_launchedByHost, 0);
}

TEST_F(RunOutcomeTest, ExpSysLinkStopsTheRunWithItsResultCode) {
    struct Case {
        std::int32_t answer;
        int resultCode;
    };
    for (Case c : {Case{1, 1}, Case{3, 2}, Case{-1, 2}}) {
        SCOPED_TRACE(c.answer);
        InstallTarget();
        host.connection.expSysLinkResult = c.answer;
        host.connection.calls.clear();
        transport.Clear();
        CLinkApp& app = MakeApp("100,1024,5,");

        EXPECT_EQ(app.Run(), c.resultCode);
        EXPECT_EQ(app.m_resultCode, c.resultCode);
        EXPECT_TRUE(host.connection.messages.empty());
        EXPECT_EQ(host.connection.m_hOwnerWnd, 100);
        EXPECT_EQ(host.connection.calls, (Strings{"SetAppType(0)", "SetUseDataType(1)", "Initiate",
                                                  "ExpSysLink", "LogOut", "Terminate", "Release"}));
        const std::string post = "PostMessage 100 1024 5 " + std::to_string(c.resultCode);
        EXPECT_EQ(transport.Lines(), (Strings{"EnableWindow 100 0", "SetForegroundWindow 100",
                                              "EnableWindow 100 1", post, "EnableWindow 100 1"}));
    }
}

TEST_F(RunOutcomeTest, FailedTargetCheckAfterACompleteCommandLineReenablesAndPostsTwo) {
    // No definition file beside the program. A negative function ID is posted sign-extended to
    // the 32 bits of the host's message parameter.
    CLinkApp& app = MakeApp("100,1024,40000,C:\\out\\a.xml");

    EXPECT_EQ(app.Run(), 2);
    ASSERT_EQ(host.connection.messages.size(), 1u);
    EXPECT_EQ(host.connection.messages[0].text, app_text::kTargetEnvironmentInvalid.Cp932());
    EXPECT_EQ(host.connection.messages[0].owner, 100);
    EXPECT_EQ(transport.Lines(),
              (Strings{"EnableWindow 100 0", "SetForegroundWindow 100", "EnableWindow 100 1",
                       "PostMessage 100 1024 4294941760 2", "EnableWindow 100 1"}));
}

TEST_F(RunOutcomeTest, IncompleteCommandLineNotifiesNobodyButOwnsTheTargetMessage) {
    CLinkApp& app = MakeApp("100,1024,5");

    EXPECT_EQ(app.Run(), 2);
    EXPECT_EQ(app.m_launchedByHost, 0);
    EXPECT_EQ(app.m_pHostWnd, nullptr);
    EXPECT_EQ(host.connection.m_hOwnerWnd, 0);
    ASSERT_EQ(host.connection.messages.size(), 1u);
    EXPECT_EQ(host.connection.messages[0].owner, 100);
    EXPECT_TRUE(transport.Lines().empty());
}

TEST_F(RunOutcomeTest, WithoutACommandLineNothingIsDisabledOrPosted) {
    InstallTarget();
    host.connection.expSysLinkResult = 1;
    CLinkApp& app = MakeApp("");

    EXPECT_EQ(app.Run(), 1);
    EXPECT_EQ(app.m_functionId, 3);
    EXPECT_TRUE(transport.Lines().empty());
}

TEST_F(RunOutcomeTest, EachEditionAnnouncesItsCodeAndNamesItsFiles) {
    struct Case {
        const Edition& edition;
        const char* program;
        std::int32_t code;
        const char* settingsFile;
        const char* productNameHex;  // code page 932
    };
    const Case cases[] = {
        {BasicEdition(), "FerrolinBasic", 0, "FerrolinBasic.env",
         "51 75 6F 72 76 65 6C 82 51 82 4F"},
        {LumenEdition(), "FerrolinLumen", 3, "FerrolinLumen.env",
         "51 75 6F 72 76 65 6C 82 51 82 4F 20 4C 75 6D 65 6E"},
        {TesselEdition(), "FerrolinTessel", 4, "FerrolinTessel.env",
         "51 75 6F 72 76 65 6C 82 51 82 4F 20 54 65 73 73 65 6C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        EXPECT_STREQ(c.edition.programName, c.program);
        EXPECT_EQ(c.edition.settingsFileName.Cp932(), c.settingsFile);
        EXPECT_EQ(Hex(c.edition.hostProductName.Cp932()), c.productNameHex);

        host.connection.initiateResult = 1;
        host.connection.calls.clear();
        MakeApp("", c.edition).Run();
        ASSERT_FALSE(host.connection.calls.empty());
        EXPECT_EQ(host.connection.calls[0], "SetAppType(" + std::to_string(c.code) + ")");
    }
}

}  // namespace
}  // namespace ferrolin::test
