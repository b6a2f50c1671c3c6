// Entry validation: the venue code and examinee number checks, and Enter in either field.
#include <windows.h>

#include "app/JPZZ0010.h"
#include "common/CMFunc.h"
#include "controls/plButton.h"
#include "core/entry_rules.h"
#include "platform/ui/controls.h"

namespace launcher {
namespace {

// The focus moves before the box opens, so the examinee types on in the field
// once the box is closed. The field's text is never changed.
bool Check(TfrmJPZZ0010& form, Edit& field, const std::u16string& message) {
    if (message.empty())
        return true;
    field.SetFocus();
    DispMessage(&form, nullptr, message, u"");
    return false;
}

}  // namespace

bool TfrmJPZZ0010::CheckKaiCd() {
    return Check(*this, *KaiCdEdt, KaiCdMessage(KaiCdEdt->Text()));
}

bool TfrmJPZZ0010::CheckJuBan() {
    return Check(*this, *JubanEdt, JuBanMessage(JubanEdt->Text()));
}

// Enter starts, whatever modifier keys are held; the key code is left as it is.
void TfrmJPZZ0010::EdtKeyDown(Component*, std::uint16_t& Key, ShiftState) {
    if (Key != VK_RETURN)
        return;
    StartBtn->SetFocus();
    if (StartBtn->OnClick)
        StartBtn->OnClick(StartBtn);
}

}  // namespace launcher
