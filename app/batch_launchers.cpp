#include "app/batch_launchers.h"

#include <optional>
#include <vector>

#include "app/JPZZ0010.h"
#include "common/CMFunc.h"
#include "core/batch_text.h"
#include "core/dir_entry.h"
#include "core/errors.h"
#include "core/paths.h"
#include "platform/process.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr char16_t kFailureMessage[] = u"E11受験用フォルダ(フォルダ名：##TEMP##)の削除に失敗しました。";
constexpr char16_t kDebugMessage[] = u"E11デバッグ中は削除できません";

// The text in the ANSI code page, or nothing when a character has no exact
// counterpart there: a best-fit or replacement character in a DEL or RMDIR line
// would name another file.
std::optional<std::string> ToAnsiExactly(const std::u16string& text) {
    if (text.empty())
        return std::string();
    const int length = static_cast<int>(text.size());
    const bool utf8 = GetACP() == CP_UTF8;  // takes no used-default flag
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* used = utf8 ? nullptr : &usedDefault;
    const int size = WideCharToMultiByte(CP_ACP, flags, W(text), length, nullptr, 0, nullptr, used);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, W(text), length, bytes.data(), size, nullptr, used);
    if (usedDefault)
        return std::nullopt;
    // Some code pages map silently without reporting it: check the way back.
    const int back = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::u16string check(static_cast<std::size_t>(back), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, W(check), back);
    if (check != text)
        return std::nullopt;
    return bytes;
}

// A path the batch can name: the path itself, else its short form where the file
// system gives one that the code page holds.
std::u16string AnsiPath(const std::u16string& path) {
    if (ToAnsiExactly(path))
        return path;
    const DWORD need = GetShortPathNameW(W(path), nullptr, 0);
    if (need > 0) {
        std::vector<wchar_t> buffer(need);
        const DWORD n = GetShortPathNameW(W(path), buffer.data(), need);
        if (n > 0 && n < need) {
            std::u16string shortPath = U(buffer.data(), n);
            if (ToAnsiExactly(shortPath))
                return shortPath;
        }
    }
    throw Exception(u"パス「" + path + u"」にはこのPCの文字コードで書けない文字があり、短い名前もありません。");
}

// The system folder with a trailing backslash, where the command interpreter lies.
std::u16string SystemFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return u"";
    std::u16string folder = U(buffer, n);
    if (folder.back() != u'\\')
        folder += u'\\';
    return folder;
}

void WriteBatFile(const std::u16string& path, const std::vector<std::u16string>& lines) {
    const auto bytes = ToAnsiExactly(JoinBatLines(lines));
    if (!bytes)
        throw Exception(u"バッチファイルに書けない文字があります。");  // paths were checked already
    FileHandle file(CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        RaiseLastOSError();
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes->data(), static_cast<DWORD>(bytes->size()), &written, nullptr))
        RaiseLastOSError();
    if (written != bytes->size())
        throw Exception(path + u" に書き込めません。");
}

void DeleteLeftovers(const BatchContext& context) {
    // RootDir comes from a file anyone can edit: an empty one, "..", or an absolute
    // path would name the launcher folder or a folder that is not ours.
    if (IsSafeRootDir(context.RootDir)) {
        // A folder on the way down to the exam folder may be a link to a shared
        // folder: it goes as a link, and nothing is deleted through it.
        const std::vector<std::u16string> steps = FolderSteps(context.RootDir);
        for (const std::u16string& step : steps) {
            const std::u16string folder = context.LauncherDir + step;
            if (!FolderExists(folder))
                break;
            const DWORD attributes = GetFileAttributesW(W(folder));
            if (&step == &steps.back() || ClassifyDirEntry(attributes) == DirEntryAction::RemoveLink) {
                DeleteDirTree(folder);
                break;
            }
        }
    }
    const std::u16string autoFolder = context.LauncherDir + u"##AUTO##";
    if (FolderExists(autoFolder))
        DeleteDirTree(autoFolder);
}

