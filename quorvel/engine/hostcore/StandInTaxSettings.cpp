#include "quorvel/engine/hostcore/StandInTaxSettings.h"

#include <cstdint>

#include "quorvel/engine/store/Statement.h"

namespace quorvel {

std::int32_t StandInTaxSettings::Get(ferrolin::TaxSettingsInfo* info) {
    if (info == nullptr) return kEngineBadArgument;
    if (!m_binding.HasSetMgrAndDataId()) return kEngineNotBound;
    Statement query(m_store.Db(),
                    "SELECT tax_settings_readable, amount_basis_flag FROM data_set "
                    "WHERE data_id IN (?1, ?2) ORDER BY walk_order LIMIT 1");
    query.BindKey(1, 2, m_binding.DataId());
    switch (query.Next()) {
        case Statement::Step::Row:
            if (query.Int(0) == 0) return kEngineUnreadable;
            *info = ferrolin::TaxSettingsInfo{};
            info->amountBasisFlag = static_cast<std::uint8_t>(query.Int(1));
            return kEngineOk;
        case Statement::Step::Done:
            return kEngineNotFound;
        case Statement::Step::Error:
            break;
    }
    m_store.Report("data_set cannot be read: " + query.Error());
    return kEngineStoreError;
}

}  // namespace quorvel
