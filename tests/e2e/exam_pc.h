// An exam PC's folders, laid out fresh for one test from the template that the
// host side wrote (LAUNCHER_E2E_TEMPLATE): parent\launcher\{launcher.exe, ##AUTO##, exam folder}.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "support/test_support.h"

namespace e2e {

class ExamPc {
public:
    // The parent folder's name ends in nameTail: a venue's folder with blanks,
    // "%" or a long name is laid out so.
    explicit ExamPc(const std::wstring& nameTail = L"");
    ~ExamPc();
    ExamPc(const ExamPc&) = delete;
    ExamPc& operator=(const ExamPc&) = delete;

    // All with a trailing backslash.
    const std::wstring& parent() const { return parent_; }
    std::wstring launcherDir() const { return parent_ + L"launcher\\"; }
    std::wstring launcherExe() const { return launcherDir() + L"launcher.exe"; }
    // The exam folder's name, as "##AUTO##\auto.ini" gives it.
    std::wstring rootDir() const;
    std::wstring examDir() const { return launcherDir() + rootDir() + L"\\"; }

    driver::Process StartLauncher(const std::wstring& args = L"") const;

private:
    std::wstring parent_;
};

using testsupport::CopyTree;
using testsupport::ListDir;
using testsupport::RemoveTree;

// Every file of an exam package below `folder` by relative path, with a hash of its
// bytes; the files the launcher writes into (its INI records, the folder icons) are
// left out, so the digest of the package is the same wherever it has moved.
std::map<std::wstring, unsigned long long> PackageDigest(const std::wstring& folder);
// Every folder and file below `folder`, files with a hash of their bytes.
std::map<std::wstring, unsigned long long> TreeDigest(const std::wstring& folder);

}  // namespace e2e
