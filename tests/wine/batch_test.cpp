// The two batch files, written and really run by Wine's command interpreter
// against real folders.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "app/JPZZ0010.h"
#include "app/batch_launchers.h"
#include "core/batch_text.h"
#include "core/ustring.h"
#include "driver/driver.h"
#include "platform/process.h"
#include "platform/ui/application.h"
#include "platform/wstr.h"
#include "support/test_support.h"

using namespace launcher;
using testsupport::BoxReader;
using testsupport::Exists;
using testsupport::FileHolder;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;

namespace {

constexpr wchar_t kFailureText[] = L"受験用フォルダ(フォルダ名：##TEMP##)の削除に失敗しました。";

std::u16string U16(const std::wstring& s) {
    return U(s.c_str(), s.size());
}
std::wstring WStr(const std::u16string& s) {
    return std::wstring(W(s), s.size());
}

// parent\launcher\ with launcher.exe, ##AUTO##\auto.ini and a leftover exam folder.
struct LauncherFixture {
    explicit LauncherFixture(const std::wstring& parentName = L"親 a&b［表］",
                             const std::wstring& launcherName = L"ランチャー 1") {
        parent = tmp.path() + parentName + L"\\";
        launcher = parent + launcherName + L"\\";
        CreateDirectoryW(parent.c_str(), nullptr);
        CreateDirectoryW(launcher.c_str(), nullptr);
        WriteBytes(launcher + L"launcher.exe", "MZ");
        CreateDirectoryW((launcher + L"##AUTO##").c_str(), nullptr);
        WriteBytes(launcher + L"##AUTO##\\auto.ini", "[x]\r\n");
        CreateDirectoryW((launcher + L"JPEXAM").c_str(), nullptr);
        CreateDirectoryW((launcher + L"JPEXAM\\system").c_str(), nullptr);
        WriteBytes(launcher + L"JPEXAM\\system\\system.ini", "[x]\r\n");
    }

    BatchContext Context(bool debug = false) {
        BatchContext c;
        c.LauncherDir = U16(launcher);
        c.ExeFullPath = U16(launcher + L"launcher.exe");
        c.RootDir = u"JPEXAM";
        c.DebugFlg = debug;
        c.ClientArea = RECT{0, 0, 640, 480};
        c.CloseMainWindow = [this] { ++closed; };
        return c;
    }

