// Control: what every control has (parent, bounds, anchors, alignment, visibility,
// enabled state, font, colour, cursor, hint, click and mouse events), and its font.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/canvas.h"
#include "platform/ui/component.h"
#include "platform/ui/gdi.h"

namespace launcher {

class Control;
class WinControl;
class Form;

enum class Align { None, Top, Bottom, Left, Right, Client };
enum Anchor : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using Anchors = std::uint8_t;
enum class Cursor { Default, HandPoint };
enum class TextAlign { Left, Center, Right };
enum class MouseButton { Left, Right, Middle };
enum Shift : std::uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using ShiftState = std::uint8_t;
enum FontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The keyboard's modifier keys now (GetKeyState), as key events see them.
ShiftState KeyShiftState();

using NotifyEvent = std::function<void(Component* Sender)>;
using KeyEvent = std::function<void(Component* Sender, std::uint16_t& Key, ShiftState Shift)>;
using MouseEvent = std::function<void(Component* Sender, MouseButton Button, ShiftState Shift, int X, int Y)>;

// A control's font: family, character height in pixels, colour, style. Every
// change tells the control, which repaints.
class ControlFont {
public:
    explicit ControlFont(Control* control) : control_(control) {}
    ControlFont(const ControlFont&) = delete;
    ControlFont& operator=(const ControlFont&) = delete;

    const std::u16string& Name() const { return name_; }
    int Height() const { return height_; }
    Color FontColor() const { return color_; }
    std::uint8_t Style() const { return style_; }
    void SetName(const std::u16string& v);
    void SetHeight(int v);
    void SetColor(Color v);
    void SetStyle(std::uint8_t v);
    // Copies every attribute (a parent font handed down) in one change.
    void Assign(const ControlFont& from);
    // A GDI font for these attributes, made on first use and kept until a change.
    HFONT Handle() const;

private:
    void Changed();

    Control* control_;  // borrowed: the control this font belongs to
    std::u16string name_ = u"メイリオ";
    int height_ = 11;
    Color color_ = clWindowText;
    std::uint8_t style_ = 0;
    mutable FontHandle handle_;
};

class Control : public Component {
public:
    explicit Control(Component* owner);
    ~Control() override;

    WinControl* Parent() const { return parent_; }
    virtual void SetParent(WinControl* parent);
    // The form this control lies on (itself for a form), or null.
    Form* ParentForm();

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }

    Anchors GetAnchors() const { return anchors_; }
    void SetAnchors(Anchors a) { anchors_ = a; }
    Align GetAlign() const { return align_; }
    void SetAlign(Align a);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, with every parent visible too.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    ControlFont& Font() { return font_; }
    const ControlFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    Color GetColor() const { return color_; }
    void SetColor(Color c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor c) { cursor_ = c; }
    const std::u16string& Hint() const { return hint_; }
    void SetHint(const std::u16string& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);

    // Caption of labels, panels and forms; the text of edits and memos.
    virtual std::u16string Text() const { return text_; }
    virtual void SetText(const std::u16string& text);

    // Request a repaint (Invalidate) or repaint now (Refresh: invalidate, update).
    virtual void Invalidate();
    void Refresh();

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;

    // Runs OnClick; controls that do more on a click override it.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState, int, int) {}
    // The mouse came over or left the control.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    virtual bool IsWindowed() const { return false; }
    // A layout sets the properties between these two; sizes that follow from
    // several properties are worked out once, in Loaded.
    void BeginLoading() { loading_ = true; }
    virtual void Loaded() { loading_ = false; }
    bool Loading() const { return loading_; }

    // Hooks for the font, colour and enabled state changing.
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();

protected:
    // Graphic controls paint into their parent's canvas, origin at their own top-left.
    virtual void Paint(Canvas&) {}
    virtual void BoundsChanged() {}
    virtual void TextChanged() { Invalidate(); }
    std::u16string text_;

private:
    friend class WinControl;
    WinControl* parent_ = nullptr;  // borrowed: the parent lists this control
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Anchors anchors_ = akLeft | akTop;
    Align align_ = Align::None;
    bool visible_ = true;
    bool enabled_ = true;
    ControlFont font_;
    bool parentFont_ = true;
    Color color_ = clBtnFace;
    bool parentColor_ = false;
    Cursor cursor_ = Cursor::Default;
    std::u16string hint_;
    bool showHint_ = false;
    bool loading_ = false;
};
}  // namespace launcher
