// The start button's sequence run in-process on a fixture exam PC. Always in debug
// mode: a real clean-up batch started from here would delete this test program.
// A window titled as the exam program's stands in for it, so the wait ends at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/JPZZ0010.h"
#include "core/errors.h"
#include "driver/driver.h"
#include "platform/process.h"
#include "platform/ui/controls.h"
#include "platform/wstr.h"
#include "support/test_support.h"

using namespace launcher;
using testsupport::BoxReader;
using testsupport::Exists;
using testsupport::ReadIni;
using testsupport::Snapshot;
using testsupport::TempDir;

namespace {

const std::wstring kDebug = L"デバッグ中は削除できません";
const std::wstring kExamDir = L"模擬試験PKG";

// parent\launcher\{##AUTO##\auto.ini, 模擬試験PKG\...}, the exam program a few bytes.
class StartSequence : public ::testing::Test {
protected:
    void SetUp() override {
        const auto write = [](const std::wstring& path, const std::wstring& text) {
            testsupport::WriteBytes(path, testsupport::ToCodePage(text, 932));
        };
        for (const std::wstring& d : {launcherDir(), launcherDir() + L"##AUTO##", examDir(), examDir() + L"system",
                                      examDir() + L"system\\1", examDir() + L"実技用"})
            CreateDirectoryW(d.c_str(), nullptr);
        write(launcherDir() + L"##AUTO##\\auto.ini", L"[情報]\r\n解凍前フォルダ名=" + kExamDir + L"\r\n");
        write(examDir() + L"system\\system.ini",
              L"[基本情報]\r\nファイル名称=表計算3級_模擬A\r\n開発コード=XL3A01\r\n固有キー=\r\n");
        write(examDir() + L"system\\1\\setup.ini", L"[基本情報]\r\n部種名称=表計算\r\n");
        testsupport::WriteBytes(examDir() + L"[1]表計算.exe", "MZ");
        Process::SetLauncherDir(U(launcherDir().c_str()));

        form = std::make_unique<TfrmJPZZ0010>();
        form->DebugFlg = true;
        form->KaiCdEdt->SetText(u"12345");
        form->JubanEdt->SetText(u"007");
        examWindow =
            CreateWindowExW(0, L"STATIC", L"frmJPBG0010", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        if (examWindow)
            DestroyWindow(examWindow);
        form.reset();
    }

    std::wstring parent() const { return dir.path(); }
    std::wstring launcherDir() const { return dir.path() + L"launcher\\"; }
    std::wstring examDir() const { return launcherDir() + kExamDir + L"\\"; }
    static std::wstring NameWith(const std::wstring& key) {
        return L"受験者用_表計算3級_模擬A_12345_007［" + key + L"］";
    }

    // One press; the texts of the boxes it showed.
    std::vector<std::wstring> Press() {
        BoxReader reader;
        form->StartBtnClick(nullptr);
        return reader.Stop();
    }
    // Takes the close request the press posted, if any.
    bool ClosePosted() {
        MSG msg;
        return PeekMessageW(&msg, form->Handle(), WM_CLOSE, WM_CLOSE, PM_REMOVE) != 0;
    }
    // Hands out these keys in turn, the last one for good.
    void Keys(std::vector<std::u16string> keys) {
        form->KeySource = [keys, n = std::size_t{0}](int, std::u16string& key) mutable {
            key = keys[std::min(n++, keys.size() - 1)];
        };
    }

    TempDir dir;
    std::unique_ptr<TfrmJPZZ0010> form;
    HWND examWindow = nullptr;
};

TEST_F(StartSequence, DebugStartMakesTheExamineeFolderAndLeavesTheLauncherFolder) {
    EXPECT_EQ(Press(), (std::vector<std::wstring>{kDebug, kDebug}));

    // The key is random: find the one folder, then check that its name carries the recorded key.
    std::wstring examinee;
    std::vector<std::wstring> all;
    Snapshot(parent(), all);
    for (const std::wstring& entry : all)
        if (entry.rfind(parent() + L"受験者用_", 0) == 0 && entry.find(L'\\', parent().size()) == std::wstring::npos)
            examinee = entry.substr(parent().size(), entry.rfind(L' ') - parent().size());
    ASSERT_FALSE(examinee.empty());
    const std::wstring folder = parent() + examinee + L"\\";
    const std::wstring drawn = ReadIni(folder + L"system\\system.ini", L"基本情報", L"固有キー");
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_EQ(examinee, NameWith(drawn));
    EXPECT_EQ(ReadIni(folder + L"system\\shiken.ini", L"受験者情報", L"会場コード"), L"12345");
    EXPECT_EQ(ReadIni(folder + L"system\\shiken.ini", L"受験者情報", L"受験番号"), L"007");
    struct Icon {
        std::wstring file, resource;
    };
    for (const Icon& icon : {Icon{folder + L"desktop.ini", L"\".\\system\\Image\\TopIcon.ico\""},
                             Icon{folder + L"実技用\\desktop.ini", L"\".\\..\\system\\Image\\ZFolderIcon.ico\""}}) {
        SCOPED_TRACE(icon.file);
        // Reading strips the quotes: look at the line itself.
        const std::wstring text = testsupport::FromCodePage(testsupport::ReadBytes(icon.file), 932);
        EXPECT_NE(text.find(L"\r\nIconResource=" + icon.resource + L"\r\n"), std::wstring::npos) << text;
        EXPECT_EQ(ReadIni(icon.file, L".ShellClassInfo", L"IconIndex"), L"0");
        EXPECT_TRUE(GetFileAttributesW(icon.file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    }
    EXPECT_TRUE(Exists(parent() + L"JukenExeStart.BAT"));
    EXPECT_TRUE(Exists(parent() + L"Corvanta.BAT"));
    // Debug mode deletes nothing: only the exam folder has left the launcher folder.
    EXPECT_FALSE(Exists(examDir()));
    EXPECT_TRUE(Exists(launcherDir() + L"##AUTO##\\auto.ini"));
    EXPECT_TRUE(form->StartFlg);
    EXPECT_TRUE(ClosePosted());

    // A press while the launcher closes does nothing.
    EXPECT_TRUE(Press().empty());
    EXPECT_FALSE(ClosePosted());
}

// Only the parent folder is searched; a file of the name blocks as a folder does.
TEST_F(StartSequence, KeysAreDrawnUntilTheNameIsFreeInTheParentFolder) {
    Keys({u"AAAAA", u"BBBBB", u"CCCCC"});
    CreateDirectoryW((parent() + NameWith(L"AAAAA")).c_str(), nullptr);
    testsupport::WriteBytes(parent() + NameWith(L"BBBBB"), "x");
    EXPECT_EQ(Press(), (std::vector<std::wstring>{kDebug, kDebug}));
    EXPECT_TRUE(Exists(parent() + NameWith(L"CCCCC") + L"\\[1]表計算.exe"));
    EXPECT_EQ(ReadIni(parent() + NameWith(L"CCCCC") + L"\\system\\system.ini", L"基本情報", L"固有キー"), L"CCCCC");
}

TEST_F(StartSequence, FailedRenameKeepsTheLauncherOpenForAnotherTry) {
    Keys({u"AAAAA", u"BBBBB"});
    const std::wstring obstacle = launcherDir() + NameWith(L"AAAAA");
    CreateDirectoryW(obstacle.c_str(), nullptr);
    EXPECT_EQ(Press(), std::vector<std::wstring>{L"受験者用フォルダ名の変更に失敗しました。"});
    EXPECT_FALSE(form->StartFlg);
    EXPECT_FALSE(ClosePosted());
    EXPECT_TRUE(Exists(examDir() + L"[1]表計算.exe"));
    EXPECT_EQ(ReadIni(examDir() + L"system\\system.ini", L"基本情報", L"固有キー"), L"AAAAA");
    EXPECT_FALSE(Exists(parent() + L"JukenExeStart.BAT"));

    RemoveDirectoryW(obstacle.c_str());
    EXPECT_EQ(Press(), (std::vector<std::wstring>{kDebug, kDebug}));
    EXPECT_EQ(ReadIni(parent() + NameWith(L"BBBBB") + L"\\system\\system.ini", L"基本情報", L"固有キー"), L"BBBBB");
    EXPECT_TRUE(form->StartFlg);
    EXPECT_TRUE(ClosePosted());
}

// An error nobody handled, while the exam folder is still in place: the default
// message with the error's text, and another try is allowed.
TEST_F(StartSequence, UnhandledErrorBeforeTheRenameKeepsTheLauncherOpen) {
    form->KeySource = [](int, std::u16string&) { throw Exception(u"鍵が作れません"); };
    EXPECT_EQ(Press(), std::vector<std::wstring>{L"受験プログラムの展開に失敗しました。\r\n\r\n鍵が作れません"});
    EXPECT_FALSE(form->StartFlg);
    EXPECT_FALSE(ClosePosted());
    EXPECT_TRUE(Exists(examDir() + L"[1]表計算.exe"));
    EXPECT_FALSE(Exists(parent() + L"Corvanta.BAT"));
}

// The examinee's identity must reach the exam's INI files: a write that keeps
// failing (here "shiken.ini" is a folder) stops the start with the exam folder
// in place, and once the write can be done, another press goes through.
TEST_F(StartSequence, IdentityThatCannotBeRecordedStopsTheStartForAnotherTry) {
    Keys({u"AAAAA", u"BBBBB"});
    const std::wstring shikenIni = examDir() + L"system\\shiken.ini";
    DeleteFileW(shikenIni.c_str());
    ASSERT_TRUE(CreateDirectoryW(shikenIni.c_str(), nullptr));
    const auto boxes = Press();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind(L"システム情報の書き込みに失敗しました。\r\n\r\n", 0), 0u) << boxes[0];
    EXPECT_NE(boxes[0].find(L"shiken.ini"), std::wstring::npos) << boxes[0];
    EXPECT_FALSE(form->StartFlg);
    EXPECT_FALSE(ClosePosted());
    EXPECT_TRUE(Exists(examDir() + L"[1]表計算.exe"));
    EXPECT_FALSE(Exists(parent() + L"JukenExeStart.BAT"));

    RemoveDirectoryW(shikenIni.c_str());
    EXPECT_EQ(Press(), (std::vector<std::wstring>{kDebug, kDebug}));
    const std::wstring folder = parent() + NameWith(L"BBBBB") + L"\\";
    EXPECT_EQ(ReadIni(folder + L"system\\system.ini", L"基本情報", L"固有キー"), L"BBBBB");
    EXPECT_EQ(ReadIni(folder + L"system\\shiken.ini", L"受験者情報", L"会場コード"), L"12345");
    EXPECT_EQ(ReadIni(folder + L"system\\shiken.ini", L"受験者情報", L"受験番号"), L"007");
}

// RootDir names the folder that is renamed and moved: one that is not a folder of
// our own is refused before any file is touched; so is a launcher in a drive root,
// which has no folder above it.
TEST_F(StartSequence, UnsafeFoldersAreRefusedBeforeAnythingIsTouched) {
    std::vector<std::wstring> before;
    Snapshot(parent(), before);
    for (const std::u16string rootDir : {u"", u"..", u"C:\\Windows", u"\\\\srv\\share", u"a\\..\\.."}) {
        SCOPED_TRACE(W(rootDir));
        form->RootDir = rootDir;
        const auto boxes = Press();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind(L"受験プログラムの展開に失敗しました。\r\n\r\n", 0), 0u) << boxes[0];
        EXPECT_NE(boxes[0].find(L"正しくありません"), std::wstring::npos) << boxes[0];
        EXPECT_FALSE(form->StartFlg);
        EXPECT_FALSE(ClosePosted());
        std::vector<std::wstring> after;
        Snapshot(parent(), after);
        EXPECT_EQ(after, before);
    }

    form->RootDir = u"模擬試験PKG";
    Process::SetLauncherDir(u"C:\\");
    const auto boxes = Press();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"ドライブのルート"), std::wstring::npos) << boxes[0];
    EXPECT_FALSE(form->StartFlg);
    EXPECT_FALSE(ClosePosted());
}

}  // namespace
