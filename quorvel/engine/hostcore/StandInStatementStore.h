#pragma once
// The saved financial statements of one data set: statement_text bodies by kind.

#include "host/HostStatementStore.h"
#include "quorvel/engine/hostcore/EngineBinding.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInStatementStore : public ferrolin::HostStatementStore {
public:
    explicit StandInStatementStore(HostStore& store) : m_store(store) {}

    std::int32_t AttachSetMgr(ferrolin::HostSetMgr* setMgr) override {
        return m_binding.AttachSetMgr(setMgr);
    }
    std::int32_t SetCurDataID(const char* dataId) override {
        return m_binding.SetCurDataID(dataId);
    }
    std::int32_t AttachOptLink(ferrolin::HostOptLink* optLink) override {
        return m_binding.AttachOptLink(optLink);
    }
    // The body in code page 932 with a terminating NUL, from CoTaskMemAlloc; `length` is its byte
    // count without the NUL. kEngineNotFound when the kind has no row. On failure `*text` is null.
    std::int32_t GetDataType02(std::int32_t kind, char** text, std::int32_t* length) override;

private:
    HostStore& m_store;
    EngineBinding m_binding;
};

}  // namespace quorvel
