#include "controls/plButton.h"

#include <vector>

#include "platform/ui/layout.h"

namespace launcher {
namespace {

constexpr Color kRoundFrameColor = 7697781;   // grey 117
constexpr Color kPressedInnerRing = 8421504;  // grey 128
constexpr COLORREF kFocusOutlineColor = RGB(32, 32, 32);

// The colour a bitmap drawn transparently leaves out: its bottom-left pixel, or
// white for a monochrome bitmap.
COLORREF AutoTransparentColor(HDC reference, HBITMAP bitmap, int height) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    if (bm.bmBitsPixel == 1)
        return RGB(255, 255, 255);
    const OwnedDC dc = OwnedDC::CompatibleWith(reference);
    const SelectGuard keep(dc.Get(), bitmap);
    return GetPixel(dc.Get(), 0, height - 1);
}

// Every pixel but those of the key colour, through a mask: the destination shows
// through where the bitmap has the key colour.
void DrawTransparent(HDC dst, int x, int y, HBITMAP bitmap, int w, int h, COLORREF key) {
    const OwnedDC src = OwnedDC::CompatibleWith(dst);
    const OwnedDC maskDC = OwnedDC::CompatibleWith(dst);
    const BitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
    if (!src.Get() || !maskDC.Get() || !mask)
        return;
    const SelectGuard keepSrc(src.Get(), bitmap);
    const SelectGuard keepMask(maskDC.Get(), mask.Get());
    SetBkColor(src.Get(), key);
    BitBlt(maskDC.Get(), 0, 0, w, h, src.Get(), 0, 0, SRCCOPY);  // key colour -> 1
    const COLORREF oldText = SetTextColor(dst, RGB(0, 0, 0));
    const COLORREF oldBk = SetBkColor(dst, RGB(255, 255, 255));
    BitBlt(dst, x, y, w, h, src.Get(), 0, 0, SRCINVERT);
    BitBlt(dst, x, y, w, h, maskDC.Get(), 0, 0, SRCAND);
    BitBlt(dst, x, y, w, h, src.Get(), 0, 0, SRCINVERT);
    SetTextColor(dst, oldText);
    SetBkColor(dst, oldBk);
}

// A one-pixel frame on the outermost pixels of `r`.
void Ring(Canvas& canvas, const RECT& r, Color color) {
    canvas.SetPenWidth(1);
    canvas.SetPenColor(color);
    const POINT topLeft[] = {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top}};
    const POINT bottomRight[] = {{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}};
    canvas.Polyline(topLeft, 3);
    canvas.Polyline(bottomRight, 3);
}

void TextOutAt(HDC dc, int x, int y, const char16_t* text, int length, COLORREF color) {
    SetTextColor(dc, color);
    TextOutW(dc, x, y, reinterpret_cast<const wchar_t*>(text), length);
}

}  // namespace

// ---- Persistent ----

void Persistent::Assign(const Persistent& source) {
    throw EConvertError(std::u16string(u"Cannot assign a ") + source.ClassName() + u" to a " + ClassName());
}

// ---- TplBtnCaption ----

void TplBtnCaption::Assign(const Persistent& source) {
    const auto* from = dynamic_cast<const TplBtnCaption*>(&source);
    if (!from) {
        Persistent::Assign(source);
        return;
    }
    FAlignment = from->FAlignment;
    FCaption = from->FCaption;
    FLeft = from->FLeft;
    FRight = from->FRight;
    FplBtn->Refresh();
}

void TplBtnCaption::SetCaption(const std::u16string& value) {
    if (value == FCaption)
        return;
    FCaption = value;
    FplBtn->Refresh();
}

void TplBtnCaption::SetAlignment(TplBtnAlignment value) {
    if (value == FAlignment)
        return;
    FAlignment = value;
    FplBtn->Refresh();
}

void TplBtnCaption::SetOffset(int index, int value) {
    int* field = index == 1 ? &FLeft : index == 2 ? &FRight : nullptr;
    if (!field || *field == value)
        return;
    *field = value;
    FplBtn->Refresh();
}

