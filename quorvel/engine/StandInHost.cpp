#include "quorvel/engine/StandInHost.h"

#include <memory>

#include "quorvel/engine/hostcommon/StandInDataManager.h"
#include "quorvel/engine/hostcommon/StandInLinkManager.h"
#include "quorvel/engine/hostcore/StandInAccountSumCursor.h"
#include "quorvel/engine/hostcore/StandInFiscalCalendar.h"
#include "quorvel/engine/hostcore/StandInStatementStore.h"
#include "quorvel/engine/hostfile/StandInFileManager.h"
#include "quorvel/engine/hostlink/StandInConnection.h"

namespace quorvel {
namespace {

// Everything the host owns, alive until the process ends.
struct StandInHost {
    HostStore store;
    StandInConnection connection{store};
    StandInFileManager files{store};
    StandInDataManager data{store};
    StandInLinkManager links;
};

}  // namespace

void InstallStandInHost() {
    static StandInHost* host = nullptr;
    if (host != nullptr) return;
    // Never destroyed: component objects may still reach the host from static destructors.
    host = new StandInHost;
    HostStore& store = host->store;
    ferrolin::HostConnection::SetInst(&host->connection);
    ferrolin::HostFileManager::SetInst(&host->files);
    ferrolin::HostDataManager::SetInst(&host->data);
    ferrolin::HostLinkManager::SetInst(&host->links);
    ferrolin::HostAccountSumCursor::SetFactory(
        [&store] { return std::make_unique<StandInAccountSumCursor>(store); });
    ferrolin::HostStatementStore::SetFactory(
        [&store] { return std::make_unique<StandInStatementStore>(store); });
    ferrolin::HostFiscalCalendar::SetFactory(
        [] { return std::make_unique<StandInFiscalCalendar>(); });
}

}  // namespace quorvel
