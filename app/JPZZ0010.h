// The main form: the launcher's one full-screen window. Its components come from
// the layout app/forms/JPZZ0010.form; each concern's methods live in their own source.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

// The form's own GetTempPath, not the Win32 macro of that name.
#undef GetTempPath

namespace launcher {

class TplButton;

class TfrmJPZZ0010 : public Form {
public:
    // Reads the layout, creates the window (hidden) and runs FormCreate. The
    // launcher folder is Application::LauncherDir(); tests point it at a fixture first.
    explicit TfrmJPZZ0010(Component* owner = nullptr);

    // Fields other parts of the program use.
    std::u16string RootDir;
    std::u16string FontName;
    std::int32_t DPI = 0;
    bool StartFlg = false;
    bool DebugFlg = false;

    // Components, owned by the form (these pointers borrow).
    Image* CloseImg = nullptr;
    Image* LogoImg = nullptr;
    Panel* CopyrightPnl = nullptr;
    Panel* Panel11 = nullptr;
    Panel* Panel7 = nullptr;
    Label* JukenLbl = nullptr;
    Panel* MidashiPnl = nullptr;
    Image* MidashiImg = nullptr;
    Label* Midashi1Lbl = nullptr;
    Label* MidashiEllipse1Lbl = nullptr;
    Label* MidashiTitle1Lbl = nullptr;
    Panel* Gray1Pnl = nullptr;
    Panel* Blue1Pnl = nullptr;
    Label* BuName1Lbl = nullptr;
    Label* BuName2Lbl = nullptr;
    Panel* MainPnl = nullptr;
    Label* ShikenNameLbl = nullptr;
    Panel* ShikenNamePnl = nullptr;
    Label* KyuLblLbl = nullptr;
    Label* MakerLbl = nullptr;
    Image* MakerImg = nullptr;
    Image* ShikenImg = nullptr;
    Image* KyuImg = nullptr;
    Label* VerLbl = nullptr;
    Panel* InfoPnl = nullptr;
    Panel* Panel5 = nullptr;
    Memo* Memo1 = nullptr;
    Memo* Memo2 = nullptr;
    Panel* Panel9 = nullptr;
    Panel* Panel3 = nullptr;
    Edit* KaiCdEdt = nullptr;
    Panel* Panel10 = nullptr;
    Panel* Panel4 = nullptr;
    Edit* JubanEdt = nullptr;
    Panel* Panel6 = nullptr;
    Panel* Panel1 = nullptr;
    Label* Label1 = nullptr;
    Panel* Panel8 = nullptr;
    Panel* Panel2 = nullptr;
    Label* Label2 = nullptr;
    TplButton* StartBtn = nullptr;

    // Event handlers the layout binds by name.
    void FormCreate(Component* Sender);                                        // app/startup.cpp
    void FormShow(Component* Sender);                                          // app/startup.cpp
    void StartBtnClick(Component* Sender);                                     // app/start_sequence.cpp
    void EdtKeyDown(Component* Sender, std::uint16_t& Key, ShiftState Shift);  // app/entry_validation.cpp
    void CloseImgClick(Component* Sender);                                     // app/exit_confirmation.cpp

    // Start-up (app/startup.cpp).
    bool GetTempPath(std::u16string& Path);
    std::u16string GetAvailableMemory();

    // Initial display (app/initial_display.cpp).
    void InitialDisplay();

    // ---- Entry validation (app/entry_validation.cpp): CheckKaiCd, CheckJuBan ----
    // True when the field's entry is acceptable; otherwise the field is focused and
    // its one message shown.
    bool CheckKaiCd();
    bool CheckJuBan();

    // ---- File utilities (app/file_utils.cpp): SetFileAttrib, GetRandomPassword ----
    // Replaces the attributes of a file or folder, never of the launcher's own
    // executable; reports nothing.
    void SetFileAttrib(const std::u16string& FileName, std::uint32_t dmFileAttributes);
    // A fresh random key of PLen characters (re-seeded from the clock on each call).
    void GetRandomPassword(int PLen, std::u16string& Result);

    // ---- Start sequence (app/start_sequence.cpp) ----
    // Where the start draws its keys; empty means GetRandomPassword. Only tests
    // set it, to make a drawn name clash.
    std::function<void(int PLen, std::u16string& Result)> KeySource;

    // ---- Batch launchers (app/batch_launchers.cpp): StartExeBat, StartEndBat ----
    void StartExeBat(const std::u16string& FilePath);
    void StartEndBat();

    // ---- Step header (app/step_header.cpp): DrawMidashi ----

    // ---- Configured images (app/configured_images.cpp): DrawImage ----

    // ---- Exit confirmation (app/exit_confirmation.cpp) ----

private:
    template <class T>
    T* Find(const char16_t* name);
};

}  // namespace launcher
