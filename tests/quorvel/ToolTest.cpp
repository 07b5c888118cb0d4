// quorvel-host load and launch, run as the programs they are.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/hostwindow/HostWindowFolder.h"
#include "quorvel/engine/store/HostStore.h"
#include "quorvel/engine/store/Statement.h"
#include "quorvel/engine/store/StoreContract.h"
#include "support/Bytes.h"
#include "support/TempFolder.h"

namespace quorvel {
namespace {

using ferrolin::test::ReadFileBytes;
using ferrolin::test::TempFolder;
using ferrolin::test::WriteFileBytes;

struct ToolRun {
    int status;
    std::string out, err;
};

std::string Quoted(const std::string& word) {
    std::string quoted(1, '\'');
    for (const char c : word) {
        if (c == '\'') {
            quoted.append("'\\''");
        } else {
            quoted.push_back(c);
        }
    }
    quoted.push_back('\'');
    return quoted;
}

ToolRun RunTool(const TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = Quoted(QUORVEL_HOST_BIN);
    for (const std::string& arg : args) command.append(" ").append(Quoted(arg));
    const auto out = folder.Path() / "run.out";
    const auto err = folder.Path() / "run.err";
    command.append(" >").append(Quoted(out)).append(" 2>").append(Quoted(err));
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFileBytes(out), ReadFileBytes(err)};
}

TEST(QuorvelHostLoad, BuildsTheStoreOrSaysWhyNot) {
    TempFolder folder;
    const auto store = folder.Path() / "s.db";
    const std::string schema = ContractSchemaSql();
    struct Case {
        std::string script;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {schema + "INSERT INTO host_setting VALUES ('current_user', '鈴木');", 0, ""},
        {schema + "ALTER TABLE data_set DROP COLUMN company_law_flag;", 1,
         "table data_set has no column company_law_flag"},
        {"CREATE TABLE host_setting (key TEXT, value TEXT);", 1, "missing table user_selection"},
        {schema + "\n\nINSERT INTO nowhere VALUES (1);", 1, "line "},
        {"", 1, "missing table host_setting"},
    };
    WriteFileBytes(store, "old contents");
    for (const Case& c : cases) {
        WriteFileBytes(folder.Path() / "f.sql", c.script);
        const ToolRun run = RunTool(folder, {"load", (folder.Path() / "f.sql").string(), store});
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        if (c.status != 0) {
            EXPECT_EQ(ReadFileBytes(store), "old contents") << "a failed load keeps the store";
        } else {
            HostStore opened;
            ASSERT_TRUE(opened.OpenPath(store));
            EXPECT_EQ(opened.TextSetting("current_user", ""), ferrolin::test::Sjis("鈴木"));
            opened.Close();
            WriteFileBytes(store, "old contents");
        }
    }
    // The SQL error names the line on which the failing statement starts.
    WriteFileBytes(folder.Path() / "f.sql", schema + "\n\nINSERT INTO nowhere VALUES (1);");
    const auto lines = std::count(schema.begin(), schema.end(), '\n');
    const ToolRun run = RunTool(folder, {"load", (folder.Path() / "f.sql").string(), store});
    EXPECT_NE(run.err.find("line " + std::to_string(lines + 3) + ":"), std::string::npos)
        << run.err;
    // Nothing is left beside the store.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        files += entry.path().filename().string().find(".loading-") != std::string::npos;
    }
    EXPECT_EQ(files, 0);
}

TEST(QuorvelHostSchema, PrintsTheContractThatAFixtureIsBuiltFrom) {
    TempFolder folder;
    const ToolRun schema = RunTool(folder, {"schema"});
    ASSERT_EQ(schema.status, 0) << schema.err;
    EXPECT_EQ(schema.out, ContractSchemaSql());
    EXPECT_EQ(schema.err, "");
    // The printed schema plus a folder's data is a store that load accepts.
    WriteFileBytes(folder.Path() / "f.sql",
                   schema.out + "INSERT INTO host_setting VALUES ('exp_sys_link', '3');");
    const auto store = folder.Path() / "s.db";
    const ToolRun load = RunTool(folder, {"load", (folder.Path() / "f.sql").string(), store});
    ASSERT_EQ(load.status, 0) << load.err;
    HostStore opened;
    ASSERT_TRUE(opened.OpenPath(store));
    EXPECT_EQ(opened.TextSetting("exp_sys_link", ""), "3");
}

TEST(QuorvelHostLoad, TheSampleCompanyIsAConsistentStore) {
    TempFolder folder;
    const auto store = folder.Path() / "sample.db";
    const ToolRun run =
        RunTool(folder, {"load", std::string(QUORVEL_SAMPLES_DIR) + "/sample-company.sql", store});
    ASSERT_EQ(run.status, 0) << run.err;
    HostStore opened;
    ASSERT_TRUE(opened.OpenPath(store));
    // Posted balance-sheet accounts balance once the year's net income is carried into them,
    // and the posted income and manufacturing accounts add up to the net income account.
    Statement query(opened.Db(), R"sql(
SELECT m.amount_set,
  sum(CASE WHEN a.nature_code & 0x80000000 AND a.status = 0 THEN m.debit - m.credit END),
  sum(CASE WHEN a.nature_code & 0x60000000 AND a.status = 0 THEN m.credit - m.debit END),
  sum(CASE WHEN a.nature_code = 0x40200040 THEN m.credit - m.debit END)
FROM account a JOIN account_amount m USING (data_id, seq)
WHERE a.data_id = 'MINATO2024' GROUP BY m.amount_set)sql");
    int sets = 0;
    while (query.Next() == Statement::Step::Row) {
        ++sets;
        EXPECT_EQ(query.Int(1), 0) << "set " << query.Int(0);
        EXPECT_EQ(query.Int(2), query.Int(3)) << "set " << query.Int(0);
        EXPECT_GT(query.Int(3), 0);
    }
    EXPECT_EQ(sets, 2);
}