    TempDir tmp;
    std::wstring parent, launcher;
    int closed = 0;
};

std::wstring SampleExamProgram() {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dir = exe;
    dir.resize(dir.find_last_of(L'\\'));
    dir.resize(dir.find_last_of(L'\\') + 1);
    return dir + L"examples\\sample_exam.exe";
}

bool Ended(const BatchProcess& p, DWORD ms) {
    return WaitForSingleObject(p.get(), ms) == WAIT_OBJECT_0;
}

TEST(ExamStartBatch, StartsTheProgramFromAPathThatNeedsEscapesAndHoldsNoFolderOfOurs) {
    LauncherFixture fx;
    const std::wstring examinee = fx.parent + L"受験者用_50%_12345_007［aB3xZ］\\";
    CreateDirectoryW(examinee.c_str(), nullptr);
    const std::wstring program = examinee + L"[1]表計算 1.exe";
    ASSERT_TRUE(CopyFileW(SampleExamProgram().c_str(), program.c_str(), FALSE));

    auto batch = RunExamStartBatch(fx.Context(), U16(program));
    ASSERT_TRUE(batch);
    // The leftovers go before the start; the launcher folder itself stays.
    EXPECT_FALSE(Exists(fx.launcher + L"JPEXAM"));
    EXPECT_FALSE(Exists(fx.launcher + L"##AUTO##"));
    EXPECT_TRUE(Exists(fx.launcher + L"launcher.exe"));

    HWND exam = driver::WaitForWindow(nullptr, L"frmJPBG0010", 15000);
    ASSERT_NE(exam, nullptr);
    EXPECT_TRUE(Ended(batch, 10000));
    EXPECT_FALSE(Exists(fx.parent + L"JukenExeStart.BAT"));

    // The exam program keeps the exam-start batch's console alive; the launcher
    // folder must still be free to go while it runs.
    auto cleanup = RunCleanupBatch(fx.Context());
    ASSERT_TRUE(cleanup);
    EXPECT_TRUE(Ended(cleanup, 20000));
    EXPECT_FALSE(Exists(fx.launcher));
    EXPECT_TRUE(IsWindow(exam));
    EXPECT_EQ(fx.closed, 0);
    PostMessageW(exam, WM_CLOSE, 0, 0);
    EXPECT_TRUE(driver::WaitForWindowGone(exam, 5000));
}

// The stand-in holds the executable as the running launcher does; the batch waits
// on it without using the processor, then removes everything once it is released.
TEST(CleanupBatch, WaitsForTheLauncherThenRemovesItsFolderAndItself) {
    LauncherFixture fx;
    FileHolder holder(fx.launcher + L"launcher.exe");
    ASSERT_TRUE(holder.holding());

    auto batch = RunCleanupBatch(fx.Context());
    ASSERT_TRUE(batch);
    const std::wstring batchFile = fx.parent + L"Corvanta.BAT";
    Sleep(1000);
    const double started = driver::CpuMilliseconds(batch.get(), batchFile);
    Sleep(4000);
    const double waited = driver::CpuMilliseconds(batch.get(), batchFile);
    std::printf("clean-up batch CPU time: %.1f ms after 1 s, %.1f ms after 5 s\n", started, waited);
    EXPECT_FALSE(Ended(batch, 0));
    EXPECT_TRUE(Exists(fx.launcher + L"launcher.exe"));
    EXPECT_TRUE(Exists(batchFile));
    ASSERT_GE(started, 0.0);
    EXPECT_LT(waited - started, 100.0);

    holder.Release();
    ASSERT_TRUE(Ended(batch, 20000));
    EXPECT_FALSE(Exists(fx.launcher));
    EXPECT_FALSE(Exists(batchFile));
    EXPECT_EQ(fx.closed, 0);
}

// A launcher folder that can never be removed (a stray file in it) does not keep
// the batch running: it gives up after its tries and still deletes itself. With
// 3 tries here instead of 300, the same text.
TEST(CleanupBatch, GivesUpAfterItsTries) {
    LauncherFixture fx;
    WriteBytes(fx.launcher + L"stray.txt", "x");
    const std::wstring batchFile = fx.parent + L"Corvanta.BAT";
    const std::u16string text = JoinBatLines(CleanupBatLines(U16(fx.launcher + L"launcher.exe"), U16(fx.launcher), 3));
    WriteBytes(batchFile, testsupport::ToCodePage(WStr(text), 932));
    std::wstring command = L"\"" + batchFile + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               fx.parent.c_str(), &si, &pi));
    BatchProcess batch(pi.hProcess);
    CloseHandle(pi.hThread);
    const ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(Ended(batch, 15000));
    const ULONGLONG took = GetTickCount64() - start;
    std::printf("3 tries took %llu ms\n", took);
    EXPECT_GE(took, 1500u);  // two pauses of about a second
    EXPECT_FALSE(Exists(fx.launcher + L"launcher.exe"));
    EXPECT_TRUE(Exists(fx.launcher + L"stray.txt"));
    EXPECT_FALSE(Exists(batchFile));
}

// Checks the measure above: a batch that loops without pause is seen using the
// processor (Wine's GetProcessTimes would read it as idle).
TEST(CleanupBatch, TheCpuMeasureSeesABusyBatch) {
    TempDir tmp;
    WriteBytes(tmp.path() + L"busy.bat", ":x\r\nGOTO x\r\n");
    std::wstring command = L"\"" + tmp.path() + L"busy.bat\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               tmp.path().c_str(), &si, &pi));
    BatchProcess busy(pi.hProcess);
    CloseHandle(pi.hThread);
    Sleep(1500);
    const double cpu = driver::CpuMilliseconds(busy.get(), tmp.path() + L"busy.bat");
    TerminateProcess(busy.get(), 0);
    Ended(busy, 5000);
    std::printf("busy batch CPU time over 1.5 s: %.1f ms\n", cpu);
    EXPECT_GT(cpu, 100.0);
}

