// The connection and the folder service over host_setting.

#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "gui/headless/HeadlessBackend.h"
#include "quorvel/engine/hostfile/StandInFileManager.h"
#include "quorvel/engine/hostlink/StandInConnection.h"
#include "quorvel/engine/store/EngineStatus.h"
#include "support/Bytes.h"

namespace quorvel {
namespace {

using ferrolin::test::Hex;
using ferrolin::test::Sjis;
using test::StoreFixture;

TEST(StandInConnection, InitiateAndExpSysLinkAnswerTheirSettings) {
    struct Case {
        const char* settings;
        std::int32_t initiate;
        std::int32_t expSysLink;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"INSERT INTO host_setting VALUES ('initiate_result', '3'), ('exp_sys_link', '1');", 3, 1},
        {"INSERT INTO host_setting VALUES ('initiate_result', -7), ('exp_sys_link', '2');", -7, 2},
        {"INSERT INTO host_setting VALUES ('initiate_result', 'yes'), ('exp_sys_link', '1x');",
         kEngineStoreError, kEngineStoreError},
    };
    for (const Case& c : cases) {
        StoreFixture fixture(c.settings);
        HostStore store;
        StandInConnection connection(store);
        EXPECT_EQ(connection.Initiate(), c.initiate) << c.settings;
        EXPECT_EQ(connection.ExpSysLink(), c.expSysLink) << c.settings;
    }
}

TEST(StandInConnection, InitiateFailsWithoutAReadableStore) {
    StoreFixture fixture;
    const auto folder = fixture.Folder().Path();
    ferrolin::test::WriteFileBytes(folder / "garbage.db",
                                   "this is not a database at all, not even close");
    StoreFixture missingColumn;
    missingColumn.Exec("ALTER TABLE account DROP COLUMN nature_code;");
    for (const std::string& path :
         {(folder / "absent.db").string(), (folder / "garbage.db").string(),
          missingColumn.StorePath().string(), std::string()}) {
        setenv("QUORVEL_STORE", path.c_str(), 1);
        HostStore store;
        StandInConnection connection(store);
        EXPECT_EQ(connection.Initiate(), kEngineStoreError) << path;
    }
    unsetenv("QUORVEL_STORE");
    HostStore store;
    EXPECT_EQ(StandInConnection(store).Initiate(), kEngineStoreError);
}

TEST(StandInConnection, DispMsgShowsTheTextWithThePackageName) {
    StoreFixture fixture(
        "INSERT INTO host_setting VALUES ('target_package_name', 'ヴァントロ申告');");
    HostStore store;
    StandInConnection connection(store);
    ferrolin::HeadlessBackend backend;
    const std::string caption = Sjis("決算書");
    connection.DispMsg(42, Sjis("ES_APRPACKAGENAMEを確認。\nES_APRPACKAGENAMEの最新版"), caption,
                       0x30);
    // 0x81 0x45 is one character whose trail byte is "E": no placeholder starts inside it.
    connection.DispMsg(0,
                       "\x81"
                       "ES_APRPACKAGENAME",
                       caption, 0x30);
    ASSERT_EQ(backend.MessageBoxes().size(), 2u);
    const auto& box = backend.MessageBoxes()[0];
    EXPECT_EQ(box.owner, 42);
    EXPECT_EQ(box.caption, caption);
    EXPECT_EQ(box.type, 0x30u);
    EXPECT_EQ(Hex(box.text), Hex(Sjis("ヴァントロ申告を確認。\nヴァントロ申告の最新版")));
    EXPECT_EQ(backend.MessageBoxes()[1].text,
              "\x81"
              "ES_APRPACKAGENAME");
}

TEST(StandInConnection, DispMsgFallsBackToTheDefaultPackageName) {
    StoreFixture fixture;
    HostStore store;
    StandInConnection connection(store);
    ferrolin::HeadlessBackend backend;
    connection.DispMsg(0, "ES_APRPACKAGENAME!", "c", 0);
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].text, "Vantoro!");
}

TEST(StandInFileManager, FoldersEndWithABackslash) {
    struct Case {
        const char* value;  // null: no setting
        std::string expected;
    };
    const Case cases[] = {
        {nullptr, ""},
        {"", ""},
        {"C:\\Data\\", "C:\\Data\\"},
        {"C:\\Data", "C:\\Data\\"},
        // 表 is 95 5C: its trail byte is no backslash, so the folder still gets one.
        {"C:\\決算\\表", Sjis("C:\\決算\\表") + "\\"},
    };
    for (const Case& c : cases) {
        StoreFixture fixture;
        if (c.value != nullptr) {
            fixture.Exec(std::string("INSERT INTO host_setting VALUES ('app_folder_1', '") +
                         c.value + "');");
        }
        HostStore store;
        StandInFileManager files(store);
        EXPECT_EQ(Hex(files.GetAppFolderPath(1)), Hex(c.expected)) << (c.value ? c.value : "-");
        EXPECT_EQ(files.GetAppFolderPath(0), "");
        EXPECT_EQ(files.GetAppFolderPath(2), "");
    }
}

}  // namespace
}  // namespace quorvel
