// Renders every TplButton style in every state (at rest, pressed, focused,
// disabled), with gradient, image and two caption lines, and the system's three
// buttons as the form files make them, into one 32-bit BMP:
//   button_gallery.exe out.bmp [pixels-per-inch]
// Not shipped; scripts/button-gallery.sh turns the result into docs/*.png.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "controls/plButton.h"
#include "core/layout_parser.h"
#include "platform/ui/layout.h"

using namespace launcher;

namespace {

struct Row {
    const char* title;
    const char* props;
};

const Row kRows[] = {
    {"bsNormal", "ButtonStyle = bsNormal"},
    {"bsFlat bffFlat", "ButtonStyle = bsFlat"},
    {"bsFlat bffEtched", "ButtonStyle = bsFlat\n FlatFrameType = bffEtched"},
    {"bsFlat bffBump", "ButtonStyle = bsFlat\n FlatFrameType = bffBump"},
    {"bsFlatNoFrame", "ButtonStyle = bsFlatNoFrame"},
    {"bsRoundRect", "ButtonStyle = bsRoundRect"},
    {"bsRoundRectNoFrame", "ButtonStyle = bsRoundRectNoFrame"},
};
const char* const kStates[] = {"rest", "pressed", "focused", "disabled"};

// The three buttons of the system, with the properties their form files give.
const char* const kInstances[] = {
    "Width = 129\n Height = 34\n Color = rgb(255, 102, 0)\n Font.Color = clWhite\n ButtonStyle = bsRoundRect\n"
    " Gradation = false\n GradBeginColor = rgb(47, 85, 152)\n GradEndColor = rgb(47, 85, 152)\n Image.Top = 0\n"
    " CaptionA.Caption = \"試験開始\"\n CaptionTop = 8\n CaptionVertCenter = false\n",
    "Width = 75\n Height = 26\n Color = rgb(47, 85, 152)\n Font.Color = clWhite\n ButtonStyle = bsRoundRect\n"
    " Gradation = false\n Image.Top = 0\n CaptionA.Caption = \"はい\"\n CaptionTop = 3\n CaptionVertCenter = false\n",
    "Width = 75\n Height = 26\n Color = clWhite\n Font.Color = clWindowText\n ButtonStyle = bsRoundRect\n"
    " Gradation = false\n Image.Top = 0\n CaptionA.Caption = \"いいえ\"\n CaptionTop = 3\n CaptionVertCenter = false\n",
};

// StartBtn at rest and focused, EndBtn focused (as the dialog opens), CancelBtn.
const int kInstanceColumns[] = {0, 0, 1, 2};
const char* const kInstanceNames[] = {"StartBtn", "StartBtn focused", "EndBtn focused", "CancelBtn"};

constexpr int kLeft = 150, kTop = 30, kCellW = 140, kCellH = 66, kBtnW = 124, kBtnH = 52;

std::string Indent(const char* props) {
    std::string out = "    ";
    for (const char* p = props; *p; ++p) {
        out += *p;
        if (*p == '\n')
            out += "   ";
    }
    return out + "\n";
}

// Appends the pieces one by one (GCC 12 warns falsely on literal + string chains).
void Put(std::string& s, std::initializer_list<std::string> pieces) {
    for (const std::string& p : pieces)
        s += p;
}

std::string LayoutText() {
    using std::to_string;
    const int rows = static_cast<int>(std::size(kRows)) + 1;
    std::string s;
    Put(s, {"object G: Form\n  ClientWidth = ", to_string(kLeft + 4 * kCellW + 10),
            "\n  ClientHeight = ", to_string(kTop + rows * kCellH + 24), "\n  Color = clWhite\n"});
    const auto label = [&](const std::string& name, int left, int top, const std::string& text) {
        Put(s, {"  object ", name, ": Label\n    Left = ", to_string(left), "\n    Top = ", to_string(top),
                "\n    Font.Height = 13\n    Caption = \"", text, "\"\n  end\n"});
    };
    for (int c = 0; c < 4; ++c)
        label(std::string("H") += to_string(c), kLeft + c * kCellW, 8, kStates[c]);
    int tab = 0;
    for (int r = 0; r < rows; ++r) {
        const bool instances = r == rows - 1;
        label(std::string("R") += to_string(r), 8, kTop + r * kCellH + 18,
              instances ? "the system's three" : kRows[r].title);
        for (int c = 0; c < 4; ++c) {
            Put(s, {"  object B", to_string(r), "_", to_string(c), ": TplButton\n    Left = ",
                    to_string(kLeft + c * kCellW), "\n    Top = ", to_string(kTop + r * kCellH),
                    "\n    TabOrder = ", to_string(tab++), "\n    Font.Height = 17\n"});
            if (instances) {
                s += Indent(kInstances[kInstanceColumns[c]]);
            } else {
                Put(s, {"    Width = ", to_string(kBtnW), "\n    Height = ", to_string(kBtnH),
                        "\n    GradEndColor = rgb(150, 180, 230)\n    CaptionA.Caption = \"試験開始\"\n"
                        "    CaptionB.Caption = \"Start\"\n    CaptionB.Alignment = taEven\n    CaptionB.Left = 30\n   "
                        " CaptionB.Right = 10\n",
                        Indent(kRows[r].props)});
            }
            s += "  end\n";
            if (instances)
                label(std::string("N") += to_string(c), kLeft + c * kCellW, kTop + r * kCellH + 40, kInstanceNames[c]);
        }
    }
    return s + "end\n";
}

// A small picture for the buttons: a blue disc with a white centre on magenta.
HBITMAP MakeImage(int size) {
    const WindowDC screen(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen.Get(), size, size);
    const OwnedDC dc = OwnedDC::CompatibleWith(screen.Get());
    const SelectGuard keep(dc.Get(), bmp);
    Canvas c(dc.Get());
    c.SetBrushColor(RGBColor(255, 0, 255));
    c.FillRect(RECT{0, 0, size, size});
    c.SetPenColor(RGBColor(20, 60, 160));
    c.SetBrushColor(RGBColor(40, 90, 200));
    Ellipse(dc.Get(), 0, 0, size, size);
    c.SetBrushColor(clWhite);
    Ellipse(dc.Get(), size / 3, size / 3, size - size / 3, size - size / 3);
    return bmp;
}

class GalleryForm : public Form {
public:
    GalleryForm(int dpi) : Form(nullptr) {
        RegisterTplButtonKind();
        ReadLayout(*this, LayoutText(), u"gallery.form", {}, dpi);
        CreateAllHandles();
    }
};

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// GDI leaves the fourth byte undefined: written opaque, so no viewer takes it for alpha.
bool WriteBmp(const char* path, std::uint32_t* pixels, int w, int h) {
    BITMAPINFOHEADER bh{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const size_t bytes = static_cast<size_t>(w) * h * 4;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bh;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(bytes);
    for (size_t i = 0; i < bytes / 4; ++i)
        pixels[i] |= 0xFF000000u;
    FILE* f = std::fopen(path, "wb");
    if (!f)
        return false;
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bh, sizeof bh, 1, f);
    std::fwrite(pixels, 1, bytes, f);
    return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: button_gallery out.bmp [pixels-per-inch]\n");
        return 2;
    }
    const int dpi = argc > 2 ? std::atoi(argv[2]) : 96;
    GalleryForm form(dpi);
    form.ShowForm();
    Pump();