// Started in the parent folder: a console host keeps the folder its batch started
// in for the console's whole life, and the exam-start batch's console lives as long
// as the exam program, so a batch started in the launcher folder would keep the
// clean-up from ever removing it.
//
// The command interpreter expands "%NAME%" in its own command line, and a parent
// folder may be called "50%TEMP%": the batch is named relative to that working
// folder, so no part of its path goes through the expansion (nor does "%0" in it).
BatchProcess StartBatch(const BatchContext& context,
                        const std::u16string& BatFullPath,
                        const std::u16string& batName,
                        const std::u16string& workFolder) {
    STARTUPINFOW StartupInfo{};
    StartupInfo.cb = sizeof StartupInfo;
    StartupInfo.dwX = static_cast<DWORD>(context.ClientArea.left);
    StartupInfo.dwY = static_cast<DWORD>(context.ClientArea.top);
    StartupInfo.dwXSize = static_cast<DWORD>(context.ClientArea.right - context.ClientArea.left);
    StartupInfo.dwYSize = static_cast<DWORD>(context.ClientArea.bottom - context.ClientArea.top);
    StartupInfo.dwFlags = STARTF_USESIZE | STARTF_USEPOSITION;
    StartupInfo.wShowWindow = SW_SHOWDEFAULT;
    PROCESS_INFORMATION ProcessInfo{};

    // /d: no AutoRun command may change the folder before the batch is looked up.
    std::u16string commandLine = u"cmd.exe /d /c .\\" + batName;
    BOOL ResFlg = CreateProcessW(W(SystemFolder() + u"cmd.exe"), W(commandLine), nullptr, nullptr, FALSE,
                                 CREATE_NO_WINDOW, nullptr, W(workFolder), &StartupInfo, &ProcessInfo);
    if (!ResFlg) {
        // Started by name, which Windows hands to the interpreter it finds itself.
        commandLine = u"\".\\" + batName + u"\"";
        ResFlg = CreateProcessW(W(BatFullPath), W(commandLine), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                W(workFolder), &StartupInfo, &ProcessInfo);
    }
    // A failed start is not reported: the caller goes on as if the batch ran.
    if (!ResFlg)
        return {};
    KernelHandle thread(ProcessInfo.hThread);
    return BatchProcess(ProcessInfo.hProcess);
}

template <typename MakeLines>
BatchProcess RunBatch(const BatchContext& context, const char16_t* batName, MakeLines makeLines) {
    try {
        const auto parent = ParentFolder(context.LauncherDir);
        if (!parent)
            throw Exception(u"起動フォルダ " + context.LauncherDir +
                            u" はドライブのルートで、バッチファイルを置く親フォルダがありません。");
        const std::u16string BatFullPath = *parent + batName;
        WriteBatFile(BatFullPath, makeLines());
        if (context.DebugFlg) {
            DispMessage(context.Owner, nullptr, kDebugMessage, u"");
            return {};
        }
        DeleteLeftovers(context);
        return StartBatch(context, BatFullPath, batName, *parent);
    } catch (const Exception& e) {
        DispMessage(context.Owner, nullptr, kFailureMessage, e.Message);
    } catch (const std::exception& e) {
        DispMessage(context.Owner, nullptr, kFailureMessage, FromUtf8(e.what()));
    } catch (...) {
        DispMessage(context.Owner, nullptr, kFailureMessage, u"");
    }
    if (context.CloseMainWindow)
        context.CloseMainWindow();
    return {};
}

BatchContext ContextOf(TfrmJPZZ0010& form) {
    BatchContext context;
    context.LauncherDir = Process::LauncherDir();
    context.ExeFullPath = Process::ExeName();
    context.RootDir = form.RootDir;
    context.DebugFlg = form.DebugFlg;
    if (form.HandleAllocated()) {
        GetClientRect(form.Handle(), &context.ClientArea);
        MapWindowPoints(form.Handle(), nullptr, reinterpret_cast<POINT*>(&context.ClientArea), 2);
    }
    context.Owner = &form;
    context.CloseMainWindow = [&form] { form.Close(); };
    return context;
}

}  // namespace

BatchProcess RunExamStartBatch(const BatchContext& Context, const std::u16string& FilePath) {
    return RunBatch(Context, u"JukenExeStart.BAT", [&] { return ExamStartBatLines(AnsiPath(FilePath)); });
}

BatchProcess RunCleanupBatch(const BatchContext& Context) {
    return RunBatch(Context, u"Corvanta.BAT",
                    [&] { return CleanupBatLines(AnsiPath(Context.ExeFullPath), AnsiPath(Context.LauncherDir)); });
}

// Neither waits for its batch; the process handle is let go at once.
void TfrmJPZZ0010::StartExeBat(const std::u16string& FilePath) {
    RunExamStartBatch(ContextOf(*this), FilePath);
}

void TfrmJPZZ0010::StartEndBat() {
    RunCleanupBatch(ContextOf(*this));
}

}  // namespace launcher
