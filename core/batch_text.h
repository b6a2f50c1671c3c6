// The texts of the exam-start batch and the clean-up batch.
#pragma once
#include <string>
#include <vector>

namespace launcher {

// How often the clean-up batch retries in all before it gives up, with a pause of
// about one second before each retry.
inline constexpr int kCleanupTries = 300;

// A path escaped for a DEL, RMDIR or START line between ^" and ^".
std::u16string EscapeBatPath(const std::u16string& Path);
// A path for an IF [NOT] EXIST condition: in plain double quotes, "%" doubled.
std::u16string QuoteBatCondition(const std::u16string& Path);

// FilePath: the exam program. The batch runs in the folder it lies in.
std::vector<std::u16string> ExamStartBatLines(const std::u16string& FilePath);
// ExeFullPath: the launcher's executable; LauncherDir with its trailing backslash.
// Tests pass a smaller Tries to see the batch give up.
std::vector<std::u16string> CleanupBatLines(const std::u16string& ExeFullPath,
                                            const std::u16string& LauncherDir,
                                            int Tries = kCleanupTries);

// Every line followed by CR LF.
std::u16string JoinBatLines(const std::vector<std::u16string>& Lines);

}  // namespace launcher
