// Time to write the report for account sum lists of 1,000, 10,000 and 100,000 entries, spread
// over every statement's categories, with notes. Prints the best of a few runs per size.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "aggregation/amounts/AccountSumList.h"
#include "host/HostRecords.h"
#include "platform/paths/WindowsPath.h"
#include "report/ReportWriter.h"

namespace {

using namespace ferrolin;

// Posting natures of every item list, the unclassified noncurrent assets and the equity columns.
constexpr std::uint32_t kNatures[] = {
    0x80880100, 0x80848100, 0x80844100, 0x80842100, 0x80820100, 0x80480100, 0x80440100,
    0x80288000, 0x80281040, 0x80281048, 0x80280800, 0x40888100, 0x40884100, 0x40882100,
    0x40848100, 0x40844100, 0x40480100, 0x40440100, 0x40200100, 0x20800100, 0x20400100,
    0x20200100, 0x20108100, 0x20102100, 0x80840004,
};

void Fill(CAccountSumList& list, int count) {
    auto add = [&](int index, std::uint32_t nature, std::int16_t status) {
        auto entry = std::make_unique<AccountSumEntry>();
        entry->accountCode = index * 10000;
        std::snprintf(entry->formalName, sizeof entry->formalName, "Account (%d)", index);
        entry->openingAmount = 1000000LL * (index % 97);
        entry->changeAmount = 12345678LL * (index % 13) - 5000;
        entry->closingAmount = entry->openingAmount + entry->changeAmount;
        entry->natureCode = nature;
        entry->status = status;
        list.Append(std::move(entry));
    };
    add(0, 0x40200040, 2);  // net income
    for (int i = 1; i < count; ++i) {
        add(i, kNatures[static_cast<std::size_t>(i) % std::size(kNatures)],
            static_cast<std::int16_t>(i % 4 == 1 ? 3 : 0));
    }
}

std::vector<std::string> Notes() {
    std::vector<std::string> notes;
    for (int id : {1000010, 1010010, 1060010, 1170010}) {
        for (const char* line : {"", "", "", "<Disp>1", "<Value>", "<Line>a & b</Line>"})
            notes.push_back(line);
        notes[notes.size() - 6] = "<ID>" + std::to_string(id);
    }
    return notes;
}

}  // namespace

int main() {
    char folder[] = "/tmp/ferrolin-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) return 1;
    const std::string path = ToWindowsPath(std::string(folder) + "/report.xml").value();

    DataSetInfo info{};
    std::strcpy(info.companyName, "Bench Co");
    info.periodStart = 20190401;
    info.periodEnd = 20200331;
    info.manufacturingCostFlag = 1;
    const std::vector<std::string> notes = Notes();
    std::array<std::uint8_t, kNoteGroupFlagCount> flags = {};
    flags.fill(1);

    for (int count : {1000, 10000, 100000}) {
        CAccountSumList list;
        Fill(list, count);
        CReportWriter writer("Bench");
        writer.SetAccountSums(&list);
        writer.SetNotesAvailable(1);
        writer.SetNotes(&notes);
        writer.SetNoteDisplayFlags(flags);
        double best = 1e30;
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            if (!writer.WriteReport(path, 3, info)) {
                std::fprintf(stderr, "report not written\n");
                return 1;
            }
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            best = std::min(best, took.count());
        }
        std::printf("%7d entries: %9.3f ms, %7.3f us per entry, %9ju bytes\n", count, best * 1e3,
                    best * 1e6 / count,
                    static_cast<std::uintmax_t>(
                        std::filesystem::file_size(std::string(folder) + "/report.xml")));
    }
    std::filesystem::remove_all(folder);
    return 0;
}
