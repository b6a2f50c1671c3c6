// The attribute routine behind TfrmJPZZ0010::SetFileAttrib, with the launcher's
// executable passed in so that tests can name their own.
#pragma once
#include <cstdint>
#include <string>

namespace launcher {

// Replaces the whole attribute set of FileName (a file, or a folder with or without
// a trailing backslash) with dmFileAttributes. Never touches a file named like
// ExeName under any extension; reports nothing, and a failure changes nothing.
void SetFileAttribExcept(const std::u16string& ExeName, std::u16string FileName, std::uint32_t dmFileAttributes);

// A key of PLen characters from a generator seeded anew from the clock: the low 32
// bits of the performance counter, or the tick count where there is none.
std::u16string ClockKey(int PLen);

}  // namespace launcher
