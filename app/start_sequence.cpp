// The start sequence: what the start button does.
#include <windows.h>

#include <exception>
#include <string>

#include "app/JPZZ0010.h"
#include "common/CMFunc.h"
#include "core/errors.h"
#include "core/examinee_folder.h"
#include "core/paths.h"
#include "platform/process.h"
#include "platform/ui/application.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr char16_t kDefaultError[] = u"E11受験プログラムの展開に失敗しました。";
constexpr char16_t kWriteError[] = u"E11システム情報の書き込みに失敗しました。";
constexpr char16_t kRenameError[] = u"E11受験者用フォルダ名の変更に失敗しました。";
constexpr char16_t kMoveError[] = u"E11受験者用フォルダの移動に失敗しました。受験プログラムを終了します。";
constexpr char16_t kMissingExamProgram[] =
    u"E11受験プログラムの展開時にエラーが発生しました。受験プログラムを終了します。";
constexpr char16_t kRunError[] = u"E11受験プログラムの実行に失敗しました。";
constexpr char16_t kNoExamWindow[] = u"E11受験プログラムの起動時にエラーが発生しました。受験プログラムを終了します。";

constexpr char16_t kSystemSection[] = u"基本情報";
constexpr char16_t kExamineeSection[] = u"受験者情報";
constexpr char16_t kShellSection[] = u".ShellClassInfo";
constexpr char16_t kPracticeFolder[] = u"実技用";
constexpr wchar_t kExamWindowTitle[] = L"frmJPBG0010";

constexpr std::uint32_t kHiddenArchive = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
constexpr std::uint32_t kReadOnly = FILE_ATTRIBUTE_READONLY;

std::u16string DetailOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return e.Message;
    } catch (const std::exception& e) {
        return FromUtf8(e.what());
    } catch (...) {
        return u"";
    }
}

}  // namespace

