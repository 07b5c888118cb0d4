#pragma once
// The data set selected in the host and its consumption-tax settings, copied into the run's own
// records at the start of the run. Neither read shows a message: a data set that is not found
// leaves a zero record, which the conditions dialog refuses; unreadable tax settings leave the
// amount basis at 0.

#include "host/HostDataManager.h"
#include "host/HostDataSetTable.h"
#include "host/HostRecords.h"

namespace ferrolin {

// The host's table of data sets as its data manager hands it out; null when it has none.
HostDataSetTable* FetchDataSetTable(HostDataManager& data);

// Walks the host's data sets for the one whose number is the user's selection and copies the
// first match whole into `out`. `dataSetTable` is the application's cache of the host's table,
// fetched on first use. True when a data set matched; otherwise `out` is all zero.
bool ReadSelectedDataSet(HostDataSetTable*& dataSetTable, DataSetInfo& out);

// Reads the consumption-tax settings of `dataSet`. True when read; otherwise `out` is untouched.
bool ReadTaxSettings(TaxSettingsInfo& out, const DataSetInfo& dataSet);

}  // namespace ferrolin
