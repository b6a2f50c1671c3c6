// TplButton: the system's push button, a custom control that paints itself
// completely: plain or gradient face, image, two caption lines, a frame in one of
// five styles, a pressed look and a focus indicator; the rounded styles shape the
// window. A click hands the button's modal result to its form.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/button_geometry.h"
#include "core/errors.h"
#include "platform/ui/forms.h"
#include "platform/ui/picture.h"
#include "platform/ui/std_controls.h"

namespace launcher {

class TplButton;

// Mouse enter and leave, with the mouse-move signature.
using MouseMoveEvent = std::function<void(Component* Sender, ShiftState Shift, int X, int Y)>;

// What Assign throws for a source of another kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Objects that copy themselves from another of their kind; any other source is refused.
class Persistent {
public:
    virtual ~Persistent() = default;
    virtual void Assign(const Persistent& source);
    virtual const char16_t* ClassName() const = 0;
};

// One caption line; every change repaints the owning button now.
class TplBtnCaption : public Persistent {
public:
    explicit TplBtnCaption(TplButton* owner) : FplBtn(owner) {}
    ~TplBtnCaption() override = default;
    void Assign(const Persistent& source) override;
    const char16_t* ClassName() const override { return u"TplBtnCaption"; }

    const std::u16string& Caption() const { return FCaption; }
    void SetCaption(const std::u16string& value);
    TplBtnAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TplBtnAlignment value);
    int Left() const { return FLeft; }
    int Right() const { return FRight; }
    // Index 1 is Left, 2 is Right; any other index does nothing.
    void SetOffset(int index, int value);

private:
    TplButton* FplBtn;  // borrowed: the button that owns this caption
    std::u16string FCaption;
    TplBtnAlignment FAlignment = taCenter;
    int FLeft = 0;
    int FRight = 0;
};

// The optional image: a bitmap or an icon, placed at Left/Top or centred.
class TplBtnImage : public Persistent {
public:
    explicit TplBtnImage(TplButton* owner);
    ~TplBtnImage() override;
    void Assign(const Persistent& source) override;
    const char16_t* ClassName() const override { return u"TplBtnImage"; }

    const Picture& GetPicture() const { return *FPicture; }
    // Copies the value's graphic; anything but a bitmap or an icon leaves the picture empty.
    void SetPicture(const Picture& value);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    // Index 1 is Left (centring across off), 2 is Top (centring down off).
    void SetImagePosition(int index, int value);
    bool Visible() const { return FVisible; }
    bool TransParent() const { return FTransParent; }
    bool VertCenter() const { return FVertCenter; }
    bool HorzCenter() const { return FHorzCenter; }
    // Index 1 Visible, 2 TransParent, 3 VertCenter, 4 HorzCenter.
    void SetImageBool(int index, bool value);

private:
    friend class TplButton;  // the painting writes the centred position back
    TplButton* FplBtn;       // borrowed: the button that owns this image
    std::unique_ptr<Picture> FPicture;
    int FLeft = 10;
    int FTop = 0;
    bool FTransParent = false;
    bool FVisible = true;
    bool FVertCenter = true;
    bool FHorzCenter = false;
};

class TplButton : public CustomControl {
public:
    explicit TplButton(Component* owner);
    ~TplButton() override;

    TplButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TplButtonStyle value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Gradation() const { return FGradation; }
    void SetGradation(bool value);
    Color GradBeginColor() const { return FGradBeginColor; }
    Color GradEndColor() const { return FGradEndColor; }
    // Index 1 is GradBeginColor, every other index GradEndColor.
    void SetGradColor(int index, Color value);
    bool HasFocus() const { return FHasFocus; }
    void SetHasFocus(bool value);
    launcher::ModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(launcher::ModalResult value) { FModalResult = value; }

