// Memory that runs out while the report is written: this test binary's allocator can be told to
// refuse its Kth allocation, and the report is written once for every K. Whatever allocation
// fails (a collection of accounts, a line, a label), the writer neither throws nor writes a wrong
// line: a report that succeeds is the expected one, and one that fails holds the expected lines up
// to some point, followed at most by the REPORT end tag.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "ReportFixture.h"

namespace {

long g_allocationsBeforeFailure = -1;  // -1: never fail
bool g_failed = false;

void* Allocate(std::size_t size) {
    if (g_allocationsBeforeFailure == 0) {
        g_allocationsBeforeFailure = -1;
        g_failed = true;
        throw std::bad_alloc();
    }
    if (g_allocationsBeforeFailure > 0) --g_allocationsBeforeFailure;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace ferrolin::test {
namespace {

class AllocationFailureTest : public ReportTest {};

TEST_F(AllocationFailureTest, AnyFailedAllocationEndsTheReportCleanly) {
    AppendAll(m_accounts, SampleAccounts());
    m_notes = SampleNotes();
    m_noteFlags = SampleNoteFlags();
    m_notesAvailable = true;
    const std::vector<std::string> expected = Utf8Lines(ExpectedSampleReport(true, true));
    const std::string path = ReportPath();
    const DataSetInfo info = SampleDataSet(true);

    int failedReports = 0;
    int closedAfterFailure = 0;
    for (long k = 0;; ++k) {
        SCOPED_TRACE(k);
        CReportWriter writer = MakeWriter();
        writer.SetProgressDialog(nullptr);  // the window model is not under test here
        g_failed = false;
        g_allocationsBeforeFailure = k;
        const bool written = writer.WriteReport(path, 3, info);
        g_allocationsBeforeFailure = -1;
        const std::vector<std::string> lines =
            Utf8Lines(ReadFileBytes(m_folder.Path() / "report.xml"));

        if (written) {
            EXPECT_EQ(lines, expected);
            if (!g_failed) break;  // every allocation of the report was made
            continue;
        }
        ++failedReports;
        std::size_t same = 0;
        while (same < lines.size() && same < expected.size() && lines[same] == expected[same])
            ++same;
        const bool endTagAdded = same + 1 == lines.size() && lines.back() == "</REPORT>";
        EXPECT_TRUE(same == lines.size() || endTagAdded) << "line " << same << ": " << lines[same];
        if (endTagAdded) ++closedAfterFailure;
        ASSERT_LT(k, 1000000) << "the report never completed";
    }
    EXPECT_GT(failedReports, 0);
    EXPECT_GT(closedAfterFailure, 0);
}

}  // namespace
}  // namespace ferrolin::test
