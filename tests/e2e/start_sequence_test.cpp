// The whole start, from Enter to the clean-up batch's end, on a fresh exam PC per
// case. Under Wine read-only is not stored on folders, so the examinee folder's
// read-only attribute cannot be seen here; the hidden desktop.ini files can.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "exam_pc.h"
#include "launcher_screen.h"

namespace {

const std::wstring kPrefix = L"受験者用_";
const std::wstring kExamProgram = L"[1]表計算.exe";
const wchar_t kExamWindow[] = L"frmJPBG0010";
const wchar_t kDebug[] = L"デバッグ中は削除できません";
const wchar_t kRenameFailed[] = L"受験者用フォルダ名の変更に失敗しました。";
const wchar_t kProgramMissing[] = L"受験プログラムの展開時にエラーが発生しました。受験プログラムを終了します。";
const wchar_t kNoWindow[] = L"受験プログラムの起動時にエラーが発生しました。受験プログラムを終了します。";
const std::wstring kKeyAlphabet = L"abcdefghijklmnopqrsuvwxyzABCDEFGHIJKLMNOPQRSUVWXYZ1234567890";

using testsupport::Exists;
using testsupport::FileText;

// Ends every exam program still running (their names start with "[1]").
void EndExamPrograms() {
    for (HWND w; (w = FindWindowW(nullptr, kExamWindow)) != nullptr;) {
        PostMessageW(w, WM_CLOSE, 0, 0);
        if (!driver::WaitForWindowGone(w, 5000))
            break;
    }
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL ok = Process32FirstW(snap, &pe); ok; ok = Process32NextW(snap, &pe)) {
        if (wcsncmp(pe.szExeFile, L"[1]", 3) != 0)
            continue;
        if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pe.th32ProcessID)) {
            TerminateProcess(p, 1);
            WaitForSingleObject(p, 5000);
            CloseHandle(p);
        }
    }
    CloseHandle(snap);
}

class StartRun : public ::testing::Test, protected e2e::LauncherScreen {
protected:
    explicit StartRun(const std::wstring& parentTail = L"") : pc(parentTail) {}

    void TearDown() override {
        Kill();
        EndExamPrograms();
    }

    // Types the entries and presses Enter in the number field.
    void Start(const std::wstring& args = L"") {
        ASSERT_TRUE(Open(pc, args));
        SetText(kaiCd, L"12345");
        SetText(juban, L"007");
        ASSERT_TRUE(EnterIn(juban));
    }

    // The launcher has ended, and then its clean-up batch has removed its folder and itself.
    void ExpectEndAndCleanup() {
        DWORD code = 1;
        ASSERT_TRUE(launcher.Wait(20000, &code));
        // The batch deletes itself last, a moment after the folder has gone.
        const auto busy = [this] { return Exists(pc.launcherDir()) || Exists(pc.parent() + L"Corvanta.BAT"); };
        for (int i = 0; i < 300 && busy(); ++i)
            Sleep(100);
        EXPECT_FALSE(Exists(pc.launcherDir()));
        // The examinee folder and the test's tools, nothing else.
        const std::vector<std::wstring> left = e2e::ListDir(pc.parent());
        std::wstring names;
        for (const std::wstring& name : left)
            names += name + L" | ";
        EXPECT_EQ(left.size(), 2u) << names;
    }

    std::vector<std::wstring> Examinee(const std::wstring& folder) const {
        std::vector<std::wstring> found;
        for (const std::wstring& name : e2e::ListDir(folder))
            if (name.rfind(kPrefix, 0) == 0)
                found.push_back(folder + name + L"\\");
        return found;
    }

    // The exam content lies in exactly one place, the examinee folder, complete.
    std::wstring ExpectOnlyExamineeFolderHoldsThePackage() {
        std::vector<std::wstring> places = Examinee(pc.parent());
        if (Exists(pc.launcherDir())) {
            for (const std::wstring& inside : Examinee(pc.launcherDir()))
                places.push_back(inside);
            if (Exists(pc.examDir()))
                places.push_back(pc.examDir());
        }
        EXPECT_EQ(places.size(), 1u);
        if (places.size() != 1)
            return L"";
        EXPECT_EQ(places[0].rfind(pc.parent(), 0), 0u);
        EXPECT_TRUE(e2e::PackageDigest(places[0]) == digest) << "the package's files differ";
        return places[0];
    }

    void TakeDigest() { digest = e2e::PackageDigest(pc.examDir()); }

    e2e::ExamPc pc;
    std::map<std::wstring, unsigned long long> digest;
};

