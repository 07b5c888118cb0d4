#pragma once
// A host store for one test: the contract's tables in a fresh file, filled by the test's SQL,
// named by QUORVEL_STORE while the fixture lives.

#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace quorvel::test {

class StoreFixture {
public:
    // `sql` runs after the contract's CREATE TABLE statements; it fails the test when it does not.
    explicit StoreFixture(const std::string& sql = "");
    ~StoreFixture();

    void Exec(const std::string& sql) const;
    const std::filesystem::path& StorePath() const { return m_store; }
    const ferrolin::test::TempFolder& Folder() const { return m_folder; }

private:
    ferrolin::test::TempFolder m_folder;
    std::filesystem::path m_store;
};

}  // namespace quorvel::test
