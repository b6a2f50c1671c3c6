// A status bar showing one simple text, for messages whose code names no button set.
#pragma once
#include "platform/ui/forms.h"

namespace launcher {

class StatusBar : public WinControl {
public:
    // Creates the bar along the bottom of `parent`.
    StatusBar(Component* owner, WinControl& parent);

    const std::u16string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::u16string& text);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::u16string simpleText_;
};

}  // namespace launcher