TEST_F(StartRun, StartsTheExamProgramFromTheExamineeFolderAndRemovesTheLauncher) {
    TakeDigest();
    Start();
    HWND exam = driver::WaitForShownWindow(nullptr, kExamWindow, 20000);
    ASSERT_NE(exam, nullptr);
    ExpectEndAndCleanup();

    const std::wstring folder = ExpectOnlyExamineeFolderHoldsThePackage();
    ASSERT_FALSE(folder.empty());
    const std::wstring key = testsupport::ReadIni(folder + L"system\\system.ini", L"基本情報", L"固有キー");
    ASSERT_EQ(key.size(), 5u);
    EXPECT_EQ(key.find_first_not_of(kKeyAlphabet), std::wstring::npos) << key;
    EXPECT_EQ(folder, pc.parent() + L"受験者用_表計算3級_模擬A_12345_007［" + key + L"］\\");
    EXPECT_EQ(testsupport::ReadIni(folder + L"system\\shiken.ini", L"受験者情報", L"会場コード"), L"12345");
    EXPECT_EQ(testsupport::ReadIni(folder + L"system\\shiken.ini", L"受験者情報", L"受験番号"), L"007");
    struct Icon {
        std::wstring file, resource;
    };
    for (const Icon& icon : {Icon{folder + L"desktop.ini", L"\".\\system\\Image\\TopIcon.ico\""},
                             Icon{folder + L"実技用\\desktop.ini", L"\".\\..\\system\\Image\\ZFolderIcon.ico\""}}) {
        SCOPED_TRACE(icon.file);
        const std::wstring text = FileText(icon.file);
        EXPECT_NE(text.find(L"IconResource=" + icon.resource + L"\r\n"), std::wstring::npos) << text;
        EXPECT_NE(text.find(L"IconIndex=0\r\n"), std::wstring::npos) << text;
        EXPECT_TRUE(GetFileAttributesW(icon.file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    }

    // The window belongs to the program in the examinee folder, still running.
    DWORD pid = 0;
    GetWindowThreadProcessId(exam, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    ASSERT_NE(process, nullptr);
    wchar_t image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameW(process, 0, image, &size));
    CloseHandle(process);
    EXPECT_EQ(lstrcmpiW(image, (folder + kExamProgram).c_str()), 0) << image;
    EXPECT_TRUE(IsWindow(exam));
}

TEST_F(StartRun, DevelopmentCodeNamesTheFolderWithoutFileTitleAndNoPracticeFolderIsLeftAlone) {
    const std::wstring systemIni = pc.examDir() + L"system\\system.ini";
    ASSERT_TRUE(WritePrivateProfileStringW(L"基本情報", L"ファイル名称", L"", systemIni.c_str()));
    e2e::RemoveTree(pc.examDir() + L"実技用");
    TakeDigest();
    Start();
    ASSERT_NE(driver::WaitForShownWindow(nullptr, kExamWindow, 20000), nullptr);
    ExpectEndAndCleanup();

    const std::wstring folder = ExpectOnlyExamineeFolderHoldsThePackage();
    const std::wstring key = testsupport::ReadIni(folder + L"system\\system.ini", L"基本情報", L"固有キー");
    EXPECT_EQ(folder, pc.parent() + L"受験者用_XL3A01_12345_007［" + key + L"］\\");
    EXPECT_FALSE(Exists(folder + L"実技用"));
}

// The exam folder held open without delete sharing by another process (this
// one) cannot be renamed; once it is let go, a second press goes through.
TEST_F(StartRun, FailedRenameKeepsTheLauncherOpenAndASecondPressSucceeds) {
    TakeDigest();
    std::wstring examDir = pc.examDir();
    examDir.pop_back();
    HANDLE holder = CreateFileW(examDir.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Start();
    EXPECT_EQ(AnswerBox(), kRenameFailed);
    EXPECT_FALSE(launcher.Wait(500));
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(Exists(pc.examDir() + kExamProgram));
    EXPECT_FALSE(Exists(pc.parent() + L"Corvanta.BAT"));
    CloseHandle(holder);

    ASSERT_TRUE(EnterIn(juban));
    ASSERT_NE(driver::WaitForShownWindow(nullptr, kExamWindow, 20000), nullptr);
    ExpectEndAndCleanup();
    ExpectOnlyExamineeFolderHoldsThePackage();
}

TEST_F(StartRun, MissingExamProgramEndsTheLauncherAndLeavesTheExamineeFolder) {
    ASSERT_TRUE(DeleteFileW((pc.examDir() + kExamProgram).c_str()));
    TakeDigest();
    Start();
    EXPECT_EQ(AnswerBox(), kProgramMissing);
    ExpectEndAndCleanup();
    ExpectOnlyExamineeFolderHoldsThePackage();
    EXPECT_EQ(FindWindowW(nullptr, kExamWindow), nullptr);
}

// The program starts but never opens its window: given up after about ten seconds.
TEST_F(StartRun, NoExamWindowGivesUpAfterAboutTenSeconds) {
    ASSERT_TRUE(CopyFileW((pc.parent() + L"tools\\sample_exam_nowindow.exe").c_str(),
                          (pc.examDir() + kExamProgram).c_str(), FALSE));
    TakeDigest();
    Start();
    const ULONGLONG pressed = GetTickCount64();
    EXPECT_EQ(AnswerBox(20000), kNoWindow);
    const ULONGLONG waited = GetTickCount64() - pressed;
    EXPECT_GE(waited, 9500u);
    EXPECT_LE(waited, 16000u);
    ExpectEndAndCleanup();
    ExpectOnlyExamineeFolderHoldsThePackage();
}

// Debug mode writes both batches but starts and deletes nothing, so the wait runs out.
TEST_F(StartRun, DebugModeShowsEachStepAndLeavesTheLauncherFolder) {
    TakeDigest();
    Start(L"-debug");
    EXPECT_EQ(AnswerBox(), kDebug);
    EXPECT_EQ(AnswerBox(20000), kNoWindow);
    EXPECT_EQ(AnswerBox(), kDebug);
    DWORD code = 1;
    ASSERT_TRUE(launcher.Wait(10000, &code));

    ExpectOnlyExamineeFolderHoldsThePackage();
    EXPECT_TRUE(Exists(pc.parent() + L"JukenExeStart.BAT"));
    EXPECT_TRUE(Exists(pc.parent() + L"Corvanta.BAT"));
    EXPECT_EQ(e2e::ListDir(pc.launcherDir()), (std::vector<std::wstring>{L"##AUTO##", L"launcher.exe"}));
    EXPECT_EQ(FindWindowW(nullptr, kExamWindow), nullptr);
}

// cmd expands "%NAME%" of a defined variable in its command line; the batches'
// own paths must not go through it, while the paths inside them are escaped.
class StartBelowPercentFolder : public StartRun {
protected:
    StartBelowPercentFolder() : StartRun(L" 50%TEMP%x") {}
};

TEST_F(StartBelowPercentFolder, BothBatchesRunAndLeaveOnlyTheExamineeFolder) {
    TakeDigest();
    Start();
    ASSERT_NE(driver::WaitForShownWindow(nullptr, kExamWindow, 20000), nullptr);
    ExpectEndAndCleanup();
    const std::wstring folder = ExpectOnlyExamineeFolderHoldsThePackage();
    EXPECT_NE(folder.find(L" 50%TEMP%x\\受験者用_"), std::wstring::npos) << folder;
}

// A venue may deploy "##AUTO##" as a link to a shared folder. The clean-up removes
// it as a link, or, where the platform cannot (Wine removes a link's target, and
// refuses a full one), leaves it with the failure message: the shared folder's
// files are never deleted, and the exam content stays in one place.
TEST_F(StartRun, AnAutoFolderThatIsALinkKeepsTheSharedFolder) {
    const std::wstring autoDir = pc.launcherDir() + L"##AUTO##";
    const std::wstring shared = pc.parent() + L"shared";
    testsupport::CopyTree(autoDir, shared);
    testsupport::WriteBytes(shared + L"\\venue.txt", "venue");
    testsupport::RemoveTree(autoDir);
    if (!testsupport::MakeFolderLink(shared, autoDir))
        GTEST_SKIP() << "no way to make a folder link here";
    struct Unlink {
        std::wstring link;
        ~Unlink() { testsupport::RemoveFolderLink(link); }
    } unlink{autoDir};
    const auto sharedBefore = e2e::TreeDigest(shared);
    TakeDigest();
    Start();

    std::vector<std::wstring> boxes;
    for (int i = 0; i < 60 && !launcher.Wait(0); ++i) {
        const driver::MessageBoxInfo box = driver::WaitForMessageBox(launcher.pid(), 500);
        if (box.found()) {
            boxes.push_back(box.text);
            driver::AnswerMessageBox(box.hwnd);
            driver::WaitForWindowGone(box.hwnd, 5000);
        }
    }
    ASSERT_TRUE(launcher.Wait(10000));
    EXPECT_TRUE(e2e::TreeDigest(shared) == sharedBefore) << "the shared folder changed";
    ExpectOnlyExamineeFolderHoldsThePackage();
    if (GetFileAttributesW(autoDir.c_str()) != INVALID_FILE_ATTRIBUTES) {
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes[0].rfind(L"受験用フォルダ(フォルダ名：##TEMP##)の削除に失敗しました。\r\n\r\n", 0), 0u)
            << boxes[0];
    } else {
        EXPECT_TRUE(boxes.empty()) << boxes[0];
        EXPECT_NE(FindWindowW(nullptr, kExamWindow), nullptr);
    }
}

// A second launcher started while one runs (a double click is enough) ends at
// once and writes nothing, not even the environment record; the first one then
// starts the exam with the one key its folder is named with.
TEST_F(StartRun, ASecondLauncherEndsAtOnceAndTheFirstGoesOn) {
    TakeDigest();
    ASSERT_TRUE(Open(pc));
    const std::wstring shikenIni = pc.examDir() + L"system\\shiken.ini";
    // The record a second launcher would write is the first one's to the byte.
    ASSERT_TRUE(WritePrivateProfileStringW(L"受験者情報", L"OS", L"first", shikenIni.c_str()));
    const auto before = e2e::TreeDigest(pc.parent());

    driver::Process second = pc.StartLauncher();
    ASSERT_TRUE(second.started());
    DWORD code = 1;
    ASSERT_TRUE(second.Wait(5000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(e2e::TreeDigest(pc.parent()) == before) << "a file changed";
    EXPECT_EQ(testsupport::ReadIni(shikenIni, L"受験者情報", L"OS"), L"first");
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(launcher.Wait(0));

    SetText(kaiCd, L"12345");
    SetText(juban, L"007");
    ASSERT_TRUE(EnterIn(juban));
    ASSERT_NE(driver::WaitForShownWindow(nullptr, kExamWindow, 20000), nullptr);
    ExpectEndAndCleanup();
    const std::wstring folder = ExpectOnlyExamineeFolderHoldsThePackage();
    const std::wstring key = testsupport::ReadIni(folder + L"system\\system.ini", L"基本情報", L"固有キー");
    EXPECT_EQ(folder, pc.parent() + L"受験者用_表計算3級_模擬A_12345_007［" + key + L"］\\");
}

// Names from the package and paths too long for the calls that take them are
// refused before anything is written, renamed or deleted: one message, the
// launcher open, not one file changed.
TEST(StartRefused, NamesThatLeaveTheirFolderAndPathsTooLongChangeNothing) {
    struct Case {
        std::wstring parentTail;
        const wchar_t* iniFile;  // below the exam folder; null when no value is changed
        const wchar_t* key;      // in section 基本情報
        const wchar_t* value;
        std::wstring number;
        const wchar_t* detail;  // a part of the message's detail
    };
    const Case cases[] = {
        {L"", L"system\\system.ini", L"ファイル名称", L"..\\..\\##AUTO##\\x", L"007", L"「ファイル名称」"},
        {L"", L"system\\1\\setup.ini", L"部種名称", L"..\\..\\..\\evil", L"007", L"「部種名称」"},
        {L"", nullptr, nullptr, nullptr, std::wstring(199, L'0') + L"1", L"長すぎます"},
        // The launcher still opens there, but every INI read would come back empty.
        {L"_" + std::wstring(200, L'd'), nullptr, nullptr, nullptr, L"007", L"\\system\\system.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detail);
        e2e::ExamPc pc(c.parentTail);
        if (c.iniFile) {
            ASSERT_TRUE(WritePrivateProfileStringW(L"基本情報", c.key, c.value, (pc.examDir() + c.iniFile).c_str()));
        }
        struct Screen : e2e::LauncherScreen {
            ~Screen() { Kill(); }
        } screen;
        ASSERT_TRUE(screen.Open(pc));
        const auto before = e2e::TreeDigest(pc.parent());
        ASSERT_GT(before.size(), 10u);
        screen.SetText(screen.kaiCd, L"12345");
        screen.SetText(screen.juban, c.number.c_str());
        ASSERT_TRUE(screen.EnterIn(screen.juban));
        const std::wstring box = screen.AnswerBox();
        EXPECT_EQ(box.rfind(L"受験プログラムの展開に失敗しました。\r\n\r\n", 0), 0u) << box;
        EXPECT_NE(box.find(c.detail), std::wstring::npos) << box;
        EXPECT_TRUE(screen.NoFurtherBox());
        EXPECT_FALSE(screen.launcher.Wait(0));
        EXPECT_TRUE(IsWindowVisible(screen.main));
        EXPECT_TRUE(e2e::TreeDigest(pc.parent()) == before) << "a file changed";
    }
}

}  // namespace
