#include "common/CMFunc.h"

#include <windows.h>

#include "common/errors.h"
#include "common/message_code.h"
#include "platform/app.h"
#include "platform/ui/forms.h"
#include "platform/ui/status_bar.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

constexpr DWORD kIniBufferSize = 2048;
constexpr int kIniWriteRetries = 10;
constexpr DWORD kIniRetryPauseMs = 100;

}  // namespace

std::u16string GetIniString(const std::u16string& IniFileName, const std::u16string& Section,
                            const std::u16string& Key) {
    const std::u16string path = Application::LauncherDir() + IniFileName;
    wchar_t buffer[kIniBufferSize];
    const DWORD n = GetPrivateProfileStringW(W(Section), W(Key), L"", buffer, kIniBufferSize, W(path));
    return U(buffer, n);
}

void PutIniString(const std::u16string& IniFileName, const std::u16string& Section, const std::u16string& Key,
                  const std::u16string& S, bool ErrorRaiseFlg) {
    const std::u16string path = Application::LauncherDir() + IniFileName;
    for (int retry = 0;; ++retry) {
        if (WritePrivateProfileStringW(W(Section), W(Key), W(S), W(path))) return;
        if (retry < kIniWriteRetries) {
            Sleep(kIniRetryPauseMs);
            continue;
        }
        if (ErrorRaiseFlg) throw Exception(path + u" に書き込めません。");
        return;
    }
}

std::uint16_t DispMessage(Component* Sender, StatusBar* Item, const std::u16string& MsgCD,
                          const std::u16string& AddMsg) {
    const MessageRequest request = DecodeMessage(MsgCD, AddMsg);
    if (request.StatusBarPath) {
        if (Item) Item->SetSimpleText(request.Text);
        return 0;
    }
    HWND owner = Application::Handle();
    if (auto* form = dynamic_cast<Form*>(Sender); form && form->HandleAllocated()) owner = form->Handle();
    return static_cast<std::uint16_t>(MessageBoxW(owner, W(request.Text), W(request.Caption), request.Flags));
}

}  // namespace launcher