// Both files in debug mode: written in code page 932, CR LF, no byte-order mark,
// over older files; the message each time; nothing deleted, nothing started.
TEST(BatchFiles, DebugModeWritesBothFilesAndTouchesNothing) {
    LauncherFixture fx;
    const std::u16string program = U16(fx.parent) + u"受験者用_表_1［K］\\[1]表計算.exe";
    BatchContext context = fx.Context(true);
    // Old files of the same names are replaced, not written over in part.
    WriteBytes(fx.parent + L"JukenExeStart.BAT", std::string(4096, 'x'));
    WriteBytes(fx.parent + L"Corvanta.BAT", std::string(4096, 'x'));

    BoxReader reader;
    EXPECT_FALSE(RunExamStartBatch(context, program));
    const auto firstBox = reader.Take();
    EXPECT_FALSE(RunCleanupBatch(context));
    const auto secondBox = reader.Take();

    for (const auto& box : {firstBox, secondBox}) {
        ASSERT_TRUE(box.found());
        EXPECT_EQ(box.text, L"デバッグ中は削除できません");
    }
    const std::string start = ReadBytes(fx.parent + L"JukenExeStart.BAT");
    const std::string cleanup = ReadBytes(fx.parent + L"Corvanta.BAT");
    EXPECT_EQ(start, testsupport::ToCodePage(WStr(JoinBatLines(ExamStartBatLines(program))), 932));
    EXPECT_EQ(cleanup, testsupport::ToCodePage(
                           WStr(JoinBatLines(CleanupBatLines(context.ExeFullPath, context.LauncherDir))), 932));
    for (const std::string& bytes : {start, cleanup}) {
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_NE(bytes.find("\x95\x5C"), std::string::npos);  // 表 in code page 932
        EXPECT_EQ(bytes.substr(bytes.size() - 8), "\r\nEXIT\r\n");
    }
    EXPECT_TRUE(Exists(fx.launcher + L"JPEXAM\\system\\system.ini"));
    EXPECT_TRUE(Exists(fx.launcher + L"##AUTO##\\auto.ini"));
    EXPECT_EQ(fx.closed, 0);
}

TEST(BatchFiles, LockedFileInTheLeftoverExamFolderStopsBeforeTheStart) {
    LauncherFixture fx;
    FileHolder holder(fx.launcher + L"JPEXAM\\system\\system.ini");
    ASSERT_TRUE(holder.holding());

    BoxReader reader;
    EXPECT_FALSE(RunExamStartBatch(fx.Context(), U16(fx.parent) + u"x\\[1]a.exe"));
    const auto box = reader.Take();
    ASSERT_TRUE(box.found());
    EXPECT_EQ(box.text.rfind(std::wstring(kFailureText) + L"\r\n\r\n", 0), 0u);
    EXPECT_NE(box.text.find(L"32"), std::wstring::npos);  // the sharing violation's code
    EXPECT_EQ(fx.closed, 1);
    EXPECT_TRUE(Exists(fx.parent + L"JukenExeStart.BAT"));  // written, never started
    Sleep(500);
    EXPECT_TRUE(Exists(fx.parent + L"JukenExeStart.BAT"));
}

TEST(BatchFiles, UnsafeRootDirDeletesNothingAndTheRestGoesOn) {
    LauncherFixture fx;
    const std::wstring victim = fx.parent + L"victim";
    CreateDirectoryW(victim.c_str(), nullptr);
    WriteBytes(victim + L"\\keep.txt", "keep");
    const std::u16string unsafe[] = {u"",
                                     u".",
                                     u"..",
                                     u"..\\victim",
                                     u"JPEXAM\\..\\..\\victim",
                                     u"JPEXAM/../../victim",
                                     U16(victim),
                                     U16(victim.substr(2)),
                                     u"\\\\?\\" + U16(victim)};
    for (const auto& root : unsafe) {
        BatchContext context = fx.Context();
        context.RootDir = root;
        CreateDirectoryW((fx.launcher + L"##AUTO##").c_str(), nullptr);
        auto batch = RunExamStartBatch(context, U16(fx.parent) + u"missing\\[1]a.exe");
        ASSERT_TRUE(batch) << ToUtf8(root);
        EXPECT_TRUE(Ended(batch, 10000));
        EXPECT_TRUE(Exists(victim + L"\\keep.txt")) << ToUtf8(root);
        EXPECT_TRUE(Exists(fx.launcher + L"launcher.exe")) << ToUtf8(root);
        EXPECT_TRUE(Exists(fx.launcher + L"JPEXAM\\system\\system.ini")) << ToUtf8(root);
        EXPECT_FALSE(Exists(fx.launcher + L"##AUTO##")) << ToUtf8(root);
        EXPECT_FALSE(Exists(fx.parent + L"JukenExeStart.BAT")) << ToUtf8(root);
    }
    EXPECT_EQ(fx.closed, 0);
}

