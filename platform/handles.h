// Owners for kernel handles: each closes its handle with the object, moves but
// never copies. The traits say what "no handle" is and how one is closed.
#pragma once
#include <windows.h>

#include <utility>

namespace launcher {

template <class Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE h) : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            h_ = std::exchange(other.h_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    explicit operator bool() const { return h_ != Traits::Invalid(); }
    HANDLE get() const { return h_; }
    void reset() {
        if (h_ != Traits::Invalid())
            Traits::Close(h_);
        h_ = Traits::Invalid();
    }

private:
    HANDLE h_ = Traits::Invalid();
};

// Processes, threads and the like: null when there is none.
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// CreateFileW's handles: INVALID_HANDLE_VALUE when there is none.
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// FindFirstFileW's handles, closed with FindClose.
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace launcher
