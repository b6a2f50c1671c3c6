// Writing and starting the exam-start batch and the clean-up batch. The main
// form's StartExeBat and StartEndBat call these with their own context; tests
// call them in-process with a fixture's.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/handles.h"

namespace launcher {

class Component;

struct BatchContext {
    std::u16string LauncherDir;  // with its trailing backslash
    std::u16string ExeFullPath;  // the launcher's executable
    std::u16string RootDir;
    bool DebugFlg = false;
    RECT ClientArea{};           // the main form's client area, screen coordinates
    Component* Owner = nullptr;  // owner of the messages
    std::function<void()> CloseMainWindow;
};

// The started batch process; empty when none was started.
using BatchProcess = KernelHandle;

// Both report their own failures and close the main window; they never throw.
BatchProcess RunExamStartBatch(const BatchContext& Context, const std::u16string& FilePath);
BatchProcess RunCleanupBatch(const BatchContext& Context);

}  // namespace launcher
