#include "platform/ui/picture.h"

namespace launcher {

void Picture::Clear() {
    switch (kind_) {
        case Kind::Bitmap:
            DeleteObject(handle_);
            break;
        case Kind::Icon:
            DestroyIcon(static_cast<HICON>(handle_));
            break;
        case Kind::Metafile:
            DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle_));
            break;
        case Kind::None:
            break;
    }
    kind_ = Kind::None;
    handle_ = nullptr;
    width_ = height_ = 0;
}

void Picture::Take(Kind kind, HANDLE handle) {
    Clear();
    if (!handle)
        return;
    kind_ = kind;
    handle_ = handle;
    if (kind == Kind::Bitmap) {
        BITMAP bm{};
        GetObjectW(handle, sizeof bm, &bm);
        width_ = bm.bmWidth;
        height_ = bm.bmHeight;
    } else if (kind == Kind::Icon) {
        ICONINFO info{};
        if (GetIconInfo(static_cast<HICON>(handle), &info)) {
            BITMAP bm{};
            GetObjectW(info.hbmMask, sizeof bm, &bm);
            width_ = bm.bmWidth;
            // A monochrome icon keeps its AND and XOR masks one above the other.
            height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
            if (info.hbmColor)
                DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
        }
    } else {
        ENHMETAHEADER header{};
        GetEnhMetaFileHeader(static_cast<HENHMETAFILE>(handle), sizeof header, &header);
        width_ = header.rclBounds.right - header.rclBounds.left + 1;
        height_ = header.rclBounds.bottom - header.rclBounds.top + 1;
    }
}

void Picture::SetBitmap(HBITMAP bitmap) {
    Take(Kind::Bitmap, bitmap);
}

void Picture::SetIcon(HICON icon) {
    Take(Kind::Icon, icon);
}

void Picture::SetMetafile(HENHMETAFILE metafile) {
    Take(Kind::Metafile, metafile);
}

void Picture::Assign(const Picture& from) {
    if (&from == this)
        return;
    switch (from.kind_) {
        case Kind::Bitmap:
            SetBitmap(static_cast<HBITMAP>(CopyImage(from.handle_, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
            break;
        case Kind::Icon:
            SetIcon(CopyIcon(static_cast<HICON>(from.handle_)));
            break;
        case Kind::Metafile:
            SetMetafile(CopyEnhMetaFileW(static_cast<HENHMETAFILE>(from.handle_), nullptr));
            break;
        case Kind::None:
            Clear();
            break;
    }
}

}  // namespace launcher
