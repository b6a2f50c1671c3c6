#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    std::printf("[end-to-end tier] %s build\n", sizeof(void*) == 8 ? "x86_64" : "i686");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
