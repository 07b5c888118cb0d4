#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards; and small
// helpers to read and write whole files there.

#include <filesystem>
#include <string>

namespace ferrolin::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The Windows form of a file in the folder under the default drive map (Z: is "/").
    std::string WindowsPath(const std::string& name = "") const;

private:
    std::filesystem::path m_path;
};

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace ferrolin::test
