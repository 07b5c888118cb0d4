#include "dataset/DataSetId.h"

#include <cstring>

namespace ferrolin {

std::string DataSetIdOf(const DataSetInfo& info) {
    return std::string(info.dataId, strnlen(info.dataId, sizeof info.dataId));
}

}  // namespace ferrolin
