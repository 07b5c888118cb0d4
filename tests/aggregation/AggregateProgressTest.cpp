#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "aggregation/AccountAggregator.h"
#include "gui/headless/HeadlessBackend.h"
#include "tests/aggregation/AggregatorFixture.h"
#include "tests/support/FakeHost.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {
namespace {

// The aggregation drives the overall bar from 0 to 500 in four stages and pulses once per record
// read. Each overall step repaints seven times (a whole pulse and its own), each pulse six times.
struct Stage {
    int barPosition;
    int captionCount;  // percentages shown
};
constexpr Stage kAfterStart = {101, 11};    // Advance(0, 100)
constexpr Stage kAfterBinding = {302, 32};  // Advance(100, 300)
constexpr Stage kAfterCount = {403, 43};    // Advance(300, 400)
constexpr Stage kDone = {504, 54};          // Advance(400, 500)

TEST(AggregateProgress, StagesAndOnePulsePerRecord) {
    struct Case {
        std::string name;
        std::function<void(FakeHost&)> arrange;
        bool result;
        Stage stage;
        int pulses;
    } cases[] = {
        {"complete", [](FakeHost&) {}, true, kDone, 3},
        {"cursor not made", [](FakeHost& h) { h.cursor.createFails = true; }, false, kAfterStart,
         0},
        {"count fails", [](FakeHost& h) { h.cursor.getSumCountResult = 1; }, false, kAfterBinding,
         0},
        {"positioning fails", [](FakeHost& h) { h.cursor.setMovePosResult = 1; }, false,
         kAfterCount, 0},
        {"second read fails", [](FakeHost& h) { h.cursor.moveNextFailAt = 1; }, false, kAfterCount,
         2},
        {"end of data before the count", [](FakeHost& h) { h.cursor.count = 5; }, true, kDone, 4},
    };
    for (const Case& c : cases) {
        HeadlessBackend ui([](const std::string& problem) { ADD_FAILURE() << problem; });
        CProgressDlg dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(true);
        dialog.StartOverall();
        ui.ClearRecords();

        FakeHost host;
        for (int i = 0; i < 3; ++i)
            host.cursor.records.push_back(MakeAccountRecord(i, test::kIncome));
        c.arrange(host);
        CAccountSumList list;
        CAccountAggregator aggregator;
        aggregator.m_pAccountSums = &list;
        aggregator.m_pProgress = &dialog;

        EXPECT_EQ(aggregator.Aggregate(0, test::Query(1, 12), MakeDataSetInfo("DATA0001", 1)),
                  c.result)
            << c.name;
        EXPECT_EQ(dialog.m_overallBar.GetPos(), c.stage.barPosition) << c.name;
        const std::vector<std::string> captions = ui.CaptionsOf(dialog.GetSafeHwnd());
        EXPECT_EQ(static_cast<int>(captions.size()), c.stage.captionCount) << c.name;
        EXPECT_EQ(ui.RepaintsOf(dialog.GetSafeHwnd()), 7 * c.stage.barPosition + 6 * c.pulses)
            << c.name;
        dialog.DestroyWindow();
    }
}

}  // namespace
}  // namespace ferrolin
