// The examinee folder's name: who sits the exam, where, and a key that makes it
// unique; and what a start must check before it writes, renames or deletes anything.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace launcher {

// "受験者用_" + title + "_" + venue code + "_" + examinee number + "［" + key + "］",
// where the title is FileName, or KaiCode when FileName is empty. The entries go in
// exactly as typed.
std::u16string ComposeChangeFileName(const std::u16string& FileName,
                                     const std::u16string& KaiCode,
                                     const std::u16string& VenueCode,
                                     const std::u16string& ExamineeNumber,
                                     const std::u16string& RandomKey);

// "[1]" + part name + ".exe".
std::u16string ExamProgramName(const std::u16string& BuMei);

// True when Name is one file or folder name: not empty, none of \ / : * ? " < > |,
// no control character, and not made of dots and blanks alone.
bool IsSingleName(std::u16string_view Name);

// The longest full path that the calls of a start take: MAX_PATH less its NUL.
inline constexpr std::size_t kMaxPathLength = 259;

// What a start is about to use, all read or composed, nothing yet touched.
struct StartNames {
    std::u16string LauncherDir;    // with its trailing backslash
    std::u16string RootDir;        // already known to name a folder inside it
    std::u16string ChangeFileDir;  // the parent folder, with its trailing backslash
    std::u16string FileName;       // "ファイル名称"
    std::u16string ChangeFileName;
    std::u16string BuMei;
};

// Why the start cannot go on with these names, as the detail of its refusal;
// empty when it can. Names that would climb out of their folder or split into
// several are refused, and so is every path of the start that the calls using it
// could not take.
std::u16string StartRefusal(const StartNames& Names);

}  // namespace launcher
