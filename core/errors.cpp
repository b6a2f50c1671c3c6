#include "core/errors.h"

namespace launcher {

std::u16string OSErrorMessage(std::uint32_t code, std::u16string_view systemText) {
    // The code is printed signed, as a 32-bit integer: HRESULT-style codes show negative.
    // The trailing third part of the text is always empty.
    return u"システム エラー。コード: " + IntToStr(static_cast<std::int32_t>(code)) + u"。\r\n" +
           std::u16string(systemText);
}

}  // namespace launcher