// ---- TplBtnImage ----

TplBtnImage::TplBtnImage(TplButton* owner) : FplBtn(owner), FPicture(std::make_unique<Picture>()) {}

TplBtnImage::~TplBtnImage() = default;

void TplBtnImage::Assign(const Persistent& source) {
    const auto* from = dynamic_cast<const TplBtnImage*>(&source);
    if (!from) {
        Persistent::Assign(source);
        return;
    }
    // No repaint here: the button's Image setter repaints afterwards.
    FPicture->Assign(*from->FPicture);
    FTransParent = from->FTransParent;
    FVertCenter = from->FVertCenter;
    FHorzCenter = from->FHorzCenter;
    FTop = from->FTop;
    FLeft = from->FLeft;
    FVisible = from->FVisible;
}

void TplBtnImage::SetPicture(const Picture& value) {
    if (&value == FPicture.get())
        return;
    FPicture->Assign(value);
    const Picture::Kind kind = FPicture->GraphicKind();
    if (kind == Picture::Kind::Bitmap || kind == Picture::Kind::Icon) {
        FplBtn->Refresh();
    } else {
        FPicture->Clear();  // only bitmaps and icons are ever drawn
    }
}

void TplBtnImage::SetImagePosition(int index, int value) {
    if (index == 1 && value != FLeft) {
        FLeft = value;
        FHorzCenter = false;
        FplBtn->Refresh();
    } else if (index == 2 && value != FTop) {
        FTop = value;
        FVertCenter = false;
        FplBtn->Refresh();
    }
}

void TplBtnImage::SetImageBool(int index, bool value) {
    bool* field = index == 1   ? &FVisible
                  : index == 2 ? &FTransParent
                  : index == 3 ? &FVertCenter
                  : index == 4 ? &FHorzCenter
                               : nullptr;
    if (!field || *field == value)
        return;
    *field = value;
    // Turning centring off moves nothing: the last centred position is stored.
    if (index <= 2 || value)
        FplBtn->Refresh();
}

// ---- TplButton ----

TplButton::TplButton(Component* owner)
    : CustomControl(owner),
      FCaptionA(std::make_unique<TplBtnCaption>(this)),
      FCaptionB(std::make_unique<TplBtnCaption>(this)),
      FImage(std::make_unique<TplBtnImage>(this)) {
    SetBounds(Left(), Top(), 75, 26);
    SetTabStop(true);
}

TplButton::~TplButton() = default;

void TplButton::SetParent(WinControl* parent) {
    CustomControl::SetParent(parent);
    // Once in the button's life; a form file's caption, read after the parent is
    // set, replaces the name.
    if (parent && !fgParent) {
        fgParent = true;
        FCaptionA->SetCaption(Name());
    }
}

void TplButton::SetButtonStyle(TplButtonStyle value) {
    if (value != FButtonStyle) {
        FButtonStyle = value;
        if (IsRoundedStyle(value)) {
            ApplyRoundRegion(true);
        } else if (BtnRgn) {
            SetWindowRgn(Handle(), nullptr, TRUE);
            BtnRgn = nullptr;
        }
    }
    Refresh();
}

void TplButton::SetGradation(bool value) {
    if (value == FGradation)
        return;
    FGradation = value;
    if (value)
        SetParentColor(false);
    Refresh();
}

void TplButton::SetGradColor(int index, Color value) {
    Color& field = index == 1 ? FGradBeginColor : FGradEndColor;
    if (field == value)
        return;
    field = value;
    Refresh();
}

void TplButton::SetHasFocus(bool value) {
    if (value == FHasFocus)
        return;
    FHasFocus = value;
    Refresh();
}

void TplButton::SetImage(const TplBtnImage& value) {
    FImage->Assign(value);
    Refresh();
}

