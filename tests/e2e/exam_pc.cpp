#include "exam_pc.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace e2e {

namespace {

unsigned long long HashFile(const std::wstring& path) {
    unsigned long long hash = 1469598103934665603ULL;  // FNV-1a
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    unsigned char buf[8192];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) {
        for (DWORD i = 0; i < got; ++i)
            hash = (hash ^ buf[i]) * 1099511628211ULL;
    }
    CloseHandle(h);
    return hash;
}

void Digest(const std::wstring& root,
            const std::wstring& rel,
            bool package,
            std::map<std::wstring, unsigned long long>& out) {
    for (const std::wstring& name : ListDir(root + rel)) {
        const std::wstring relName = rel + name;
        const DWORD attrs = GetFileAttributesW((root + relName).c_str());
        if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY)) {
            if (!package)
                out[relName + L"\\"] = 0;
            Digest(root, relName + L"\\", package, out);
        } else if (!package ||
                   (relName != L"system\\system.ini" && relName != L"system\\shiken.ini" && name != L"desktop.ini")) {
            out[relName] = HashFile(root + relName);
        }
    }
}

std::map<std::wstring, unsigned long long> DigestOf(const std::wstring& folder, bool package) {
    std::map<std::wstring, unsigned long long> out;
    std::wstring root = folder;
    if (!root.empty() && root.back() != L'\\')
        root += L'\\';
    Digest(root, L"", package, out);
    return out;
}

}  // namespace

std::map<std::wstring, unsigned long long> PackageDigest(const std::wstring& folder) {
    return DigestOf(folder, true);
}

std::map<std::wstring, unsigned long long> TreeDigest(const std::wstring& folder) {
    return DigestOf(folder, false);
}

ExamPc::ExamPc(const std::wstring& nameTail) {
    const wchar_t* tmpl = _wgetenv(L"LAUNCHER_E2E_TEMPLATE");
    if (!tmpl)
        throw std::runtime_error("LAUNCHER_E2E_TEMPLATE is not set");
    std::wstring from = tmpl;
    for (auto& c : from)
        if (c == L'/')
            c = L'\\';
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    // Exam PCs never run the launcher from the temporary folder: lay out beside it.
    std::wstring base = std::wstring(tmp);
    base.pop_back();
    base = base.substr(0, base.find_last_of(L'\\') + 1) + L"e2e\\";
    CreateDirectoryW(base.c_str(), nullptr);
    static unsigned counter = 0;
    for (;;) {
        parent_ = base + L"pc" + std::to_wstring(GetCurrentProcessId()) + L"_" + std::to_wstring(++counter) + nameTail +
                  L"\\";
        if (CreateDirectoryW(parent_.c_str(), nullptr))
            break;
    }
    CopyTree(from, parent_.substr(0, parent_.size() - 1));
}

ExamPc::~ExamPc() {
    RemoveTree(parent_);
}

std::wstring ExamPc::rootDir() const {
    wchar_t buf[512];
    GetPrivateProfileStringW(L"情報", L"解凍前フォルダ名", L"", buf, 512,
                             (launcherDir() + L"##AUTO##\\auto.ini").c_str());
    return buf;
}

driver::Process ExamPc::StartLauncher(const std::wstring& args) const {
    std::wstring cmd = L"\"" + launcherExe() + L"\"";
    if (!args.empty())
        cmd += L" " + args;
    return driver::Process(cmd, launcherDir());
}

}  // namespace e2e
