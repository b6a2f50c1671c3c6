// The wine tier's test program. "--hold-file PATH" turns it into a stand-in
// process that holds PATH open without sharing until it is ended.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--hold-file") == 0) {
        int n = 0;
        wchar_t** wargv = CommandLineToArgvW(GetCommandLineW(), &n);
        HANDLE h = CreateFileW(wargv[2], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return 1;
        Sleep(INFINITE);
        return 0;
    }
#ifdef _WIN32
    std::printf("[wine tier] %s build\n", sizeof(void*) == 8 ? "x86_64" : "i686");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