// The checks run on every press, even while a start is under way; only the first
// failing one reports.
void TfrmJPZZ0010::StartBtnClick(Component*) {
    if (!CheckKaiCd() || !CheckJuBan())
        return;
    if (StartFlg)
        return;
    StartFlg = true;

    const std::u16string LauncherDir = Process::LauncherDir();
    // RootDir comes from a file anyone can edit. An empty one would make the exam
    // folder the launcher folder itself, an absolute one or ".." a folder that is
    // not ours. A launcher in a drive root has no folder above it to move the exam
    // into. Either is refused before anything is written, renamed or deleted.
    const auto parent = ParentFolder(LauncherDir);
    if (!IsSafeRootDir(RootDir) || !parent) {
        DispMessage(this, nullptr, kDefaultError,
                    !parent ? u"起動フォルダ " + LauncherDir +
                                  u" はドライブのルートで、受験者用フォルダを置く親フォルダがありません。"
                            : u"受験用フォルダ名「" + RootDir + u"」が正しくありません。");
        StartFlg = false;
        return;
    }
    const std::u16string& ChangeFileDir = *parent;

    std::u16string ErrorMes;
    std::exception_ptr error;
    try {
        const std::u16string SystemIni = RootDir + u"\\system\\system.ini";
        const std::u16string KaiCode = GetIniString(SystemIni, kSystemSection, u"開発コード");
        const std::u16string FileName = GetIniString(SystemIni, kSystemSection, u"ファイル名称");
        const std::u16string BuMei = GetIniString(RootDir + u"\\system\\1\\setup.ini", kSystemSection, u"部種名称");

        std::u16string RandomKey;
        std::u16string ChangeFileName;
        do {
            if (KeySource)
                KeySource(5, RandomKey);
            else
                GetRandomPassword(5, RandomKey);
            ChangeFileName = ComposeChangeFileName(FileName, KaiCode, KaiCdEdt->Text(), JubanEdt->Text(), RandomKey);
        } while (PathExists(ChangeFileDir + ChangeFileName));

        const std::u16string refusal =
            StartRefusal({LauncherDir, RootDir, ChangeFileDir, FileName, ChangeFileName, BuMei});
        if (!refusal.empty()) {
            DispMessage(this, nullptr, kDefaultError, refusal);
            StartFlg = false;
            return;
        }

        try {
            // Without these the results cannot be matched to the examinee: a write
            // that keeps failing stops the start while the exam folder is in place.
            PutIniString(SystemIni, kSystemSection, u"固有キー", RandomKey, true);
            const std::u16string ShikenIni = RootDir + u"\\system\\shiken.ini";
            PutIniString(ShikenIni, kExamineeSection, u"会場コード", KaiCdEdt->Text(), true);
            PutIniString(ShikenIni, kExamineeSection, u"受験番号", JubanEdt->Text(), true);
            const std::u16string DesktopIni = RootDir + u"\\desktop.ini";
            PutIniString(DesktopIni, kShellSection, u"IconResource", u"\".\\system\\Image\\TopIcon.ico\"", false);
            PutIniString(DesktopIni, kShellSection, u"IconIndex", u"0", false);
            SetFileAttrib(LauncherDir + DesktopIni, kHiddenArchive);
            if (FolderExists(LauncherDir + RootDir + u"\\" + kPracticeFolder)) {
                const std::u16string PracticeIni = RootDir + u"\\" + kPracticeFolder + u"\\desktop.ini";
                PutIniString(PracticeIni, kShellSection, u"IconResource", u"\".\\..\\system\\Image\\ZFolderIcon.ico\"",
                             false);
                PutIniString(PracticeIni, kShellSection, u"IconIndex", u"0", false);
                SetFileAttrib(LauncherDir + PracticeIni, kHiddenArchive);
            }
        } catch (...) {
            ErrorMes = kWriteError;
            throw;
        }

        // Renamed inside the launcher folder first, then moved up: a failed rename
        // leaves everything where it was and the examinee may try again.
        if (!MoveFileW(W(LauncherDir + RootDir), W(LauncherDir + ChangeFileName))) {
            DispMessage(this, nullptr, kRenameError, u"");
            StartFlg = false;
            return;
        }
        const std::u16string ExamineeDir = ChangeFileDir + ChangeFileName;
        if (!MoveFileW(W(LauncherDir + ChangeFileName), W(ExamineeDir))) {
            DispMessage(this, nullptr, kMoveError, u"");
            StartEndBat();
            Close();
            return;
        }

        const std::u16string JukenExePath = ExamineeDir + u"\\" + ExamProgramName(BuMei);
        if (!FileExists(JukenExePath)) {
            DispMessage(this, nullptr, kMissingExamProgram, u"");
            StartEndBat();
            Close();
            return;
        }

        try {
            StartExeBat(JukenExePath);
            // The screen is neither repainted nor answers while we wait: the exam
            // program takes over the display as soon as its window is up.
            HWND hcal = FindWindowW(nullptr, kExamWindowTitle);
            int LoopSu = 0;
            while (!hcal) {
                hcal = FindWindowW(nullptr, kExamWindowTitle);
                Sleep(100);
                ++LoopSu;
                // Given up whatever this last look found.
                if (LoopSu > 100) {
                    DispMessage(this, nullptr, kNoExamWindow, u"");
                    StartEndBat();
                    Application::Terminate();
                    return;
                }
            }
            StartEndBat();
        } catch (...) {
            ErrorMes = kRunError;
            throw;
        }

        const std::u16string PracticeDir = ExamineeDir + u"\\" + kPracticeFolder;
        if (FolderExists(PracticeDir))
            SetFileAttrib(PracticeDir, kReadOnly);
        SetFileAttrib(ExamineeDir, kReadOnly);
        Close();
        return;
    } catch (...) {
        error = std::current_exception();
    }

    // Shown outside the catch block: the box runs a message loop of its own.
    DispMessage(this, nullptr, ErrorMes.empty() ? std::u16string(kDefaultError) : ErrorMes, DetailOf(error));
    if (FolderExists(LauncherDir + RootDir)) {
        StartFlg = false;  // nothing moved yet: the examinee may try again
        return;
    }
    StartEndBat();
    Close();
}

}  // namespace launcher