void TplButton::SetCaptionAorB(int index, const TplBtnCaption& value) {
    if (index == 1)
        FCaptionA->Assign(value);
    else if (index == 2)
        FCaptionB->Assign(value);
    Refresh();
}

void TplButton::SetCaptionLineSpace(int value) {
    if (value == FCaptionLineSpace)
        return;
    FCaptionLineSpace = value;
    Refresh();
}

void TplButton::SetCaptionTop(int value) {
    if (value == FCaptionTop)
        return;
    FCaptionTop = value;
    FCaptionVertCenter = false;
    Refresh();
}

void TplButton::SetCaptionVertCenter(bool value) {
    if (value == FCaptionVertCenter)
        return;
    FCaptionVertCenter = value;
    // Turning it off moves nothing: the centred top is already in CaptionTop.
    if (value)
        Refresh();
}

void TplButton::SetFlatFrameType(TplBtnFrameType value) {
    if (value == FFlatFrameType)
        return;
    FFlatFrameType = value;
    Refresh();
}

void TplButton::SetRoundDiameter(int value) {
    if (value == FRoundDiameter)
        return;
    FRoundDiameter = value;
    // Other styles only keep the value for a later rounded style.
    if (!IsRoundedStyle(FButtonStyle))
        return;
    ApplyRoundRegion(false);
    Refresh();
}

void TplButton::ApplyRoundRegion(bool redraw) {
    HandleNeeded();
    // Without a window yet, the region is made when the window is (HandleCreated).
    if (!HandleAllocated())
        return;
    HRGN region = CreateRoundRectRgn(0, 0, Width() + 1, Height() + 1, FRoundDiameter, FRoundDiameter);
    if (!region)
        return;
    // Once applied, the window system owns the region and frees the one it replaces.
    if (SetWindowRgn(Handle(), region, redraw ? TRUE : FALSE)) {
        BtnRgn = region;
    } else {
        DeleteObject(region);
    }
}

void TplButton::HandleCreated() {
    CustomControl::HandleCreated();
    BtnRgn = nullptr;  // a new window has no region yet
    if (IsRoundedStyle(FButtonStyle))
        ApplyRoundRegion(true);
}

LRESULT TplButton::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = CustomControl::WndProc(msg, wp, lp);
    if (msg == WM_SIZE) {
        // After the toolkit's own size handling: the region follows the new size.
        if (IsRoundedStyle(FButtonStyle))
            ApplyRoundRegion(true);
        Refresh();
    }
    return result;
}

// ---- Input ----

ShiftState GetShiftState() {
    BYTE keyState[256] = {};
    if (!GetKeyboardState(keyState))
        return 0;
    ShiftState s = 0;
    const auto down = [&](int vk) { return (keyState[vk] & 0x80) != 0; };
    if (down(VK_MENU))
        s |= ssAlt;
    if (down(VK_SHIFT))
        s |= ssShift;
    if (down(VK_CONTROL))
        s |= ssCtrl;
    if (down(VK_LBUTTON))
        s |= ssLeft;
    if (down(VK_RBUTTON))
        s |= ssRight;
    if (down(VK_MBUTTON))
        s |= ssMiddle;
    return s;
}

void TplButton::Click() {
    fgMouseDown = false;
    // Also 0: a click on a button without a modal result clears the form's.
    if (Form* form = ParentForm())
        form->SetModalResult(FModalResult);
    CustomControl::Click();
    Invalidate();
}

void TplButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left) {
        if (FHasFocus && CanFocus())
            SetFocus();
        fgMouseDown = true;
        Refresh();
    }
    CustomControl::MouseDown(button, shift, x, y);
}

void TplButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left) {
        fgMouseDown = false;
        Refresh();
    }
    CustomControl::MouseUp(button, shift, x, y);
}

void TplButton::MouseEnter() {
    CustomControl::MouseEnter();
    POINT pos{};
    GetCursorPos(&pos);
    if (HandleAllocated())
        ScreenToClient(Handle(), &pos);
    MouseEnter(GetShiftState(), pos.x, pos.y);
}

