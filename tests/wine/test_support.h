// Fixtures for the wine tier: scratch folders and files in the system's encodings.
#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// A fresh folder under the temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // With a trailing backslash.
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

void RemoveTree(const std::wstring& path);
std::string ToCodePage(const std::wstring& text, UINT codePage);
std::wstring FromCodePage(const std::string& bytes, UINT codePage);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool Exists(const std::wstring& path);

// A second process that holds a file open with no sharing until it is ended,
// for writes that must fail even for root (which Wine lets past read-only).
class FileHolder {
public:
    explicit FileHolder(const std::wstring& path);
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    bool holding() const { return process_ != nullptr; }
    void Release();

private:
    HANDLE process_ = nullptr;
};

}  // namespace testsupport
