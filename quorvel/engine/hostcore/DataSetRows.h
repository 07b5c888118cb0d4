#pragma once
// Reading data_set rows into the host's DataSetInfo record.

#include "host/HostRecords.h"
#include "quorvel/engine/store/HostStore.h"
#include "quorvel/engine/store/Statement.h"

namespace quorvel {

// The columns that FillDataSetInfo reads, in its order, for "SELECT <these> FROM data_set ...".
#define QUORVEL_DATA_SET_COLUMNS                                                          \
    "data_id, data_no, company_name, period_start, period_end, manufacturing_cost_flag, " \
    "period15_flag, intro_month, company_law_flag"

// Fills `info` whole (unnamed bytes zero) from the current row. False, with the fault reported,
// when the data ID does not fit its 15 bytes or a text has no code page 932 form; the company name
// is cut to 259 bytes at a whole character.
bool FillDataSetInfo(const Statement& row, HostStore& store, ferrolin::DataSetInfo* info);

}  // namespace quorvel