void TplButton::MouseLeave() {
    CustomControl::MouseLeave();
    POINT pos{};
    GetCursorPos(&pos);
    if (HandleAllocated())
        ScreenToClient(Handle(), &pos);
    MouseLeave(GetShiftState(), pos.x, pos.y);
}

void TplButton::MouseEnter(ShiftState shift, int x, int y) {
    if (OnMouseEnter)
        OnMouseEnter(this, shift, x, y);
    // A press dragged out and back stays released: only the look is redrawn.
    if (HandleAllocated() && GetCapture() == Handle())
        Refresh();
}

void TplButton::MouseLeave(ShiftState shift, int x, int y) {
    if (OnMouseLeave)
        OnMouseLeave(this, shift, x, y);
    fgMouseDown = false;
    Refresh();
}

void TplButton::KeyDown(std::uint16_t& key, ShiftState shift) {
    CustomControl::KeyDown(key, shift);
    // Enter that no dialog key took (a modifier held, or HasFocus off) fires the
    // click event only: no modal result.
    if (Enabled() && key == VK_RETURN) {
        key = 0;
        Control::Click();
    }
}

void TplButton::KeyUp(std::uint16_t& key, ShiftState shift) {
    if (key == VK_RETURN) {
        fgMouseDown = false;
        Invalidate();
    }
    CustomControl::KeyUp(key, shift);
}

bool TplButton::DialogKey(std::uint16_t key, ShiftState shift) {
    const bool accepted = ((key == VK_RETURN && Focused()) || (key == VK_ESCAPE && FCancel)) &&
                          !(shift & (ssShift | ssCtrl | ssAlt)) && FHasFocus;
    if (accepted) {
        Click();
        return true;
    }
    return CustomControl::DialogKey(key, shift);
}

void TplButton::DoEnter() {
    if (!FHasFocus)
        return;
    CustomControl::DoEnter();
    Invalidate();
}

void TplButton::DoExit() {
    if (!FHasFocus)
        return;
    CustomControl::DoExit();
    Invalidate();
}

void TplButton::EnabledChanged() {
    CustomControl::EnabledChanged();
    Invalidate();
}

void TplButton::ParentColorChanged() {
    CustomControl::ParentColorChanged();
    if (ParentColor())
        Invalidate();
}

// ---- Painting ----

void TplButton::PaintWindow(Canvas& canvas) {
    // The face covers the whole client area; no background first.
    Paint(canvas);
}

void TplButton::PaintFace(Canvas& canvas) {
    Paint(canvas);
}

void TplButton::Paint(Canvas& canvas) {
    if (ParentColor()) {
        BtnDrawOnBitmapCanvas(canvas);
        return;
    }
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0)
        return;
    const OwnedDC dc = OwnedDC::CompatibleWith(canvas.Handle());
    const BitmapHandle bitmap(CreateCompatibleBitmap(canvas.Handle(), w, h));
    if (!dc.Get() || !bitmap)
        return;
    const SelectGuard keep(dc.Get(), bitmap.Get());
    {
        Canvas face(dc.Get());
        BtnDrawOnBitmapCanvas(face);
    }
    BitBlt(canvas.Handle(), 0, 0, w, h, dc.Get(), 0, 0, SRCCOPY);
}

