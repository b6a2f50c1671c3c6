#include "app/file_utils.h"

#include <windows.h>

#include "app/JPZZ0010.h"
#include "core/file_names.h"
#include "core/random_key.h"
#include "platform/handles.h"
#include "platform/process.h"
#include "platform/wstr.h"

namespace launcher {
void SetFileAttribExcept(const std::u16string& ExeName, std::u16string FileName, std::uint32_t dmFileAttributes) {
    if (IsLauncherFile(FileName, ExeName))
        return;
    if (!FileName.empty() && FileName.back() == u'\\')
        FileName.pop_back();
    // Opening for writing first makes a target that someone holds without write
    // sharing keep its attributes; backup semantics let folders be opened too.
    FileHandle file(CreateFileW(W(FileName), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return;
    SetFileAttributesW(W(FileName), dmFileAttributes);  // a refusal changes nothing: ignored
}

std::u16string ClockKey(int PLen) {
    LARGE_INTEGER counter;
    const std::uint32_t seed = QueryPerformanceCounter(&counter) ? static_cast<std::uint32_t>(counter.LowPart)
                                                                 : static_cast<std::uint32_t>(GetTickCount());
    return DrawKey(seed, PLen);
}

void TfrmJPZZ0010::SetFileAttrib(const std::u16string& FileName, std::uint32_t dmFileAttributes) {
    SetFileAttribExcept(Process::ExeName(), FileName, dmFileAttributes);
}

void TfrmJPZZ0010::GetRandomPassword(int PLen, std::u16string& Result) {
    Result = ClockKey(PLen);
}

}  // namespace launcher
