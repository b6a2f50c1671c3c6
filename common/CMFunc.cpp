#include "common/CMFunc.h"

#include <windows.h>

#include <vector>

#include "core/dir_entry.h"
#include "core/errors.h"
#include "core/message_code.h"
#include "platform/handles.h"
#include "platform/process.h"
#include "platform/ui/application.h"
#include "platform/ui/forms.h"
#include "platform/ui/status_bar.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr DWORD kIniBufferSize = 2048;
constexpr int kIniWriteRetries = 10;
constexpr DWORD kIniRetryPauseMs = 100;

}  // namespace

std::u16string GetIniString(const std::u16string& IniFileName,
                            const std::u16string& Section,
                            const std::u16string& Key) {
    const std::u16string path = Process::LauncherDir() + IniFileName;
    wchar_t buffer[kIniBufferSize];
    const DWORD n = GetPrivateProfileStringW(W(Section), W(Key), L"", buffer, kIniBufferSize, W(path));
    return U(buffer, n);
}

void PutIniString(const std::u16string& IniFileName,
                  const std::u16string& Section,
                  const std::u16string& Key,
                  const std::u16string& S,
                  bool ErrorRaiseFlg) {
    const std::u16string path = Process::LauncherDir() + IniFileName;
    for (int retry = 0;; ++retry) {
        if (WritePrivateProfileStringW(W(Section), W(Key), W(S), W(path)))
            return;
        if (retry < kIniWriteRetries) {
            Sleep(kIniRetryPauseMs);
            continue;
        }
        if (ErrorRaiseFlg)
            throw Exception(path + u" に書き込めません。");
        return;
    }
}

std::uint16_t DispMessage(Component* Sender,
                          StatusBar* Item,
                          const std::u16string& MsgCD,
                          const std::u16string& AddMsg) {
    const MessageRequest request = DecodeMessage(MsgCD, AddMsg);
    if (request.StatusBarPath) {
        if (Item)
            Item->SetSimpleText(request.Text);
        return 0;
    }
    HWND owner = Application::Handle();
    if (auto* form = dynamic_cast<Form*>(Sender); form && form->HandleAllocated())
        owner = form->Handle();
    return static_cast<std::uint16_t>(MessageBoxW(owner, W(request.Text), W(request.Caption), request.Flags));
}

void DeleteDirTree(const std::u16string& Path) {
    if (Path.empty())
        return;
    const std::u16string base = Path.back() == u'\\' ? Path : Path + u'\\';
    // The folder given may itself be a link (a venue may deploy "##AUTO##" so):
    // listing through it would delete the linked folder's files.
    const std::u16string self = base.substr(0, base.size() - 1);
    const DWORD attributes = GetFileAttributesW(W(self));
    if (attributes != INVALID_FILE_ATTRIBUTES && ClassifyDirEntry(attributes) == DirEntryAction::RemoveLink) {
        if (!RemoveDirectoryW(W(self)))
            RaiseLastOSError();
        return;
    }

    struct SubFolder {
        std::u16string name;
        bool link;
    };
    std::vector<SubFolder> DirNames;
    std::vector<std::u16string> FileNames;
    {
        WIN32_FIND_DATAW data;
        // FindFirstFileW returns hidden and system entries too. A folder that cannot be
        // listed leaves both lists empty, and the final removal reports why.
        FindHandle find(FindFirstFileW(W(base + u"*.*"), &data));
        if (find) {
            do {
                const std::u16string name = U(data.cFileName);
                if (name == u"." || name == u"..")
                    continue;
                switch (ClassifyDirEntry(data.dwFileAttributes)) {
                    case DirEntryAction::Descend:
                        DirNames.push_back({base + name, false});
                        break;
                    case DirEntryAction::RemoveLink:
                        DirNames.push_back({base + name, true});
                        break;
                    case DirEntryAction::DeleteFile:
                        FileNames.push_back(base + name);
                        break;
                }
            } while (FindNextFileW(find.get(), &data));
        }
    }

    for (const SubFolder& dir : DirNames) {
        if (!dir.link) {
            DeleteDirTree(dir.name);
        } else if (!RemoveDirectoryW(W(dir.name))) {
            RaiseLastOSError();
        }
    }
    for (const std::u16string& file : FileNames) {
        if (!DeleteFileW(W(file)))
            RaiseLastOSError();
    }
    if (!RemoveDirectoryW(W(Path)))
        RaiseLastOSError();
}

}  // namespace launcher
