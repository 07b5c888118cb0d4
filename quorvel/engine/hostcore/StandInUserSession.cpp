#include "quorvel/engine/hostcore/StandInUserSession.h"

#include <cstring>

#include "platform/text/Cp932.h"
#include "quorvel/engine/store/EngineStatus.h"
#include "quorvel/engine/store/Statement.h"

namespace quorvel {

std::int32_t StandInUserSession::GetCurUserID(char* userId) {
    if (userId == nullptr) return kEngineBadArgument;
    const auto user = m_store.TextSetting("current_user", "USER01");
    if (!user) return kEngineStoreError;
    const std::string cut = ferrolin::CutToWholeChars(*user, ferrolin::kUserIdSize - 1);
    std::memcpy(userId, cut.data(), cut.size());
    userId[cut.size()] = '\0';
    return kEngineOk;
}

std::int32_t StandInUserSession::GetSelectedNo(const char* userId, std::int32_t* no1,
                                               std::int32_t* no2) {
    if (userId == nullptr || no1 == nullptr || no2 == nullptr) return kEngineBadArgument;
    Statement query(m_store.Db(),
                    "SELECT selected_no1, selected_no2 FROM user_selection "
                    "WHERE user_id IN (?1, ?2)");
    query.BindKey(1, 2, userId);
    switch (query.Next()) {
        case Statement::Step::Row:
            *no1 = static_cast<std::int32_t>(query.Int(0));
            *no2 = static_cast<std::int32_t>(query.Int(1));
            return kEngineOk;
        case Statement::Step::Done:
            return kEngineNotFound;
        case Statement::Step::Error:
            break;
    }
    m_store.Report("user_selection cannot be read: " + query.Error());
    return kEngineStoreError;
}

}  // namespace quorvel
