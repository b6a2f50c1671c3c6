// WinControl: a control with its own window, the parent of other controls.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace launcher {

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
}  // namespace launcher
