#pragma once
// The status values the stand-in engine answers besides 0 (success). The component only tells 0
// from the rest (and 5000 at the cursor's end), so each fault gets its own value for diagnosis.

#include <cstdint>

namespace quorvel {

constexpr std::int32_t kEngineOk = 0;
constexpr std::int32_t kEngineNotFound = 1;       // no such row: no more data sets, no text kind
constexpr std::int32_t kEngineNotBound = -10;     // used before SetCurDataID / the attachments
constexpr std::int32_t kEngineNotReady = -11;     // cursor used before MoveReady
constexpr std::int32_t kEngineBadArgument = -12;  // null output, unknown cursor, invalid date
constexpr std::int32_t kEngineStoreError = -20;   // the store cannot be opened or read
constexpr std::int32_t kEngineBadData = -21;      // a stored value breaks the store's contract
constexpr std::int32_t kEngineUnreadable = -22;   // tax settings marked unreadable

}  // namespace quorvel
