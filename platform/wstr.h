// The one crossing between the system's UTF-16 strings and the Win32 wide API.
#pragma once
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide strings are UTF-16");

namespace launcher {

inline const wchar_t* W(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}
inline wchar_t* W(std::u16string& s) {
    return reinterpret_cast<wchar_t*>(s.data());
}
inline std::u16string U(const wchar_t* s) {
    return s ? std::u16string(reinterpret_cast<const char16_t*>(s)) : u"";
}
inline std::u16string U(const wchar_t* s, std::size_t n) {
    return std::u16string(reinterpret_cast<const char16_t*>(s), n);
}

}  // namespace launcher
