// Program start-up and the main window: the form's creation from its layout,
// the environment record, full screen, the font, and what showing it does.
#include <windows.h>

#include <algorithm>

#include "app/JPZZ0010.h"
#include "common/CMFunc.h"
#include "controls/plButton.h"
#include "core/errors.h"
#include "core/startup_rules.h"
#include "core/ustring.h"
#include "platform/process.h"
#include "platform/ui/application.h"
#include "platform/ui/gdi.h"
#include "platform/ui/layout.h"
#include "platform/ui/screen.h"
#include "platform/wstr.h"

namespace launcher {
namespace {

// Read once, when the program starts, as the record has always reported it.
const OSVERSIONINFOW& OsVersion() {
    static const OSVERSIONINFOW info = [] {
        OSVERSIONINFOW v{};
        v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExW(&v);
#pragma GCC diagnostic pop
        return v;
    }();
    return info;
}

}  // namespace

template <class T>
T* TfrmJPZZ0010::Find(const char16_t* name) {
    auto* c = dynamic_cast<T*>(FindComponent(name));
    if (!c)
        throw LayoutError(u"JPZZ0010: the layout has no " + std::u16string(name) + u" of the expected kind");
    return c;
}

TfrmJPZZ0010::TfrmJPZZ0010(Component* owner) : Form(owner) {
    (void)OsVersion();
    RegisterTplButtonKind();
    EventTable events;
    events.Notify[u"FormCreate"] = [this](Component* s) { FormCreate(s); };
    events.Notify[u"FormShow"] = [this](Component* s) { FormShow(s); };
    events.Notify[u"StartBtnClick"] = [this](Component* s) { StartBtnClick(s); };
    events.Notify[u"CloseImgClick"] = [this](Component* s) { CloseImgClick(s); };
    events.Key[u"EdtKeyDown"] = [this](Component* s, std::uint16_t& k, ShiftState sh) { EdtKeyDown(s, k, sh); };
    ReadLayoutResource(*this, u"JPZZ0010", events, ScreenPixelsPerInch());

    CloseImg = Find<Image>(u"CloseImg");
    LogoImg = Find<Image>(u"LogoImg");
    CopyrightPnl = Find<Panel>(u"CopyrightPnl");
    Panel11 = Find<Panel>(u"Panel11");
    Panel7 = Find<Panel>(u"Panel7");
    JukenLbl = Find<Label>(u"JukenLbl");
    MidashiPnl = Find<Panel>(u"MidashiPnl");
    MidashiImg = Find<Image>(u"MidashiImg");
    Midashi1Lbl = Find<Label>(u"Midashi1Lbl");
    MidashiEllipse1Lbl = Find<Label>(u"MidashiEllipse1Lbl");
    MidashiTitle1Lbl = Find<Label>(u"MidashiTitle1Lbl");
    Gray1Pnl = Find<Panel>(u"Gray1Pnl");
    Blue1Pnl = Find<Panel>(u"Blue1Pnl");
    BuName1Lbl = Find<Label>(u"BuName1Lbl");
    BuName2Lbl = Find<Label>(u"BuName2Lbl");
    MainPnl = Find<Panel>(u"MainPnl");
    ShikenNameLbl = Find<Label>(u"ShikenNameLbl");
    ShikenNamePnl = Find<Panel>(u"ShikenNamePnl");
    KyuLblLbl = Find<Label>(u"KyuLblLbl");
    MakerLbl = Find<Label>(u"MakerLbl");
    MakerImg = Find<Image>(u"MakerImg");
    ShikenImg = Find<Image>(u"ShikenImg");
    KyuImg = Find<Image>(u"KyuImg");
    VerLbl = Find<Label>(u"VerLbl");
    InfoPnl = Find<Panel>(u"InfoPnl");
    Panel5 = Find<Panel>(u"Panel5");
    Memo1 = Find<Memo>(u"Memo1");
    Memo2 = Find<Memo>(u"Memo2");
    Panel9 = Find<Panel>(u"Panel9");
    Panel3 = Find<Panel>(u"Panel3");
    KaiCdEdt = Find<Edit>(u"KaiCdEdt");
    Panel10 = Find<Panel>(u"Panel10");
    Panel4 = Find<Panel>(u"Panel4");
    JubanEdt = Find<Edit>(u"JubanEdt");
    Panel6 = Find<Panel>(u"Panel6");
    Panel1 = Find<Panel>(u"Panel1");
    Label1 = Find<Label>(u"Label1");
    Panel8 = Find<Panel>(u"Panel8");
    Panel2 = Find<Panel>(u"Panel2");
    Label2 = Find<Label>(u"Label2");
    StartBtn = Find<TplButton>(u"StartBtn");

    CreateAllHandles();
    if (OnCreate)
        OnCreate(this);
}

void TfrmJPZZ0010::FormCreate(Component*) {
    RootDir = GetIniString(u"##AUTO##\\auto.ini", u"情報", u"解凍前フォルダ名");

    // The environment record is for the exam program's information only: a
    // failure ends the record where it happens and never stops the start-up.
    try {
        const std::u16string ini = RootDir + u"\\system\\" + u"shiken.ini";
        const std::u16string section = u"受験者情報";
        const OwnedDC display = OwnedDC::Display();
        DPI = display.Get() ? GetDeviceCaps(display.Get(), LOGPIXELSX) : 0;
        const OSVERSIONINFOW& os = OsVersion();
        PutIniString(ini, section, u"OS",
                     FormatOsVersion(os.dwMajorVersion, os.dwMinorVersion, os.dwBuildNumber, U(os.szCSDVersion),
                                     os.dwPlatformId),
                     false);
        PutIniString(ini, section, u"DPI", IntToStr(DPI), false);
        PutIniString(ini, section, u"解像度",
                     FormatResolution(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), false);
        PutIniString(ini, section, u"メモリ", GetAvailableMemory(), false);
    } catch (const std::exception&) {
    }

    StartFlg = false;
    DebugFlg = false;

    SetBounds(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    // Only the one family is looked up: "Default" sorts before it in the full list
    // too, so it stands above position 0 in both exactly when it is installed.
    FontName = ChooseFontName(ScreenFonts(u"游ゴシック"));
    for (Component* c : Components()) {
        if (dynamic_cast<Label*>(c) || dynamic_cast<Memo*>(c) || dynamic_cast<Panel*>(c) ||
            dynamic_cast<TplButton*>(c)) {
            static_cast<Control*>(c)->Font().SetName(FontName);
        }
    }
}

std::u16string TfrmJPZZ0010::GetAvailableMemory() {
    try {
        MEMORYSTATUS status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatus(&status);
        // A 64-bit build could see more than 32 bits hold; the value is 32-bit, so it stops at the top.
        const auto total = static_cast<std::uint64_t>(status.dwTotalPhys);
        return IntToStr(static_cast<std::int64_t>(std::min<std::uint64_t>(total, 0xFFFFFFFFu)));
    } catch (const std::exception&) {
        return u"Error";
    }
}

bool TfrmJPZZ0010::GetTempPath(std::u16string& Path) {
    const DWORD needed = ::GetTempPathW(0, nullptr);
    if (needed < 1)
        return false;
    std::u16string buffer(needed, u'\0');
    const DWORD length = ::GetTempPathW(needed, W(buffer));
    // A path that grew between the two calls does not fit: no path rather than a cut one.
    if (length == 0 || length >= needed)
        return false;
    buffer.resize(length);
    Path = buffer;
    return true;
}

void TfrmJPZZ0010::FormShow(Component*) {
    std::u16string temp;
    if (GetTempPath(temp) && IsInTempFolder(temp, Process::ExeName())) {
        DispMessage(this, nullptr, u"E11受験プログラムが解凍されていません。", u"");
        Application::Terminate();
    }
    if (HasDebugSwitch(Process::Params()))
        DebugFlg = true;
    InitialDisplay();
    MakeTopmost();
}

}  // namespace launcher