    const int w = form.Width(), h = form.Height();
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const BitmapHandle bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    const OwnedDC dc = OwnedDC::CompatibleWith(nullptr);
    const SelectGuard keep(dc.Get(), bmp.Get());
    // The form's own face and labels first.
    SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    Picture image;
    image.SetBitmap(MakeImage(ScaleDesign(16, dpi)));
    for (Component* c : form.Components()) {
        auto* b = dynamic_cast<TplButton*>(c);
        if (!b)
            continue;
        const std::u16string& name = b->Name();
        const int state = name[name.size() - 1] - u'0';
        const bool instance = b->Width() != ScaleDesign(kBtnW, dpi);
        if (!instance) {
            b->Image().SetPicture(image);
            b->Image().SetImageBool(2, true);  // transparent: the magenta corners go
            b->Image().SetImagePosition(1, ScaleDesign(4, dpi));
        }
        if (state == 1 && !instance)
            SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        if (instance ? state == 1 || state == 2 : state == 2)
            b->SetFocus();
        if (state == 3 && !instance)
            b->SetEnabled(false);
        Pump();
        // Drawn where the window shows it, clipped to its region as on screen.
        const SavedDC saved(dc.Get());
        SetViewportOrgEx(dc.Get(), b->Left(), b->Top(), nullptr);
        const RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(b->Handle(), clip.Get()) != ERROR) {
            OffsetRgn(clip.Get(), b->Left(), b->Top());
            SelectClipRgn(dc.Get(), clip.Get());
        }
        Canvas canvas(dc.Get());
        b->PaintFace(canvas);
        if (state == 1)
            SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
        b->SetEnabled(true);
    }
    GdiFlush();
    return WriteBmp(argv[1], static_cast<std::uint32_t*>(bits), w, h) ? 0 : 1;
}
