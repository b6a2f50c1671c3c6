// Controls: graphic ones (painted by their parent) and windowed ones (own HWND),
// with bounds, anchors, alignment, font, colour, cursor, hint and events.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// A label: transparent text, one or more lines, sized to its text when AutoSize is on.
class Label : public Control {
public:
    explicit Label(Component* owner);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign a);
    // The size of the text in the label's font; an empty text measures as one blank.
    SIZE TextSize() const;
    void Loaded() override {
        Control::Loaded();
        AdjustSize();
    }

protected:
    void Paint(Canvas& canvas) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    bool autoSize_ = true;
    TextAlign alignment_ = TextAlign::Left;
};

// An image with a white drawing surface, made at the first drawing with the
// component's size at that moment. Until then it shows nothing.
class Image : public Control {
public:
    explicit Image(Component* owner);
    ~Image() override;
    // The surface's canvas; the surface is made on first use.
    Canvas& GetCanvas();
    bool HasSurface() const { return static_cast<bool>(bitmap_); }
    HDC SurfaceDC();
    SIZE SurfaceSize() const { return surfaceSize_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);

protected:
    void Paint(Canvas& canvas) override;

private:
    void MakeSurface();
    OwnedDC dc_;
    BitmapHandle bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    SIZE surfaceSize_{0, 0};
    bool stretch_ = false;
    std::unique_ptr<Canvas> canvas_;
};

// A control with its own window. Children are listed in stacking order; the
// graphic ones are painted by this control beneath the windowed ones.
class WinControl : public Control {
public:
    explicit WinControl(Component* owner) : Control(owner) {}
    ~WinControl() override;

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates this control's window, if its parent has one, and its children's.
    void HandleNeeded();
    static WinControl* FromHandle(HWND hwnd);

    const std::vector<Control*>& Controls() const { return controls_; }
    // Padding inside the edges that aligned children keep free.
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    // The area aligned children share: the client minus the border.
    RECT AlignRect() const;
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();
    // The controls that take the focus under this one, in tab order.
    void GetTabOrderList(std::vector<WinControl*>& list) const;

    KeyEvent OnKeyDown;
    NotifyEvent OnEnter;
    NotifyEvent OnExit;

    // The form offers Enter, Escape and Tab here first; true consumes the key.
    // By default the offer goes on to the windowed children.
    virtual bool DialogKey(std::uint16_t key, ShiftState shift);
    virtual void KeyDown(std::uint16_t& key, ShiftState shift);
    virtual void KeyUp(std::uint16_t&, ShiftState) {}
    virtual void DoEnter();
    virtual void DoExit();

    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    bool IsWindowed() const override { return true; }
    // Lays out the aligned children, then moves the anchored ones by the change of size.
    void Realign();
    POINT ClientToScreen(POINT p) const;
    RECT ClientRectOnScreen() const;

protected:
    friend class Control;
    struct CreateParams {
        const wchar_t* windowClass = nullptr;  // null: the toolkit's own class
        DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
        DWORD exStyle = 0;
    };
    virtual void GetCreateParams(CreateParams& params);
    // After the window exists: fonts, limits and the like that need it.
    virtual void HandleCreated() {}
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Destroys the window and its children's, unhooking them first.
    void DestroyHandle();
    // Creates the window directly, for windows outside the layout (status bars, bare forms).
    void CreateHandle(const wchar_t* cls,
                      DWORD style,
                      DWORD exStyle,
                      const std::u16string& text,
                      RECT bounds,
                      HWND parent);
    // The background and any own drawing, then the graphic children on top.
    virtual void PaintWindow(Canvas& canvas);
    void PaintGraphicChildren(Canvas& canvas);
    // Colour of a system child (edit, memo) for WM_CTLCOLOR*: its brush, or null.
    HBRUSH ControlColorBrush(HDC dc);
    void ApplyFont();
    void FontChanged() override;
    void ColorChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void InsertControl(Control* c);
    void RemoveControl(Control* c);
    Control* GraphicChildAt(POINT p) const;
    void PaintBuffered();
    bool MouseMessage(UINT msg, WPARAM wp, LPARAM lp);
    void UpdateHintTools();

    HWND handle_ = nullptr;
    WNDPROC defProc_ = nullptr;       // the system class's procedure for subclassed controls
    std::vector<Control*> controls_;  // borrowed: owned by their owner component
    int borderWidth_ = 0;
    int tabOrder_ = 0;
    bool tabStop_ = false;
    int alignedWidth_ = -1, alignedHeight_ = -1;  // size the anchors were last applied for
    BrushHandle colorBrush_;
    Control* mouseControl_ = nullptr;    // the graphic child under the pointer
    Control* pressedControl_ = nullptr;  // the graphic child a left press began on
    bool tracking_ = false;
};

// A panel: its colour, an optional centred caption, children inside its border.
class Panel : public WinControl {
public:
    explicit Panel(Component* owner);
    TextAlign Alignment() const { return alignment_; }
    void SetAlignment(TextAlign a) {
        alignment_ = a;
        Invalidate();
    }

protected:
    void PaintWindow(Canvas& canvas) override;

private:
    TextAlign alignment_ = TextAlign::Center;
};

// A windowed control that draws itself completely on its own canvas; a left
// press captures the mouse and a release inside runs Click.
class CustomControl : public WinControl {
public:
    explicit CustomControl(Component* owner);

protected:
    void PaintWindow(Canvas& canvas) override;
    // The control's own drawing over its background colour.
    virtual void Paint(Canvas&) override {}
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool clickArmed_ = false;
    bool inside_ = false;
};

// A single-line edit: length limit, no input method, key-down event.
class Edit : public WinControl {
public:
    explicit Edit(Component* owner);
    std::u16string Text() const override;
    void SetText(const std::u16string& text) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool BorderVisible() const { return border_; }
    void SetBorderVisible(bool v) { border_ = v; }

protected:
    void GetCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    int maxLength_ = 0;
    bool border_ = true;
};

// A read-only memo: several lines, no caret editing.
class Memo : public Edit {
public:
    explicit Memo(Component* owner);
    const std::vector<std::u16string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::u16string> lines);

protected:
    void GetCreateParams(CreateParams& params) override;

private:
    std::vector<std::u16string> lines_;
};

}  // namespace launcher
