#include "core/entry_rules.h"

#include "core/integer_text.h"

namespace launcher {
namespace {

constexpr std::int32_t kKaiCdDefault = 999999;
constexpr std::int32_t kJuBanDefault = -999999;

}  // namespace

// Only ASCII characters make an integer text, so the length and number test also
// enforces the half-width wording of the message.
std::u16string KaiCdMessage(std::u16string_view KaiCd) {
    if (KaiCd.empty())
        return u"E11会場コードを入力してください。";
    if (KaiCd.size() != 5 || StrToIntDef(KaiCd, kKaiCdDefault) == kKaiCdDefault)
        return u"E11会場コードは半角で5文字としてください。";
    return {};
}

// The failure value doubles as the default, so "-999999" itself is rejected like a
// non-number; kept so, as the examinee numbers ever accepted stay the same.
std::u16string JuBanMessage(std::u16string_view JuBan) {
    if (JuBan.empty())
        return u"E11受験番号を入力してください。";
    if (StrToIntDef(JuBan, kJuBanDefault) == kJuBanDefault)
        return u"E11受験番号は数値で入力してください。";
    return {};
}

}  // namespace launcher
