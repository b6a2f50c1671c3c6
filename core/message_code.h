// Decoding of the three-character message codes ("E11…") into what a message box shows.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace launcher {

struct MessageRequest {
    bool StatusBarPath = false;  // no button set: the whole code string goes to a status bar
    std::u16string Caption;
    std::uint32_t Flags = 0;  // icon + buttons + default button + MB_SETFOREGROUND
    std::u16string Text;      // the box body, or the status-bar text
};

// The box body holds at most this many characters of message and detail together.
inline constexpr std::size_t MessageTextLimit = 200;

MessageRequest DecodeMessage(std::u16string_view MsgCD, std::u16string_view AddMsg);

}  // namespace launcher