class QuorvelHostLaunch : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_RUNTIME_DIR"); }

    ToolRun Launch(const std::vector<std::string>& options, const std::vector<std::string>& probe) {
        std::vector<std::string> args = {"launch"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back("--");
        args.push_back(QUORVEL_WINDOW_PROBE_BIN);
        args.insert(args.end(), probe.begin(), probe.end());
        return RunTool(m_runtime, args);
    }

    TempFolder m_runtime;
};

TEST_F(QuorvelHostLaunch, PrintsTheWindowEventsAndEndsWithThePostedResult) {
    const ToolRun run = Launch({"--window", "-1234", "--message", "32768", "--function", "3"}, {});
    EXPECT_EQ(run.out,
              "host window -1234: disabled\n"
              "host window -1234: now parent of window 4294967297\n"
              "host window -1234: posted message 32768 wparam 3 lparam 2\n"
              "host window -1234: enabled\n"
              "program exited with status 0\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    // The socket is gone with the host.
    EXPECT_FALSE(std::filesystem::exists(m_runtime.Path() / "quorvel" / "-1234"));
}

TEST_F(QuorvelHostLaunch, WithoutAPostTheProgramsStatusStands) {
    const ToolRun run = Launch({"--window", "5", "--message", "1", "--function", "2"}, {"nopost"});
    EXPECT_EQ(run.out,
              "host window 5: disabled\n"
              "host window 5: now parent of window 4294967297\n"
              "program exited with status 3\n");
    EXPECT_EQ(run.status, 3);
}

TEST_F(QuorvelHostLaunch, ADatagramThatDoesNotParseIsLoggedAndIgnored) {
    const ToolRun run = Launch({"--window", "5", "--message", "1", "--function", "2"}, {"garbage"});
    EXPECT_EQ(run.err, "quorvel-host: ignored datagram \"enable  1\\x0a\"\n");
    EXPECT_EQ(run.out.find("host window 5: disabled\n"), 0u) << run.out;
    EXPECT_EQ(run.status, 2);
}

TEST_F(QuorvelHostLaunch, PassesTheCommandLineAndTheStore) {
    // /bin/sh as the program shows what it was given.
    const ToolRun run =
        RunTool(m_runtime, {"launch", "--store", "/x/y.db", "--window", "7", "--message", "9",
                            "--function", "70000", "--path", "C:\\a,b.xml", "--", "/bin/sh", "-c",
                            "printf '%s\\n' \"$QUORVEL_STORE|$1\"; exit 4", "sh"});
    EXPECT_EQ(run.out, "/x/y.db|7,9,70000,C:\\a,b.xml\nprogram exited with status 4\n");
    EXPECT_EQ(run.status, 4);
    const ToolRun raw = RunTool(
        m_runtime, {"launch", "--args", " 12 ,x", "--", "/bin/sh", "-c", "echo \"[$1]\"", "sh"});
    EXPECT_EQ(raw.out, "[ 12 ,x]\nprogram exited with status 0\n");
}

TEST_F(QuorvelHostLaunch, RefusesBadOptionsAndAnUnsafeFolder) {
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--window", "5"},
          {"--window", "2147483648", "--message", "1", "--function", "1"},
          {"--message", "1", "--function", "1"},
          {"--window", "5", "--message", "x", "--function", "1"},
          {"--frobnicate", "1"}}) {
        EXPECT_EQ(Launch(options, {}).status, 125) << options[0] << " " << options[1];
    }
    const auto folder = m_runtime.Path() / "quorvel";
    std::filesystem::create_directory(folder);
    chmod(folder.c_str(), 0755);
    const ToolRun run = Launch({"--window", "5", "--message", "1", "--function", "2"}, {});
    EXPECT_EQ(run.status, 125);
    EXPECT_NE(run.err.find("mode must be 0700"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(QuorvelHostLaunch, ReplacesADeadHostsSocketButNotALiveOne) {
    std::string problem;
    ASSERT_EQ(ferrolin::CheckHostWindowFolder(true, &problem),
              ferrolin::HostWindowFolderState::Private);
    const std::string path = *ferrolin::HostWindowSocketPath(5);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path.c_str());
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::vector<std::string> options = {"--window", "5", "--message", "1", "--function", "2"};
    const ToolRun refused = Launch(options, {});
    EXPECT_EQ(refused.status, 125);
    EXPECT_NE(refused.err.find("another host already listens"), std::string::npos) << refused.err;
    close(fd);  // the socket file stays behind, as after a host that died
    const ToolRun run = Launch(options, {});
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.out.find("host window 5: disabled\n"), 0u) << run.out;
}

TEST_F(QuorvelHostLaunch, AProgramThatCannotStart) {
    const ToolRun run = RunTool(m_runtime, {"launch", "--", "/no/such/program"});
    EXPECT_EQ(run.status, 127);
    EXPECT_NE(run.err.find("cannot start /no/such/program"), std::string::npos);
}

}  // namespace
}  // namespace quorvel
