#include "core/examinee_folder.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST(ComposeChangeFileName, UsesFileTitleOrDevelopmentCodeAndKeepsEntriesAsTyped) {
    EXPECT_EQ(ComposeChangeFileName(u"表計算3級_模擬A", u"XL3A01", u"00001", u"007", u"aB3xZ"),
              u"受験者用_表計算3級_模擬A_00001_007［aB3xZ］");
    // No file title: the development code takes its place.
    EXPECT_EQ(ComposeChangeFileName(u"", u"XL3A01", u" 1234", u"-5", u"k9k9k"), u"受験者用_XL3A01_ 1234_-5［k9k9k］");
}
