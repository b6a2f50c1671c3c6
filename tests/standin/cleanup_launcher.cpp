// A test-only stand-in for the launcher, never shipped: from its own folder it
// starts the clean-up batch as the launcher does on its way out, keeps running
// (and so keeps its executable locked) for a while as a closing launcher does, and
// ends. Exit code 0 when the batch was started.
#include <windows.h>

#include "app/batch_launchers.h"
#include "common/CMFunc.h"
#include "platform/process.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace launcher;
    BatchContext context;
    context.LauncherDir = Process::LauncherDir();
    context.ExeFullPath = Process::ExeName();
    context.RootDir = GetIniString(u"##AUTO##\\auto.ini", u"情報", u"解凍前フォルダ名");
    context.ClientArea = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const BatchProcess batch = RunCleanupBatch(context);
    Sleep(3000);
    return batch ? 0 : 1;
}
