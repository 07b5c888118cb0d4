#include "quorvel/engine/hostcore/DataSetRows.h"

#include <cstdint>
#include <cstring>

#include "platform/text/Cp932.h"

namespace quorvel {

bool FillDataSetInfo(const Statement& row, HostStore& store, ferrolin::DataSetInfo* info) {
    std::memset(info, 0, sizeof *info);
    const auto dataId = row.Cp932(0);
    const auto company = row.Cp932(2);
    if (!dataId || !company) {
        store.Report("data_set row " + row.Raw(0) + " holds a text without code page 932 form");
        return false;
    }
    // A cut ID would name another data set, so an ID that does not fit is refused, not cut.
    if (dataId->size() >= sizeof info->dataId || dataId->find('\0') != std::string::npos) {
        store.Report("data_set data_id " + row.Raw(0) + " is longer than 15 bytes");
        return false;
    }
    std::memcpy(info->dataId, dataId->data(), dataId->size());
    info->dataNo = static_cast<std::int32_t>(row.Int(1));
    const std::string name = ferrolin::CutToWholeChars(*company, sizeof info->companyName - 1);
    std::memcpy(info->companyName, name.data(), name.size());
    info->periodStart = static_cast<std::int32_t>(row.Int(3));
    info->periodEnd = static_cast<std::int32_t>(row.Int(4));
    info->manufacturingCostFlag = static_cast<std::int32_t>(row.Int(5));
    info->period15Flag = static_cast<std::int32_t>(row.Int(6));
    info->introMonth = static_cast<std::int16_t>(row.Int(7));
    info->companyLawFlag = static_cast<std::uint8_t>(row.Int(8));
    return true;
}

}  // namespace quorvel
