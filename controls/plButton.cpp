#include "controls/plButton.h"

#include "platform/ui/layout.h"
#include "platform/wstr.h"

namespace launcher {

void TplBtnCaption::SetCaption(const std::u16string& value) {
    if (value == FCaption)
        return;
    FCaption = value;
    FplBtn->Refresh();
}

TplButton::TplButton(Component* owner) : CustomControl(owner), FCaptionA(new TplBtnCaption(this)) {
    SetBounds(0, 0, 75, 26);
    SetTabStop(true);
}

TplButton::~TplButton() {
    delete FCaptionA;
}

void TplButton::SetButtonStyle(TplButtonStyle value) {
    FButtonStyle = value;
    ApplyRegion();
    Refresh();
}

void TplButton::SetCaptionTop(int value) {
    if (value == FCaptionTop)
        return;
    FCaptionTop = value;
    FCaptionVertCenter = false;
    Refresh();
}

void TplButton::SetCaptionVertCenter(bool value) {
    if (value == FCaptionVertCenter)
        return;
    FCaptionVertCenter = value;
    if (value)
        Refresh();
}

void TplButton::SetGradation(bool value) {
    if (value == FGradation)
        return;
    FGradation = value;
    if (value)
        SetParentColor(false);
    Refresh();
}

void TplButton::SetGradColor(int index, Color value) {
    Color& c = index == 1 ? FGradBeginColor : FGradEndColor;
    if (c == value)
        return;
    c = value;
    Refresh();
}

void TplButton::SetHasFocus(bool value) {
    if (value == FHasFocus)
        return;
    FHasFocus = value;
    Refresh();
}

void TplButton::HandleCreated() {
    ApplyRegion();
}

void TplButton::BoundsChanged() {
    ApplyRegion();
}

void TplButton::ApplyRegion() {
    if (!HandleAllocated())
        return;
    if (FButtonStyle == bsRoundRect || FButtonStyle == bsRoundRectNoFrame) {
        // The window system owns the region once it is applied.
        SetWindowRgn(Handle(), CreateRoundRectRgn(0, 0, Width() + 1, Height() + 1, FRoundDiameter, FRoundDiameter),
                     TRUE);
    } else {
        SetWindowRgn(Handle(), nullptr, TRUE);
    }
}

void TplButton::Click() {
    if (Form* f = ParentForm())
        f->SetModalResult(FModalResult);
    CustomControl::Click();
    Invalidate();
}

bool TplButton::DialogKey(std::uint16_t key, ShiftState shift) {
    const bool accepted = ((key == VK_RETURN && Focused()) || (key == VK_ESCAPE && Cancel)) &&
                          !(shift & (ssShift | ssCtrl | ssAlt)) && FHasFocus;
    if (accepted) {
        Click();
        return true;
    }
    return CustomControl::DialogKey(key, shift);
}

void TplButton::KeyDown(std::uint16_t& key, ShiftState shift) {
    CustomControl::KeyDown(key, shift);
    if (Enabled() && key == VK_RETURN) {
        key = 0;
        Control::Click();
    }
}

void TplButton::DoEnter() {
    if (!FHasFocus)
        return;
    CustomControl::DoEnter();
    Invalidate();
}

void TplButton::DoExit() {
    if (!FHasFocus)
        return;
    CustomControl::DoExit();
    Invalidate();
}

void TplButton::Paint(Canvas& canvas) {
    // A plain face in the button's colour and the first caption line; the full
    // painting (gradient, frames, image, pressed look) builds on this.
    canvas.SetBrushColor(FGradation ? FGradBeginColor : GetColor());
    canvas.FillRect(RECT{0, 0, Width(), Height()});
    canvas.SetFont(Font());
    const SIZE size = canvas.TextExtent(FCaptionA->Caption());
    const int top = FCaptionVertCenter ? (Height() - size.cy) / 2 : FCaptionTop;
    canvas.TextOut((Width() - size.cx) / 2, top, FCaptionA->Caption());
    if (Focused() && FHasFocus) {
        RECT r{3, 3, Width() - 3, Height() - 3};
        DrawFocusRect(canvas.Handle(), &r);
    }
}

void RegisterTplButtonKind() {
    static bool done = false;
    if (done)
        return;
    done = true;
    using V = const LayoutValue&;
    using C = const PropertyContext&;
    LayoutKinds::Instance().Register(
        u"TplButton", u"WinControl", [](Component* owner) -> Control* { return new TplButton(owner); },
        {
            {u"ButtonStyle", Prop<TplButton>([](TplButton& b, V v, C) {
                 b.SetButtonStyle(LayoutEnum<TplButtonStyle>(v, {{u"bsNormal", bsNormal},
                                                                 {u"bsFlat", bsFlat},
                                                                 {u"bsFlatNoFrame", bsFlatNoFrame},
                                                                 {u"bsRoundRect", bsRoundRect},
                                                                 {u"bsRoundRectNoFrame", bsRoundRectNoFrame}}));
             })},
            {u"Cancel", Prop<TplButton>([](TplButton& b, V v, C) { b.Cancel = LayoutBool(v); })},
            {u"Gradation", Prop<TplButton>([](TplButton& b, V v, C) { b.SetGradation(LayoutBool(v)); })},
            {u"GradBeginColor", Prop<TplButton>([](TplButton& b, V v, C) { b.SetGradColor(1, LayoutColor(v)); })},
            {u"GradEndColor", Prop<TplButton>([](TplButton& b, V v, C) { b.SetGradColor(2, LayoutColor(v)); })},
            {u"HasFocus", Prop<TplButton>([](TplButton& b, V v, C) { b.SetHasFocus(LayoutBool(v)); })},
            {u"ModalResult", Prop<TplButton>([](TplButton& b, V v, C) { b.FModalResult = LayoutInt(v); })},
            {u"Image.Top", Prop<TplButton>([](TplButton& b, V v, C) { b.SetImageTop(LayoutInt(v)); })},
            {u"CaptionA.Caption",
             Prop<TplButton>([](TplButton& b, V v, C) { b.CaptionA().SetCaption(LayoutString(v)); })},
            {u"CaptionTop", Prop<TplButton>([](TplButton& b, V v, C) { b.SetCaptionTop(LayoutInt(v)); })},
            {u"CaptionVertCenter",
             Prop<TplButton>([](TplButton& b, V v, C) { b.SetCaptionVertCenter(LayoutBool(v)); })},
        });
}

}  // namespace launcher
