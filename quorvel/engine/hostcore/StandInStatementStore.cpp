#include "quorvel/engine/hostcore/StandInStatementStore.h"

#include <cstring>
#include <limits>

#include "host/HostTaskMemory.h"
#include "quorvel/engine/store/Statement.h"

namespace quorvel {

std::int32_t StandInStatementStore::GetDataType02(std::int32_t kind, char** text,
                                                  std::int32_t* length) {
    if (text == nullptr) return kEngineBadArgument;
    *text = nullptr;
    if (!m_binding.HasAll()) return kEngineNotBound;
    Statement query(m_store.Db(),
                    "SELECT body FROM statement_text WHERE data_id IN (?1, ?2) AND kind = ?3");
    query.BindKey(1, 2, m_binding.DataId()).BindInt(3, kind);
    switch (query.Next()) {
        case Statement::Step::Row:
            break;
        case Statement::Step::Done:
            return kEngineNotFound;
        case Statement::Step::Error:
            m_store.Report("statement_text cannot be read: " + query.Error());
            return kEngineStoreError;
    }
    const auto body = query.Cp932(0);
    if (!body ||
        body->size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        m_store.Report("statement_text kind " + std::to_string(kind) +
                       " has no code page 932 form");
        return kEngineBadData;
    }
    char* block = static_cast<char*>(ferrolin::CoTaskMemAlloc(body->size() + 1));
    if (block == nullptr) return kEngineStoreError;
    std::memcpy(block, body->data(), body->size());
    block[body->size()] = '\0';
    *text = block;
    if (length != nullptr) *length = static_cast<std::int32_t>(body->size());
    return kEngineOk;
}

}  // namespace quorvel
