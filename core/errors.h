// The system's errors are exceptions whose message text becomes the detail of the
// message box that the catching handler shows.
#pragma once
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "core/ustring.h"

namespace launcher {

class Exception : public std::exception {
public:
    explicit Exception(std::u16string message) : Message(std::move(message)), utf8_(ToUtf8(Message)) {}
    const char* what() const noexcept override { return utf8_.c_str(); }

    std::u16string Message;

private:
    std::string utf8_;
};

// A failed operating-system call: the platform error code and the system's text for it.
class EOSError : public Exception {
public:
    EOSError(std::uint32_t code, std::u16string message) : Exception(std::move(message)), ErrorCode(code) {}
    std::uint32_t ErrorCode;
};

// The operating-system error's text: the code and the system's own text for it.
std::u16string OSErrorMessage(std::uint32_t code, std::u16string_view systemText);

}  // namespace launcher
