// Graphic controls: no window of their own; their parent paints them.
#pragma once
#include <windows.h>

#include <memory>

#include "platform/ui/control.h"

namespace launcher {

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
}  // namespace launcher
