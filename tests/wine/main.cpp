// The wine tier's test program. "--hold-file PATH" turns it into a stand-in
// process that holds PATH open without sharing until it is ended.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_support.h"

#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (testsupport::HoldFileIfAsked(argc, argv))
        return 1;
#ifdef _WIN32
    std::printf("[wine tier] %s build\n", sizeof(void*) == 8 ? "x86_64" : "i686");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
