#pragma once
// The consumption-tax settings of one data set: data_set amount_basis_flag (byte 5), refused when
// the row's tax_settings_readable is 0.

#include "host/HostTaxSettings.h"
#include "quorvel/engine/hostcore/EngineBinding.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInTaxSettings : public ferrolin::HostTaxSettings {
public:
    explicit StandInTaxSettings(HostStore& store) : m_store(store) {}

    std::int32_t AttachSetMgr(ferrolin::HostSetMgr* setMgr) override {
        return m_binding.AttachSetMgr(setMgr);
    }
    std::int32_t SetCurDataID(const char* dataId) override {
        return m_binding.SetCurDataID(dataId);
    }
    // Fills all 12 bytes (the others zero); on failure `info` is untouched.
    std::int32_t Get(ferrolin::TaxSettingsInfo* info) override;

private:
    HostStore& m_store;
    EngineBinding m_binding;
};

}  // namespace quorvel
