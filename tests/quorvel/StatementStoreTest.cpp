// Saved statement texts by kind, handed out through the task allocator.

#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "host/HostTaskMemory.h"
#include "quorvel/engine/hostcore/StandInStatementStore.h"
#include "quorvel/engine/store/EngineHandles.h"
#include "quorvel/engine/store/EngineStatus.h"
#include "support/Bytes.h"

namespace quorvel {
namespace {

using ferrolin::test::Hex;
using ferrolin::test::Sjis;
using test::StoreFixture;

// The data ID holds a quote, which bound parameters carry like any other byte.
constexpr const char* kTexts = R"sql(
INSERT INTO statement_text VALUES
  ('O''Hara', 100, 'InputMode=1' || char(13, 10) || '[Note_01]' || char(13, 10) || 'Disp=1'),
  ('O''Hara', 1000, X'3C49443E310D0A8A9481FF'),
  ('O''Hara', 0, '注記=あり' || char(13, 10) || 'Note=1');
)sql";

struct Read {
    std::int32_t status;
    char* text;
    std::int32_t length;
};

Read ReadKind(HostStore& store, const char* dataId, std::int32_t kind) {
    StandInStatementStore statements(store);
    statements.AttachSetMgr(EngineSetMgr());
    statements.SetCurDataID(dataId);
    statements.AttachOptLink(EngineOptLink());
    Read read{0, reinterpret_cast<char*>(1), -1};
    read.status = statements.GetDataType02(kind, &read.text, &read.length);
    return read;
}

TEST(StandInStatementStore, HandsOutEachKindAsAllocatedBytes) {
    StoreFixture fixture(kTexts);
    HostStore store;
    struct Case {
        std::int32_t kind;
        std::string bytes;
    };
    const Case cases[] = {
        {100, "InputMode=1\r\n[Note_01]\r\nDisp=1"},
        {0, Sjis("注記=あり") + "\r\nNote=1"},
        {1000, "<ID>1\r\n\x8A\x94\x81\xFF"},  // a BLOB body, malformed bytes and all
    };
    for (const Case& c : cases) {
        const auto before = ferrolin::GetTaskMemoryCounts();
        const Read read = ReadKind(store, "O'Hara", c.kind);
        ASSERT_EQ(read.status, 0) << c.kind;
        ASSERT_NE(read.text, nullptr);
        EXPECT_EQ(Hex(std::string(read.text, c.bytes.size() + 1)), Hex(c.bytes + '\0'));
        EXPECT_EQ(read.length, static_cast<std::int32_t>(c.bytes.size()));
        EXPECT_EQ(ferrolin::GetTaskMemoryCounts().allocations, before.allocations + 1);
        ferrolin::CoTaskMemFree(read.text);
    }
}

TEST(StandInStatementStore, FailsWithoutTextOrBinding) {
    StoreFixture fixture(kTexts);
    HostStore store;
    const auto before = ferrolin::GetTaskMemoryCounts();
    for (const auto& [dataId, kind] : {std::pair{"O'Hara", 7}, std::pair{"Other", 100}}) {
        const Read read = ReadKind(store, dataId, kind);
        EXPECT_EQ(read.status, kEngineNotFound);
        EXPECT_EQ(read.text, nullptr);
    }
    StandInStatementStore unbound(store);
    unbound.SetCurDataID("O'Hara");
    char* text = reinterpret_cast<char*>(1);
    std::int32_t length = 0;
    EXPECT_EQ(unbound.GetDataType02(100, &text, &length), kEngineNotBound);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(ferrolin::GetTaskMemoryCounts().allocations, before.allocations);
}

TEST(StandInStatementStore, ATextWithoutCodePage932FormIsAFault) {
    // U+00E9 has no code page 932 form.
    StoreFixture fixture("INSERT INTO statement_text VALUES ('D', 100, 'caf' || char(233));");
    HostStore store;
    const Read read = ReadKind(store, "D", 100);
    EXPECT_EQ(read.status, kEngineBadData);
    EXPECT_EQ(read.text, nullptr);
}

}  // namespace
}  // namespace quorvel
