// The host's command line: which fields are stored, when it counts as complete.

#include <gtest/gtest.h>

#include <vector>

#include "app/CommandLineText.h"
#include "app/LinkApp.h"
#include "editions/Edition.h"

namespace ferrolin {
namespace {

struct CommandLineCase {
    const char* text;
    BOOL complete;
    HWND window;
    std::uint32_t message;
    std::int16_t functionId;
    const char* fixedPath;
};

TEST(HostCommandLine, StoresFieldsAsTheyAreRead) {
    const CommandLineCase cases[] = {
        {"", 0, 0, 0, 3, ""},
        {"no commas", 0, 0, 0, 3, ""},
        // One or two commas already set the window and the message.
        {"100", 0, 0, 0, 3, ""},
        {"100,", 0, 100, 0, 3, ""},
        {"100,1024,5", 0, 100, 1024, 3, ""},
        {"100,1024,5,", 1, 100, 1024, 5, ""},
        {"100,1024,5,C:\\out\\a.xml", 1, 100, 1024, 5, "C:\\out\\a.xml"},
        // The path is the whole rest, further commas included.
        {"100,1024,5,C:\\a,b\\c,d.xml", 1, 100, 1024, 5, "C:\\a,b\\c,d.xml"},
        // Decimal conversion: blanks skipped, sign, digits up to the first other byte.
        {"  -42x,abc,+7z, ", 1, -42, 0, 7, " "},
        // The function ID keeps its low 16 bits, read as a signed value.
        {"1,2,70000,", 1, 1, 2, 4464, ""},
        {"1,2,40000,", 1, 1, 2, -25536, ""},
        {"1,2,65535,", 1, 1, 2, -1, ""},
        {"1,4294967295,3,", 1, 1, 0xFFFFFFFFu, 3, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CLinkApp app(BasicEdition());
        EXPECT_EQ(app.ParseHostCommandLine(c.text), c.complete);
        EXPECT_EQ(app.m_hHostWnd, c.window);
        EXPECT_EQ(app.m_notifyMessage, c.message);
        EXPECT_EQ(app.m_functionId, c.functionId);
        EXPECT_EQ(app.m_strFixedPath, c.fixedPath);
        EXPECT_EQ(app.m_launchedByHost, 0);  // parsing alone embeds nothing
    }
}

TEST(HostCommandLine, LongCommandLineIsHandledWhole) {
    // Commas beyond a path buffer's 260 bytes still separate fields, and a long path is kept whole.
    const std::string blanks(300, ' ');
    const std::string path = "C:\\" + std::string(400, 'p') + ",x.xml";
    CLinkApp app(BasicEdition());
    EXPECT_EQ(app.ParseHostCommandLine(blanks + "100," + blanks + "1024," + blanks + "9," + path),
              1);
    EXPECT_EQ(app.m_hHostWnd, 100);
    EXPECT_EQ(app.m_notifyMessage, 1024u);
    EXPECT_EQ(app.m_functionId, 9);
    EXPECT_EQ(app.m_strFixedPath, path);
}

TEST(HostCommandLine, ArgumentsAreJoinedAndTakenIntoCodePage932) {
    struct Case {
        std::vector<const char*> argv;
        std::string expected;
    };
    const Case cases[] = {
        {{"prog"}, ""},
        {{"prog", "100,1024,3,C:\\out\\a.xml"}, "100,1024,3,C:\\out\\a.xml"},
        // A path with blanks arrives split by the shell's rules and is joined again.
        {{"prog", "100,1024,3,C:\\my", "reports\\a.xml"}, "100,1024,3,C:\\my reports\\a.xml"},
        // UTF-8 from a Unix process start becomes code page 932 (表 is 95 5C there).
        {{"prog", "1,2,3,C:\\表\\a.xml"}, "1,2,3,C:\\\x95\x5C\\a.xml"},
        // Bytes that are not UTF-8 are taken as code page 932 already.
        {{"prog", "1,2,3,C:\\\x95\x5C\\a.xml"}, "1,2,3,C:\\\x95\x5C\\a.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(CommandLineFromArguments(static_cast<int>(c.argv.size()), c.argv.data()),
                  c.expected);
    }
}

}  // namespace
}  // namespace ferrolin
