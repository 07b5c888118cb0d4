#pragma once
// The user session: the current user from host_setting current_user, the selection from
// user_selection.

#include "host/HostUserSession.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInUserSession : public ferrolin::HostUserSession {
public:
    explicit StandInUserSession(HostStore& store) : m_store(store) {}

    // The user ID, cut to 64 bytes at a whole character.
    std::int32_t GetCurUserID(char* userId) override;
    // kEngineNotFound when the user has no selection; the outputs are then untouched.
    std::int32_t GetSelectedNo(const char* userId, std::int32_t* no1, std::int32_t* no2) override;

private:
    HostStore& m_store;
};

}  // namespace quorvel
