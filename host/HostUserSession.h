#pragma once
// The host's user session (hostcore).

#include <cstdint>

namespace ferrolin {

constexpr int kUserIdSize = 65;  // 64 bytes of text and a terminator

class HostUserSession {
public:
    virtual ~HostUserSession() = default;
    // Writes the current user ID into a zeroed buffer of kUserIdSize bytes.
    virtual std::int32_t GetCurUserID(char* userId) = 0;
    // Writes the two numbers of the user's selection; the second is the selected data set's dataNo.
    virtual std::int32_t GetSelectedNo(const char* userId, std::int32_t* no1,
                                       std::int32_t* no2) = 0;
};

}  // namespace ferrolin
