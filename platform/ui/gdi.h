// Owners for GDI handles: move-only, copies deleted, and selection guards that
// hand a device context back exactly as they received it.
#pragma once
#include <windows.h>

#include <utility>

namespace launcher {

template <class H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H h) : h_(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void Reset(H h = nullptr) {
        if (h_)
            DeleteObject(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;

// A device context that we created (a memory DC, the display's), deleted with the owner.
class OwnedDC {
public:
    OwnedDC() = default;
    explicit OwnedDC(HDC dc) : dc_(dc) {}
    static OwnedDC CompatibleWith(HDC dc) { return OwnedDC(CreateCompatibleDC(dc)); }
    static OwnedDC Display() { return OwnedDC(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)); }
    ~OwnedDC() {
        if (dc_)
            DeleteDC(dc_);
    }
    OwnedDC(OwnedDC&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
    OwnedDC& operator=(OwnedDC&& o) noexcept {
        if (this != &o) {
            if (dc_)
                DeleteDC(dc_);
            dc_ = std::exchange(o.dc_, nullptr);
        }
        return *this;
    }
    OwnedDC(const OwnedDC&) = delete;
    OwnedDC& operator=(const OwnedDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

// A window's or the screen's DC from GetDC, released with the owner.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back on leaving scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() {
        if (old_)
            SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// SaveDC at construction, RestoreDC at destruction: clip and origin changes undone.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
    ~SavedDC() {
        if (id_)
            RestoreDC(dc_, id_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int id_;
};

}  // namespace launcher