    TplBtnImage& Image() { return *FImage; }
    const TplBtnImage& Image() const { return *FImage; }
    void SetImage(const TplBtnImage& value);
    TplBtnCaption& CaptionA() { return *FCaptionA; }
    TplBtnCaption& CaptionB() { return *FCaptionB; }
    const TplBtnCaption& CaptionA() const { return *FCaptionA; }
    const TplBtnCaption& CaptionB() const { return *FCaptionB; }
    // Index 1 assigns CaptionA, 2 CaptionB.
    void SetCaptionAorB(int index, const TplBtnCaption& value);
    int CaptionLineSpace() const { return FCaptionLineSpace; }
    void SetCaptionLineSpace(int value);
    int CaptionTop() const { return FCaptionTop; }
    void SetCaptionTop(int value);
    bool CaptionVertCenter() const { return FCaptionVertCenter; }
    void SetCaptionVertCenter(bool value);
    TplBtnFrameType FlatFrameType() const { return FFlatFrameType; }
    void SetFlatFrameType(TplBtnFrameType value);
    int RoundDiameter() const { return FRoundDiameter; }
    void SetRoundDiameter(int value);

    // The pressed state: the left button went down on the button and the press
    // has not ended.
    bool MouseIsDown() const { return fgMouseDown; }
    // The region last applied to the window (the window system owns it), or null.
    HRGN WindowRegion() const { return BtnRgn; }

    MouseMoveEvent OnMouseEnter;
    MouseMoveEvent OnMouseLeave;

    void SetParent(WinControl* parent) override;
    void Click() override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    // The mouse entered or left, with the shift state and the client position.
    virtual void MouseEnter(ShiftState shift, int x, int y);
    virtual void MouseLeave(ShiftState shift, int x, int y);
    void KeyDown(std::uint16_t& key, ShiftState shift) override;
    void KeyUp(std::uint16_t& key, ShiftState shift) override;
    bool DialogKey(std::uint16_t key, ShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

    // Draws the whole face onto `canvas` as the window shows it.
    void PaintFace(Canvas& canvas);

protected:
    void PaintWindow(Canvas& canvas) override;
    void Paint(Canvas& canvas) override;
    void HandleCreated() override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // The mouse came over or left the window.
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void ParentColorChanged() override;

private:
    void BtnDrawOnBitmapCanvas(Canvas& canvas);
    void GradPaint(Canvas& canvas);
    void PutImagePicture(Canvas& canvas);
    void BtnDrawCaption(Canvas& canvas, const TplBtnCaption& cap, int y);
    void BtnDrawFrame(Canvas& canvas);
    void BtnDrawInnerFrame(Canvas& canvas);
    // Makes the rounded region from the current size and diameter and applies it.
    void ApplyRoundRegion(bool redraw);
    bool Pressed() const { return FHasFocus && fgMouseDown; }
    bool DisabledLook() const { return !Enabled() && FHasFocus; }

    TplButtonStyle FButtonStyle = bsNormal;
    bool FCancel = false;
    std::unique_ptr<TplBtnCaption> FCaptionA;
    std::unique_ptr<TplBtnCaption> FCaptionB;
    int FCaptionLineSpace = 4;
    int FCaptionTop = 0;
    bool FCaptionVertCenter = true;
    TplBtnFrameType FFlatFrameType = bffFlat;
    bool FGradation = true;
    Color FGradBeginColor = 16777215;
    Color FGradEndColor = 12632256;
    bool FHasFocus = true;
    launcher::ModalResult FModalResult = mrNone;
    std::unique_ptr<TplBtnImage> FImage;
    int FRoundDiameter = 7;
    RECT BtnRect{0, 0, 0, 0};
    HRGN BtnRgn = nullptr;  // borrowed: the window system owns an applied region
    bool fgMouseDown = false;
    bool fgParent = false;
};

// The keyboard state's Shift, Alt, Ctrl and mouse buttons now (GetKeyboardState).
ShiftState GetShiftState();

// Makes "TplButton" known to form layouts.
void RegisterTplButtonKind();

}  // namespace launcher
