// The end-to-end tier's test program. "--hold-file PATH" turns it into a stand-in
// process that holds PATH open without sharing until it is ended.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/test_support.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (testsupport::HoldFileIfAsked(argc, argv))
        return 1;
    std::printf("[end-to-end tier] %s build\n", sizeof(void*) == 8 ? "x86_64" : "i686");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
