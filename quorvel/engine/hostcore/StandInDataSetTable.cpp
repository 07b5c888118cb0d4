#include "quorvel/engine/hostcore/StandInDataSetTable.h"

#include "quorvel/engine/hostcore/DataSetRows.h"
#include "quorvel/engine/hostcore/StandInUserSession.h"
#include "quorvel/engine/store/EngineStatus.h"
#include "quorvel/engine/store/Statement.h"

namespace quorvel {

std::int32_t StandInDataSetTable::GetDatCursor(ferrolin::HostDatCursor* cursor) {
    if (cursor == nullptr) return kEngineBadArgument;
    *cursor = m_nextCursor++;
    m_walks[*cursor] = Walk{};
    return kEngineOk;
}

std::int32_t StandInDataSetTable::ReadyDat(ferrolin::HostDatCursor cursor, std::int32_t) {
    const auto found = m_walks.find(cursor);
    if (found == m_walks.end()) return kEngineBadArgument;
    Walk walk;
    Statement query(m_store.Db(),
                    "SELECT " QUORVEL_DATA_SET_COLUMNS " FROM data_set ORDER BY walk_order");
    for (;;) {
        const Statement::Step step = query.Next();
        if (step == Statement::Step::Done) break;
        if (step == Statement::Step::Error) {
            m_store.Report("data_set cannot be read: " + query.Error());
            return kEngineStoreError;
        }
        ferrolin::DataSetInfo info;
        if (!FillDataSetInfo(query, m_store, &info)) {
            walk.broken = true;
            break;
        }
        walk.rows.push_back(info);
    }
    walk.ready = true;
    found->second = std::move(walk);
    return kEngineOk;
}

std::int32_t StandInDataSetTable::WalkDat(ferrolin::DataSetInfo* info,
                                          ferrolin::HostDatCursor cursor) {
    if (info == nullptr) return kEngineBadArgument;
    const auto found = m_walks.find(cursor);
    if (found == m_walks.end() || !found->second.ready) return kEngineNotFound;
    Walk& walk = found->second;
    if (walk.next < walk.rows.size()) {
        *info = walk.rows[walk.next++];
        return kEngineOk;
    }
    return walk.broken ? kEngineBadData : kEngineNotFound;
}

std::int32_t StandInDataSetTable::ReleaseDatCursor(ferrolin::HostDatCursor cursor) {
    return m_walks.erase(cursor) == 1 ? kEngineOk : kEngineBadArgument;
}

const ferrolin::DataSetInfo* StandInDataSetTable::GetSelectedInfo() {
    StandInUserSession session(m_store);
    char user[ferrolin::kUserIdSize] = {};
    std::int32_t no1 = 0;
    std::int32_t no2 = 0;
    if (session.GetCurUserID(user) != kEngineOk ||
        session.GetSelectedNo(user, &no1, &no2) != kEngineOk) {
        return nullptr;
    }
    Statement query(m_store.Db(), "SELECT " QUORVEL_DATA_SET_COLUMNS
                                  " FROM data_set WHERE data_no = ?1 ORDER BY walk_order LIMIT 1");
    query.BindInt(1, no2);
    const Statement::Step step = query.Next();
    if (step == Statement::Step::Error) m_store.Report("data_set cannot be read: " + query.Error());
    if (step != Statement::Step::Row || !FillDataSetInfo(query, m_store, &m_selected)) {
        return nullptr;
    }
    return &m_selected;
}

}  // namespace quorvel
