#include <gtest/gtest.h>

#include <string>

#include "app/atomic_file.h"
#include "platform/win32/wide_text.h"
#include "support/temp_dir.h"

TEST(AtomicFileWin32, CreatesThenReplacesAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("zorivan.INI");
    ASSERT_EQ(ReplaceFileContents(path, "first\r\n"), 0);
    EXPECT_EQ(ReadWholeFile(path), "first\r\n");
    ASSERT_EQ(ReplaceFileContents(path, "second"), 0);
    EXPECT_EQ(ReadWholeFile(path), "second");
    EXPECT_EQ(DirectoryEntries(dir.Path()), std::set<std::string>{"zorivan.INI"});
}

TEST(AtomicFileWin32, MissingDirectoryGivesOneAndCreatesNothing) {
    TempDir dir;
    EXPECT_EQ(ReplaceFileContents(dir.File("no such dir") + "/list.tts", "x"), 1);
    EXPECT_TRUE(DirectoryEntries(dir.Path()).empty());
}

TEST(WideText, Utf8SurvivesTheRoundTripThroughUtf16) {
    const std::string text = "Radio Tashkent \xC3\xBC \xE2\x82\xAC";  // u-umlaut, euro sign
    const std::wstring wide = WideFromUtf8(text);
    EXPECT_EQ(wide, L"Radio Tashkent \u00FC \u20AC");
    EXPECT_EQ(Utf8FromWide(wide), text);
    EXPECT_EQ(Utf8FromWide(WideFromUtf8("")), "");
}
