#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "aggregation/AccountAggregator.h"
#include "host/HostTaskMemory.h"
#include "tests/support/FakeHost.h"

namespace ferrolin {
namespace {

// Every text handed out during the test's life must be released exactly once.
class StatementReadsTest : public ::testing::Test {
protected:
    void TearDown() override {
        const TaskMemoryCounts now = GetTaskMemoryCounts();
        EXPECT_EQ(now.allocations - before.allocations, host.store.textsHandedOut);
        EXPECT_EQ(now.releases - before.releases, host.store.textsHandedOut);
    }
    void SetText(std::int32_t kind, std::string text, std::int32_t result = 0) {
        host.store.kinds[kind] = FakeStatementKind{std::move(text), result, true};
    }

    TaskMemoryCounts before = GetTaskMemoryCounts();
    FakeHost host;
    CAccountAggregator aggregator;
};

TEST_F(StatementReadsTest, ReadsBoundToTheSelectedDataSet) {
    SetText(100, "InputMode=1\r\n");
    SetText(0, "Note=1\r\n");
    EXPECT_TRUE(aggregator.IsInputModeSet());
    EXPECT_TRUE(aggregator.IsNoteSet());
    const std::vector<std::string> calls = {"AttachSetMgr",  "SetCurDataID", "AttachOptLink",
                                            "Get(100)",      "AttachSetMgr", "SetCurDataID",
                                            "AttachOptLink", "Get(0)"};
    EXPECT_EQ(host.store.calls, calls);
    EXPECT_EQ(host.store.dataIdSet, "DATA0001");
    EXPECT_EQ(host.store.attachedSetMgr, host.setMgr);
    EXPECT_EQ(host.store.attachedOptLink, host.optLink);
    // Each read has its own store; the last one stays with the aggregator.
    EXPECT_EQ(host.store.created, 2);
    EXPECT_EQ(host.store.destroyed, 1);
    EXPECT_NE(aggregator.m_pStatementStore, nullptr);
}

TEST_F(StatementReadsTest, FailedReadsReleaseTheirTextAndReadAsNothing) {
    const std::function<void()> faults[] = {
        [&] { host.store.createFails = true; },
        [&] { host.dataSets.selected.reset(); },
        [&] { host.store.kinds.clear(); },  // no text at all
        [&] {
            for (std::int32_t kind : {100, 0, 1000}) host.store.kinds[kind].result = 4;
        },
        [&] {
            for (std::int32_t kind : {100, 0, 1000}) {
                host.store.kinds[kind].result = 4;
                host.store.kinds[kind].textOnFailure = false;
            }
        },
    };
    for (const auto& fault : faults) {
        SetText(100, "InputMode=1\r\n[Note_01]\r\nDisp=1\r\n");
        SetText(0, "Note=1\r\n");
        SetText(1000, "a\r\nb");
        host.store.createFails = false;
        host.dataSets.selected = MakeDataSetInfo("DATA0001", 1);
        fault();

        EXPECT_FALSE(aggregator.IsInputModeSet());
        EXPECT_FALSE(aggregator.IsNoteSet());
        std::array<std::uint8_t, kNoteDisplayFlagCount> flags{};
        aggregator.ReadNoteDisplayFlags(flags);
        EXPECT_EQ(flags, (std::array<std::uint8_t, kNoteDisplayFlagCount>{}));
        std::string notes = "stale";
        EXPECT_TRUE(aggregator.ReadNotesText(notes));
        EXPECT_EQ(notes, "");

        TaskMemText text;
        std::int32_t length = 0;
        EXPECT_FALSE(aggregator.ReadStatementData(1000, text, length));
        EXPECT_EQ(text, nullptr);
    }
}

TEST_F(StatementReadsTest, ReadsTheTextsWhole) {
    SetText(100, "[Main]\r\nInputMode=2\r\n[Note_01]\r\nDisp=1\r\n[Note_02]\r\nDisp=300\r\n");
    SetText(1000, "&lt;N1&gt;\r\n\x92\x8D\x8B\x4C\r\n");
    std::array<std::uint8_t, kNoteDisplayFlagCount> flags{};
    aggregator.ReadNoteDisplayFlags(flags);
    EXPECT_EQ(flags[0], 1);
    EXPECT_EQ(flags[1], 44);
    EXPECT_EQ(flags[2], 0);
    std::string notes;
    ASSERT_TRUE(aggregator.ReadNotesText(notes));
    EXPECT_EQ(notes, "&lt;N1&gt;\r\n\x92\x8D\x8B\x4C\r\n");

    TaskMemText text;
    std::int32_t length = 0;
    ASSERT_TRUE(aggregator.ReadStatementData(100, text, length));
    EXPECT_STREQ(text.get(),
                 "[Main]\r\nInputMode=2\r\n[Note_01]\r\nDisp=1\r\n[Note_02]\r\nDisp=300\r\n");
}

}  // namespace
}  // namespace ferrolin
