// What the two entry checks decide about a typed text, without the form.
#pragma once
#include <string>
#include <string_view>

namespace launcher {

// The message for a bad venue code or examinee number, or an empty string when
// the text is acceptable. The text itself is never trimmed or converted.
std::u16string KaiCdMessage(std::u16string_view KaiCd);
std::u16string JuBanMessage(std::u16string_view JuBan);

}  // namespace launcher
