#include "core/dir_entry.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/ustring.h"

using namespace launcher;

namespace {

TEST(ClassifyDirEntry, FoldersAreDescendedLinksRemovedOthersDeleted) {
    struct Case {
        std::uint32_t attributes;
        DirEntryAction action;
    } const cases[] = {
        {0x10, DirEntryAction::Descend},
        {0x10 | 0x02 | 0x04 | 0x01, DirEntryAction::Descend},  // hidden, system, read-only folder
        {0x410, DirEntryAction::RemoveLink},                   // junction or folder symlink
        {0x410 | 0x02, DirEntryAction::RemoveLink},
        {0x20, DirEntryAction::DeleteFile},
        {0x80, DirEntryAction::DeleteFile},
        {0x01 | 0x02 | 0x04 | 0x20, DirEntryAction::DeleteFile},
        {0x400 | 0x20, DirEntryAction::DeleteFile},  // file symlink: DeleteFileW removes the link
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyDirEntry(c.attributes), c.action) << std::hex << c.attributes;
}

TEST(OSErrorMessage, CodeAndSystemTextInTheFixedFormat) {
    EXPECT_EQ(ToUtf8(OSErrorMessage(5, u"アクセスが拒否されました。")),
              ToUtf8(u"システム エラー。コード: 5。\r\nアクセスが拒否されました。"));
    EXPECT_EQ(ToUtf8(OSErrorMessage(32, u"")), ToUtf8(u"システム エラー。コード: 32。\r\n"));
    // Codes are printed as signed 32-bit numbers.
    EXPECT_EQ(ToUtf8(OSErrorMessage(0x80070005u, u"x")), ToUtf8(u"システム エラー。コード: -2147024891。\r\nx"));
}

}  // namespace
