// Fixtures shared by the wine and end-to-end tiers: scratch folders, files in the
// system's encodings, INI values read back, a process that holds a file, and a
// reader that answers this process's message boxes.
#pragma once
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "driver/driver.h"

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

// Removes a folder and everything below it, whatever the attributes; a link is
// removed as a link, never followed. A trailing backslash is allowed.
void RemoveTree(const std::wstring& path);
void CopyTree(const std::wstring& from, const std::wstring& to);
// Names in a folder (no "." or ".."), sorted.
std::vector<std::wstring> ListDir(const std::wstring& folder);
// Every entry below `dir` (with its trailing backslash) with its size, to show that nothing was touched.
void Snapshot(const std::wstring& dir, std::vector<std::wstring>& out);

std::string ToCodePage(const std::wstring& text, UINT codePage);
std::wstring FromCodePage(const std::string& bytes, UINT codePage);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
// A file's text in code page 932, as the launcher writes its INI files and batches.
std::wstring FileText(const std::wstring& path);
bool Exists(const std::wstring& path);
// A value as the launcher reads it: the private-profile call with its buffer of 2048.
std::wstring ReadIni(const std::wstring& file, const wchar_t* section, const wchar_t* key);

// A Linux symbolic link at `link` to the folder `target`, which Wine shows as a
// folder with the reparse-point attribute (Wine's Windows calls make no links).
// Both paths in ASCII without blanks; false where no link could be made.
bool MakeFolderLink(const std::wstring& target, const std::wstring& link);
// Removes such a link, its target left alone.
void RemoveFolderLink(const std::wstring& link);

// A second process that holds a file open with no sharing until it is ended,
// for writes that must fail even for root (which Wine lets past read-only).
// The test program itself is started in its holder mode: every tier's main()
// calls HoldFileIfAsked first.
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
// With "--hold-file PATH" the program only holds PATH until it is ended; false otherwise.
bool HoldFileIfAsked(int argc, char** argv);

// Answers every message box this process shows, from another thread, as the
// examinee would, and keeps what each showed.
class BoxReader {
public:
    BoxReader();
    ~BoxReader();
    BoxReader(const BoxReader&) = delete;
    BoxReader& operator=(const BoxReader&) = delete;
    // The next box not taken yet, once it has been answered; none found within the time.
    driver::MessageBoxInfo Take(DWORD timeoutMs = 10000);
    // Stops reading; the texts of every box answered.
    std::vector<std::wstring> Stop();

private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable answered_;
    std::vector<driver::MessageBoxInfo> boxes_;
    std::size_t taken_ = 0;
    std::thread thread_;
};

}  // namespace testsupport