void TplButton::BtnDrawOnBitmapCanvas(Canvas& canvas) {
    const int h = Height();
    BtnRect = RECT{0, 0, Width(), h};
    if (FGradation) {
        GradPaint(canvas);
    } else {
        canvas.SetBrushColor(GetColor());
        canvas.FillRect(BtnRect);
    }
    PutImagePicture(canvas);

    canvas.SetFont(Font());
    CaptionMeasure m;
    m.height = h;
    m.capHeight = canvas.TextExtent(FCaptionA->Caption()).cy;
    m.hasA = !FCaptionA->Caption().empty();
    m.hasB = !FCaptionB->Caption().empty();
    m.lineBHeight = m.hasA ? m.capHeight : canvas.TextExtent(FCaptionB->Caption()).cy;
    m.lineSpace = FCaptionLineSpace;
    m.captionTop = FCaptionTop;
    m.vertCenter = FCaptionVertCenter;
    const CaptionTops tops = CaptionLineTops(m);
    FCaptionTop = tops.captionTop;  // centring writes back, and stays on
    BtnDrawCaption(canvas, *FCaptionA, tops.yA);
    BtnDrawCaption(canvas, *FCaptionB, tops.yB);

    canvas.SetBrushClear();
    BtnRect = RECT{0, 0, Width(), h};
    BtnDrawFrame(canvas);
    if (Focused() && FHasFocus)
        BtnDrawInnerFrame(canvas);
}

void TplButton::GradPaint(Canvas& canvas) {
    const HDC dc = canvas.Handle();
    const COLORREF endCol = GetNearestColor(dc, ColorToRGB(FGradEndColor));
    const COLORREF startCol = GetNearestColor(dc, ColorToRGB(FGradBeginColor));
    const std::vector<std::uint32_t> rows = GradientRows(startCol, endCol, Height());
    canvas.SetPenWidth(1);
    for (size_t i = 0; i < rows.size(); ++i) {
        canvas.SetPenColor(rows[i]);
        const int y = static_cast<int>(i);
        const POINT line[] = {{0, y}, {Width(), y}};
        canvas.Polyline(line, 2);
    }
}

void TplButton::PutImagePicture(Canvas& canvas) {
    const Picture& picture = *FImage->FPicture;
    if (!FImage->FVisible || picture.Empty())
        return;
    const bool bitmap = picture.GraphicKind() == Picture::Kind::Bitmap;
    const ImagePlacement p =
        PlaceImage(Width(), Height(), picture.Width(), picture.Height(), FImage->FLeft, FImage->FTop,
                   FImage->FVertCenter, FImage->FHorzCenter, Pressed(), bitmap && FImage->FTransParent);
    FImage->FTop = p.top;
    FImage->FLeft = p.left;
    const UINT disabled = DisabledLook() ? DSS_DISABLED : 0;
    const HDC dc = canvas.Handle();
    if (bitmap) {
        Picture temp;  // a working copy, released on every path
        temp.Assign(picture);
        if (!temp.Bitmap())
            return;
        if (FImage->FTransParent) {
            DrawTransparent(dc, p.x, p.y, temp.Bitmap(), temp.Width(), temp.Height(),
                            AutoTransparentColor(dc, temp.Bitmap(), temp.Height()));
        } else {
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(temp.Bitmap()), 0, p.x, p.y, 0, 0,
                       DST_BITMAP | disabled);
        }
    } else if (picture.GraphicKind() == Picture::Kind::Icon) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture.Icon()), 0, p.x, p.y, 0, 0,
                   DST_ICON | disabled);
    }
}

