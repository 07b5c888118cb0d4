#pragma once
// The data set identifier as a text. The record's field has a fixed width and is not guaranteed
// to hold a terminator, so it is read up to its terminator or its end, never beyond.

#include <string>

#include "host/HostRecords.h"

namespace ferrolin {

std::string DataSetIdOf(const DataSetInfo& info);

}  // namespace ferrolin
