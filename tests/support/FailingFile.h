#pragma once
// A file object whose Nth write fails with the file error, as a full disk would: the fault device
// for proving that every writer stops at the first failed write.

#include <string>

#include "platform/io/File.h"

namespace ferrolin::test {

class FailingFile : public CFile {
public:
    // Writes 1 .. failAt-1 succeed and reach the file; write failAt and later ones throw.
    explicit FailingFile(int failAt) : m_failAt(failAt) {}
    void Write(const void* data, std::size_t size) override {
        if (++m_writes >= m_failAt) throw CFileException("device full");
        CFile::Write(data, size);
    }
    int Writes() const { return m_writes; }

private:
    int m_failAt;
    int m_writes = 0;
};

}  // namespace ferrolin::test
