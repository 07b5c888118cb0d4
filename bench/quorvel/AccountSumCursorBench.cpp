// Walks the stand-in account-sum cursor over stores of 1,000, 10,000 and 100,000 accounts, each
// account with 13 slots in both amount sets, and prints the time per record.
// Usage: bench_quorvel_cursor [FOLDER]   (the stores are built there, default /tmp)

#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "quorvel/engine/hostcore/StandInAccountSumCursor.h"
#include "quorvel/engine/store/EngineHandles.h"
#include "quorvel/engine/store/StoreContract.h"

namespace {

using Clock = std::chrono::steady_clock;

bool Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK) return true;
    std::fprintf(stderr, "%s\n", error);
    sqlite3_free(error);
    return false;
}

bool BuildStore(const std::string& path, int accounts) {
    unlink(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return false;
    bool ok = Exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF") &&
              Exec(db, quorvel::ContractSchemaSql()) && Exec(db, "BEGIN");
    sqlite3_stmt* account = nullptr;
    sqlite3_stmt* amount = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO account VALUES ('B', ?1, ?2, '売掛金' || ?1, '売掛', 0, 1, "
                       "0x80880004)",
                       -1, &account, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO account_amount VALUES ('B', ?1, ?2, ?3, ?4, ?5)", -1,
                       &amount, nullptr);
    for (int seq = 1; ok && seq <= accounts; ++seq) {
        sqlite3_bind_int(account, 1, seq);
        sqlite3_bind_int(account, 2, seq * 10000);
        ok = sqlite3_step(account) == SQLITE_DONE;
        sqlite3_reset(account);
        for (int set = 0; set < 2; ++set) {
            for (int slot = 0; ok && slot < 13; ++slot) {
                sqlite3_bind_int(amount, 1, seq);
                sqlite3_bind_int(amount, 2, set);
                sqlite3_bind_int(amount, 3, slot);
                sqlite3_bind_int64(amount, 4, 1234567LL * (slot + 1));
                sqlite3_bind_int64(amount, 5, 7654321LL * (set + 1));
                ok = sqlite3_step(amount) == SQLITE_DONE;
                sqlite3_reset(amount);
            }
        }
    }
    sqlite3_finalize(account);
    sqlite3_finalize(amount);
    ok = ok && Exec(db, "COMMIT");
    sqlite3_close(db);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/tmp";
    for (const int accounts : {1000, 10000, 100000}) {
        std::string path = folder;
        path.append("/quorvel-bench-").append(std::to_string(accounts)).append(".db");
        const auto built = Clock::now();
        if (!BuildStore(path, accounts)) {
            std::fprintf(stderr, "cannot build %s\n", path.c_str());
            return 1;
        }
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        quorvel::HostStore store;
        if (!store.OpenPath(path)) return 1;
        quorvel::StandInAccountSumCursor cursor(store);
        cursor.AttachSetMgr(quorvel::EngineSetMgr());
        cursor.SetCurDataID("B");
        cursor.AttachOptLink(quorvel::EngineOptLink());
        ferrolin::SumQuery query{};
        cursor.MoveReady(1, 0, 0, &query, nullptr, 0);
        std::uint32_t count = 0;
        cursor.GetSumCount(&count);
        cursor.SetMovePos(0);
        ferrolin::AccountSumRecord record;
        std::uint32_t walked = 0;
        std::int64_t check = 0;
        while (cursor.MoveNext(&record) == 0) {
            ++walked;
            check += record.debit1[12];
        }
        cursor.MoveFinish();
        const auto end = Clock::now();
        // CPU time as well as wall time: the machine may be busy with other work.
        const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double seconds = std::chrono::duration<double>(end - start).count();
        std::printf(
            "%6d accounts: count %u, walked %u, %.3f s wall, %.2f us wall and %.2f us CPU per "
            "record (built in %.1f s)%s\n",
            accounts, count, walked, seconds, seconds * 1e6 / walked, cpu * 1e6 / walked,
            std::chrono::duration<double>(start - built).count(),
            check == 1234567LL * 13 * walked ? "" : " CHECK FAILED");
        unlink(path.c_str());
    }
    return 0;
}
