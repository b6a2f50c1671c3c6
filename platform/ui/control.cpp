#include "platform/ui/control.h"

#include <algorithm>

#include "platform/ui/forms.h"
#include "platform/ui/win_control.h"

namespace launcher {

ShiftState KeyShiftState() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    return s;
}

// ---- ControlFont ----

void ControlFont::SetName(const std::u16string& v) {
    if (v == name_)
        return;
    name_ = v;
    Changed();
}
void ControlFont::SetHeight(int v) {
    if (v == height_)
        return;
    height_ = v;
    Changed();
}
void ControlFont::SetColor(Color v) {
    if (v == color_)
        return;
    color_ = v;
    Changed();
}
void ControlFont::SetStyle(std::uint8_t v) {
    if (v == style_)
        return;
    style_ = v;
    Changed();
}
void ControlFont::Assign(const ControlFont& from) {
    if (from.name_ == name_ && from.height_ == height_ && from.color_ == color_ && from.style_ == style_)
        return;
    name_ = from.name_;
    height_ = from.height_;
    color_ = from.color_;
    style_ = from.style_;
    Changed();
}

void ControlFont::Changed() {
    handle_.Reset();
    if (control_)
        control_->FontChanged();
}

HFONT ControlFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = -height_;  // negative: the character height, without the internal leading
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        const size_t n = std::min<size_t>(name_.size(), LF_FACESIZE - 1);
        std::copy_n(name_.data(), n, reinterpret_cast<char16_t*>(lf.lfFaceName));
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return handle_.Get();
}

// ---- Control ----

Control::Control(Component* owner) : Component(owner), font_(this) {}

Control::~Control() {
    if (parent_)
        parent_->RemoveControl(this);
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_)
        return;
    if (parent_) {
        Invalidate();
        parent_->RemoveControl(this);
    }
    parent_ = parent;
    if (!parent_)
        return;
    parent_->InsertControl(this);
    if (parentFont_)
        ParentFontChanged();
    if (parentColor_)
        ParentColorChanged();
    if (auto* w = dynamic_cast<WinControl*>(this)) {
        if (w->HandleAllocated()) {
            ::SetParent(w->Handle(), parent_->Handle());
        } else {
            w->HandleNeeded();
        }
    }
    Invalidate();
}

Form* Control::ParentForm() {
    Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<Form*>(c);
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    BoundsChanged();
    if (showHint_ && parent_)
        parent_->UpdateHintTools();
    if (parent_ && align_ != Align::None)
        parent_->Realign();
}

void Control::SetAlign(Align a) {
    if (a == align_)
        return;
    align_ = a;
    if (parent_)
        parent_->Realign();
}

void Control::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    if (auto* w = dynamic_cast<WinControl*>(this); w && w->HandleAllocated() && !dynamic_cast<Form*>(this)) {
        ShowWindow(w->Handle(), v ? SW_SHOWNA : SW_HIDE);
    } else if (parent_ && parent_->HandleAllocated()) {
        const RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
    if (showHint_ && parent_)
        parent_->UpdateHintTools();
    if (parent_ && align_ != Align::None)
        parent_->Realign();
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_)
            return false;
    }
    return true;
}

void Control::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    EnabledChanged();
}

void Control::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_)
        ParentFontChanged();
}

void Control::SetColor(Color c) {
    parentColor_ = false;
    if (c == color_)
        return;
    color_ = c;
    ColorChanged();
}

void Control::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_)
        ParentColorChanged();
}

void Control::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    font_.Assign(parent_->Font());
    parentFont_ = true;  // a handed-down font keeps following the parent
}

void Control::ParentColorChanged() {
    if (!parentColor_ || !parent_)
        return;
    if (color_ != parent_->color_) {
        color_ = parent_->color_;
        ColorChanged();
    }
}

void Control::FontChanged() {
    parentFont_ = false;
    Invalidate();
}

void Control::SetHint(const std::u16string& h) {
    hint_ = h;
    if (Form* f = ParentForm(); f && parent_)
        f->TooltipHandle();
    if (parent_)
        parent_->UpdateHintTools();
}

void Control::SetShowHint(bool v) {
    showHint_ = v;
    if (parent_)
        parent_->UpdateHintTools();
}

void Control::SetText(const std::u16string& text) {
    if (text == text_)
        return;
    text_ = text;
    TextChanged();
}

void Control::Invalidate() {
    if (parent_ && parent_->HandleAllocated()) {
        const RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, FALSE);
    }
}

void Control::Refresh() {
    Invalidate();
    if (auto* w = dynamic_cast<WinControl*>(this); w && w->HandleAllocated()) {
        UpdateWindow(w->Handle());
    } else if (parent_ && parent_->HandleAllocated()) {
        UpdateWindow(parent_->Handle());
    }
}

void Control::Click() {
    if (OnClick)
        OnClick(this);
}

void Control::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}
}  // namespace launcher
