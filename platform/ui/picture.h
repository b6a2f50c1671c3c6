// A picture container: empty, or one graphic it owns (a bitmap, an icon or an
// enhanced metafile). Assign copies the graphic, so each container owns its own.
#pragma once
#include <windows.h>

namespace launcher {

class Picture {
public:
    enum class Kind { None, Bitmap, Icon, Metafile };

    Picture() = default;
    ~Picture() { Clear(); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    Kind GraphicKind() const { return kind_; }
    bool Empty() const { return kind_ == Kind::None; }
    HBITMAP Bitmap() const { return kind_ == Kind::Bitmap ? static_cast<HBITMAP>(handle_) : nullptr; }
    HICON Icon() const { return kind_ == Kind::Icon ? static_cast<HICON>(handle_) : nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Take ownership of a graphic; the previous one is released.
    void SetBitmap(HBITMAP bitmap);
    void SetIcon(HICON icon);
    void SetMetafile(HENHMETAFILE metafile);
    // A copy of the other container's graphic, or empty when it is empty.
    void Assign(const Picture& from);
    void Clear();

private:
    void Take(Kind kind, HANDLE handle);

    Kind kind_ = Kind::None;
    HANDLE handle_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace launcher