void TplButton::BtnDrawCaption(Canvas& canvas, const TplBtnCaption& cap, int y) {
    const std::u16string& s = cap.Caption();
    const int length = static_cast<int>(s.size());
    if (length == 0)
        return;
    const HDC dc = canvas.Handle();
    SetBkMode(dc, TRANSPARENT);
    TplBtnAlignment align = cap.Alignment();
    if (align == taEven && length == 1)
        align = taCenter;
    const bool pressed = Pressed();
    const int x = CaptionX(align, Width(), cap.Left(), cap.Right(), pressed, length);
    if (pressed)
        ++y;
    static constexpr UINT kBtnAlign[] = {TA_CENTER, TA_LEFT, TA_RIGHT, TA_LEFT};
    const UINT oldAlign = SetTextAlign(dc, kBtnAlign[align]);

    std::vector<int> xs;
    if (align == taEven) {
        std::vector<int> widths;
        widths.reserve(s.size());
        for (char16_t ch : s)
            widths.push_back(canvas.TextExtent(std::u16string(1, ch)).cx);
        xs = EvenCharacterPositions(Width(), cap.Left(), cap.Right(), pressed, canvas.TextExtent(s).cx, widths);
    }
    const auto draw = [&](int dx, int dy, COLORREF color) {
        if (xs.empty()) {
            TextOutAt(dc, x + dx, y + dy, s.data(), length, color);
            return;
        }
        for (size_t i = 0; i < xs.size(); ++i)
            TextOutAt(dc, xs[i] + dx, y + dy, &s[i], 1, color);
    };
    if (DisabledLook()) {
        // Embossed: highlight one pixel down and right, under the shadow.
        draw(1, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        draw(0, 0, GetSysColor(COLOR_BTNSHADOW));
    } else {
        draw(0, 0, ColorToRGB(Font().FontColor()));
    }
    SetTextAlign(dc, oldAlign);
}

void TplButton::BtnDrawFrame(Canvas& canvas) {
    const HDC dc = canvas.Handle();
    RECT r = BtnRect;
    switch (FrameFor(FButtonStyle, FFlatFrameType, fgMouseDown)) {
        case FrameKind::RaisedEdge:
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
            break;
        case FrameKind::PressedRings:
            Ring(canvas, r, kSystemColor | COLOR_BTNSHADOW);
            InflateRect(&r, -1, -1);
            Ring(canvas, r, kPressedInnerRing);
            break;
        case FrameKind::FlatBump:
            DrawEdge(dc, &r, EDGE_BUMP, BF_RECT | BF_FLAT);
            break;
        case FrameKind::Etched:
            DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
            break;
        case FrameKind::Bump:
            DrawEdge(dc, &r, EDGE_BUMP, BF_RECT);
            break;
        case FrameKind::RoundOutline:
            canvas.SetPenColor(kRoundFrameColor);
            canvas.SetPenWidth(1);
            canvas.RoundRect(0, 0, Width(), Height(), FRoundDiameter, FRoundDiameter);
            break;
        case FrameKind::None:
            break;
    }
}

void TplButton::BtnDrawInnerFrame(Canvas& canvas) {
    const HDC dc = canvas.Handle();
    BtnRect = RECT{0, 0, Width(), Height()};
    const FocusIndicator f = FocusIndicatorFor(FButtonStyle, FFlatFrameType, Width(), Height(), FRoundDiameter);
    if (f.rounded) {
        LOGBRUSH brush{BS_SOLID, kFocusOutlineColor, 0};
        const PenHandle pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
        if (!pen)
            return;
        const SelectGuard keep(dc, pen.Get());
        ::RoundRect(dc, f.rect.left, f.rect.top, f.rect.right, f.rect.bottom, f.ellipse, f.ellipse);
        return;
    }
    BtnRect = RECT{f.rect.left, f.rect.top, f.rect.right, f.rect.bottom};
    const COLORREF saveFontColor = SetTextColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &BtnRect);
    SetTextColor(dc, saveFontColor);
}

// ---- Layout ----

