#pragma once
// The framework's file object: create-or-truncate for writing (not shared), read, write, close,
// on Windows-form paths. A failed write raises CFileException, which CXmlWriter catches.
// Tests derive from it to make the Nth write fail.

#include <cstddef>
#include <stdexcept>
#include <string>

namespace ferrolin {

class CFileException : public std::runtime_error {
public:
    explicit CFileException(const std::string& what) : std::runtime_error(what) {}
};

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,      // create, or truncate an existing file
        shareExclusive = 0x0010,  // no other opener while this one is open
        shareDenyNone = 0x0040,
        typeBinary = 0x8000,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // False when the file cannot be opened as asked; the object stays closed.
    virtual bool Open(const std::string& windowsPath, unsigned flags);
    // Writes all bytes or throws CFileException (also when the file is not open).
    virtual void Write(const void* data, std::size_t size);
    // Reads up to `size` bytes; 0 at the end. Throws CFileException when not open.
    virtual std::size_t Read(void* data, std::size_t size);
    virtual void Close();
    bool IsOpen() const { return m_fd >= 0; }

protected:
    int m_fd = -1;
};

}  // namespace ferrolin
