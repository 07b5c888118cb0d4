#pragma once
// The table of data sets: data_set rows in walk_order; the selected one is the first whose
// data_no is the current user's selected_no2.

#include <map>
#include <vector>

#include "host/HostDataSetTable.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInDataSetTable : public ferrolin::HostDataSetTable {
public:
    explicit StandInDataSetTable(HostStore& store) : m_store(store) {}

    std::int32_t GetDatCursor(ferrolin::HostDatCursor* cursor) override;
    // Reads the data sets for the walk; any mode walks them all.
    std::int32_t ReadyDat(ferrolin::HostDatCursor cursor, std::int32_t mode) override;
    // kEngineNotFound after the last data set (and on a cursor that was not made ready); a row
    // that breaks the store's contract ends the walk with kEngineBadData.
    std::int32_t WalkDat(ferrolin::DataSetInfo* info, ferrolin::HostDatCursor cursor) override;
    std::int32_t ReleaseDatCursor(ferrolin::HostDatCursor cursor) override;
    // Read afresh on every call; null when the user has no selection or it names no data set.
    const ferrolin::DataSetInfo* GetSelectedInfo() override;

private:
    struct Walk {
        std::vector<ferrolin::DataSetInfo> rows;
        std::size_t next = 0;
        bool ready = false;
        bool broken = false;  // a row could not be read: the walk ends there
    };

    HostStore& m_store;
    std::map<ferrolin::HostDatCursor, Walk> m_walks;
    ferrolin::HostDatCursor m_nextCursor = 1;
    ferrolin::DataSetInfo m_selected{};
};

}  // namespace quorvel
