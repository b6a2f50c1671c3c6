#include "core/message_code.h"

namespace launcher {
namespace {

// The platform's message-box flag values (winuser.h), kept here so this file needs no Windows.
constexpr std::uint32_t kIconError = 16, kIconQuestion = 32, kIconWarning = 48, kIconInformation = 64;
constexpr std::uint32_t kOk = 0, kYesNoCancel = 3, kYesNo = 4;
constexpr std::uint32_t kDefButton2 = 256, kDefButton3 = 512;
constexpr std::uint32_t kSetForeground = 65536;

}  // namespace

MessageRequest DecodeMessage(std::u16string_view MsgCD, std::u16string_view AddMsg) {
    MessageRequest r;
    bool hasButtons = false;
    std::uint32_t icon = 0, buttons = 0, defButton = 0;

    if (MsgCD.size() >= 1) {
        switch (MsgCD[0]) {
            case u'E':
                r.Caption = u"エラー";
                icon = kIconError;
                break;
            case u'I':
                r.Caption = u"情報";
                icon = kIconInformation;
                break;
            case u'Q':
                r.Caption = u"確認";
                icon = kIconQuestion;
                break;
            case u'W':
                r.Caption = u"警告";
                icon = kIconWarning;
                break;
            default:
                break;
        }
    }
    if (MsgCD.size() >= 2) {
        switch (MsgCD[1]) {
            case u'1':
                buttons = kOk;
                hasButtons = true;
                break;
            case u'2':
                buttons = kYesNo;
                hasButtons = true;
                break;
            case u'3':
                buttons = kYesNoCancel;
                hasButtons = true;
                break;
            default:
                break;
        }
    }
    if (MsgCD.size() >= 3) {
        if (MsgCD[2] == u'2')
            defButton = kDefButton2;
        if (MsgCD[2] == u'3')
            defButton = kDefButton3;
    }

    if (!hasButtons) {
        r.StatusBarPath = true;
        r.Caption.clear();
        r.Text = std::u16string(MsgCD);
        return r;
    }

    std::u16string working(MsgCD);
    if (!AddMsg.empty()) {
        working += u"\r\n\r\n";
        working += AddMsg;
    }
    r.Text = working.size() > 3 ? working.substr(3, MessageTextLimit) : std::u16string();
    r.Flags = icon + buttons + defButton + kSetForeground;
    return r;
}

}  // namespace launcher