// A folder on the way down to the exam folder that is a link (RootDir "share\JPEXAM",
// "share" a link to a shared folder) is removed as a link or, where the platform
// cannot, left with the failure message; nothing is deleted through it.
TEST(BatchFiles, ALinkOnTheWayToTheExamFolderIsNeverDeletedThrough) {
    LauncherFixture fx(L"linkparent", L"launcher");
    const std::wstring shared = fx.parent + L"shared";
    CreateDirectoryW(shared.c_str(), nullptr);
    CreateDirectoryW((shared + L"\\JPEXAM").c_str(), nullptr);
    WriteBytes(shared + L"\\JPEXAM\\keep.txt", "keep");
    const std::wstring link = fx.launcher + L"share";
    if (!testsupport::MakeFolderLink(shared, link))
        GTEST_SKIP() << "no way to make a folder link here";
    BatchContext context = fx.Context();
    context.RootDir = u"share\\JPEXAM";
    BoxReader reader;
    auto batch = RunExamStartBatch(context, U16(fx.parent) + u"missing\\[1]a.exe");
    const auto boxes = reader.Stop();
    EXPECT_TRUE(Exists(shared + L"\\JPEXAM\\keep.txt"));
    if (Exists(link)) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind(kFailureText, 0), 0u) << boxes[0];
        EXPECT_EQ(fx.closed, 1);
        EXPECT_FALSE(batch);
    } else {
        EXPECT_TRUE(boxes.empty());
        ASSERT_TRUE(batch);
        EXPECT_TRUE(Ended(batch, 10000));
    }
    testsupport::RemoveFolderLink(link);
}

TEST(BatchFiles, ALauncherInADriveRootWritesAndStartsNothing) {
    LauncherFixture fx;
    BatchContext context = fx.Context();
    context.LauncherDir = u"C:\\";
    context.ExeFullPath = u"C:\\launcher.exe";
    BoxReader reader;
    EXPECT_FALSE(RunCleanupBatch(context));
    const auto box = reader.Take();
    ASSERT_TRUE(box.found());
    EXPECT_EQ(box.text.rfind(std::wstring(kFailureText) + L"\r\n\r\n", 0), 0u);
    EXPECT_NE(box.text.find(L"ルート"), std::wstring::npos);
    EXPECT_EQ(fx.closed, 1);
    EXPECT_FALSE(Exists(L"C:\\Corvanta.BAT"));
    EXPECT_FALSE(Exists(L"Corvanta.BAT"));
}

// Hangul has no place in code page 932: the batch names the folder by its short
// form, or, where there is none, the method fails and writes nothing wrong.
TEST(BatchFiles, APathTheCodePageCannotHoldIsWrittenInShortFormOrRefused) {
    LauncherFixture fx(L"親 a&b［表］", L"ランチャー한");
    BatchContext context = fx.Context(true);
    wchar_t shortDir[MAX_PATH] = {}, shortExe[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(fx.launcher.c_str(), shortDir, MAX_PATH), 0u);
    ASSERT_GT(GetShortPathNameW((fx.launcher + L"launcher.exe").c_str(), shortExe, MAX_PATH), 0u);
    BoxReader reader;
    RunCleanupBatch(context);
    reader.Take();
    EXPECT_EQ(ReadBytes(fx.parent + L"Corvanta.BAT"),
              testsupport::ToCodePage(WStr(JoinBatLines(CleanupBatLines(U(shortExe), U(shortDir)))), 932));

    // A program that is not there has no short form.
    context.DebugFlg = false;
    EXPECT_FALSE(RunExamStartBatch(context, U16(fx.launcher) + u"[1]없음.exe"));
    const auto box = reader.Take();
    ASSERT_TRUE(box.found());
    EXPECT_EQ(box.text.rfind(std::wstring(kFailureText) + L"\r\n\r\n", 0), 0u);
    EXPECT_EQ(fx.closed, 1);
    EXPECT_FALSE(Exists(fx.parent + L"JukenExeStart.BAT"));
    EXPECT_TRUE(Exists(fx.launcher + L"JPEXAM"));
}

// The form's own methods pass its folder, RootDir and window: the failure box is
// the form's, and the form closes.
TEST(BatchFiles, TheFormsStartExeBatReportsOnTheFormAndClosesIt) {
    LauncherFixture fx;
    const std::string autoIni = testsupport::ToCodePage(L"[情報]\r\n解凍前フォルダ名=JPEXAM\r\n", 932);
    WriteBytes(fx.launcher + L"##AUTO##\\auto.ini", autoIni);
    Process::SetLauncherDir(U16(fx.launcher));
    TfrmJPZZ0010 form;
    form.ShowForm();
    ASSERT_EQ(form.RootDir, u"JPEXAM");
    FileHolder holder(fx.launcher + L"JPEXAM\\system\\system.ini");
    ASSERT_TRUE(holder.holding());

    BoxReader reader;
    form.StartExeBat(U16(fx.parent) + u"x\\[1]a.exe");
    const auto box = reader.Take();
    ASSERT_TRUE(box.found());
    EXPECT_EQ(box.text.rfind(kFailureText, 0), 0u);
    EXPECT_EQ(box.owner, form.Handle());
    Application::ProcessMessages();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(Exists(fx.parent + L"JukenExeStart.BAT"));
}

}  // namespace
