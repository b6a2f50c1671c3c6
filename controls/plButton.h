// TplButton: the system's push button, a custom control that paints itself.
#pragma once
#include <cstdint>
#include <string>

#include "platform/ui/forms.h"
#include "platform/ui/std_controls.h"

namespace launcher {

enum TplButtonStyle : std::uint8_t { bsNormal, bsFlat, bsFlatNoFrame, bsRoundRect, bsRoundRectNoFrame };

class TplButton;

class TplBtnCaption {
public:
    explicit TplBtnCaption(TplButton* owner) : FplBtn(owner) {}
    const std::u16string& Caption() const { return FCaption; }
    void SetCaption(const std::u16string& value);

private:
    TplButton* FplBtn;  // borrowed: the button that owns this caption
    std::u16string FCaption;
};

class TplButton : public CustomControl {
public:
    explicit TplButton(Component* owner);
    ~TplButton() override;

    TplButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TplButtonStyle value);
    TplBtnCaption& CaptionA() { return *FCaptionA; }
    int CaptionTop() const { return FCaptionTop; }
    void SetCaptionTop(int value);
    bool CaptionVertCenter() const { return FCaptionVertCenter; }
    void SetCaptionVertCenter(bool value);
    bool Gradation() const { return FGradation; }
    void SetGradation(bool value);
    Color GradBeginColor() const { return FGradBeginColor; }
    Color GradEndColor() const { return FGradEndColor; }
    void SetGradColor(int index, Color value);
    int ImageTop() const { return FImageTop; }
    void SetImageTop(int value) { FImageTop = value; }
    bool Cancel = false;
    bool HasFocus() const { return FHasFocus; }
    void SetHasFocus(bool value);
    ModalResult FModalResult = mrNone;

    void Click() override;
    bool DialogKey(std::uint16_t key, ShiftState shift) override;
    void KeyDown(std::uint16_t& key, ShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

protected:
    void Paint(Canvas& canvas) override;
    void HandleCreated() override;
    void BoundsChanged() override;

private:
    void ApplyRegion();

    TplButtonStyle FButtonStyle = bsNormal;
    TplBtnCaption* FCaptionA;
    int FCaptionTop = 0;
    bool FCaptionVertCenter = true;
    bool FGradation = true;
    Color FGradBeginColor = 16777215;
    Color FGradEndColor = 12632256;
    int FImageTop = 0;
    bool FHasFocus = true;
    int FRoundDiameter = 7;
};

// Makes "TplButton" known to form layouts.
void RegisterTplButtonKind();

}  // namespace launcher