void RegisterTplButtonKind() {
    static bool done = false;
    if (done)
        return;
    done = true;
    using V = const LayoutValue&;
    using C = const PropertyContext&;
    const auto alignment = [](V v) {
        return LayoutEnum<TplBtnAlignment>(
            v, {{u"taCenter", taCenter}, {u"taLeft", taLeft}, {u"taRight", taRight}, {u"taEven", taEven}});
    };
    // The nested caption properties, CaptionA.* and CaptionB.*.
    const auto caption = [&](int index) {
        const auto line = [index](TplButton& b) -> TplBtnCaption& { return index == 1 ? b.CaptionA() : b.CaptionB(); };
        const std::u16string prefix = index == 1 ? u"CaptionA." : u"CaptionB.";
        return std::map<std::u16string, PropertySetter>{
            {prefix + u"Caption",
             Prop<TplButton>([line](TplButton& b, V v, C) { line(b).SetCaption(LayoutString(v)); })},
            {prefix + u"Alignment",
             Prop<TplButton>([line, alignment](TplButton& b, V v, C) { line(b).SetAlignment(alignment(v)); })},
            {prefix + u"Left", Prop<TplButton>([line](TplButton& b, V v, C) { line(b).SetOffset(1, LayoutInt(v)); })},
            {prefix + u"Right", Prop<TplButton>([line](TplButton& b, V v, C) { line(b).SetOffset(2, LayoutInt(v)); })},
        };
    };
    std::map<std::u16string, PropertySetter> props = {
        {u"ButtonStyle", Prop<TplButton>([](TplButton& b, V v, C) {
             b.SetButtonStyle(LayoutEnum<TplButtonStyle>(v, {{u"bsNormal", bsNormal},
                                                             {u"bsFlat", bsFlat},
                                                             {u"bsFlatNoFrame", bsFlatNoFrame},
                                                             {u"bsRoundRect", bsRoundRect},
                                                             {u"bsRoundRectNoFrame", bsRoundRectNoFrame}}));
         })},
        {u"FlatFrameType", Prop<TplButton>([](TplButton& b, V v, C) {
             b.SetFlatFrameType(LayoutEnum<TplBtnFrameType>(
                 v, {{u"bffFlat", bffFlat}, {u"bffEtched", bffEtched}, {u"bffBump", bffBump}}));
         })},
        {u"Cancel", Prop<TplButton>([](TplButton& b, V v, C) { b.SetCancel(LayoutBool(v)); })},
        {u"Gradation", Prop<TplButton>([](TplButton& b, V v, C) { b.SetGradation(LayoutBool(v)); })},
        {u"GradBeginColor", Prop<TplButton>([](TplButton& b, V v, C) { b.SetGradColor(1, LayoutColor(v)); })},
        {u"GradEndColor", Prop<TplButton>([](TplButton& b, V v, C) { b.SetGradColor(2, LayoutColor(v)); })},
        {u"HasFocus", Prop<TplButton>([](TplButton& b, V v, C) { b.SetHasFocus(LayoutBool(v)); })},
        {u"ModalResult", Prop<TplButton>([](TplButton& b, V v, C) { b.SetModalResult(LayoutInt(v)); })},
        {u"CaptionLineSpace", Prop<TplButton>([](TplButton& b, V v, C) { b.SetCaptionLineSpace(LayoutInt(v)); })},
        {u"CaptionTop", Prop<TplButton>([](TplButton& b, V v, C) { b.SetCaptionTop(LayoutInt(v)); })},
        {u"CaptionVertCenter", Prop<TplButton>([](TplButton& b, V v, C) { b.SetCaptionVertCenter(LayoutBool(v)); })},
        {u"Image.Left", Prop<TplButton>([](TplButton& b, V v, C) { b.Image().SetImagePosition(1, LayoutInt(v)); })},
        {u"Image.Top", Prop<TplButton>([](TplButton& b, V v, C) { b.Image().SetImagePosition(2, LayoutInt(v)); })},
        {u"Image.Visible", Prop<TplButton>([](TplButton& b, V v, C) { b.Image().SetImageBool(1, LayoutBool(v)); })},
        {u"Image.TransParent", Prop<TplButton>([](TplButton& b, V v, C) { b.Image().SetImageBool(2, LayoutBool(v)); })},
        {u"Image.VertCenter", Prop<TplButton>([](TplButton& b, V v, C) { b.Image().SetImageBool(3, LayoutBool(v)); })},
        {u"Image.HorzCenter", Prop<TplButton>([](TplButton& b, V v, C) { b.Image().SetImageBool(4, LayoutBool(v)); })},
    };
    props.merge(caption(1));
    props.merge(caption(2));
    LayoutKinds::Instance().Register(
        u"TplButton", u"WinControl", [](Component* owner) -> Control* { return new TplButton(owner); },
        std::move(props));
}

}  // namespace launcher
