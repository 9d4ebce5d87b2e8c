// Text files as the programs keep them: lines, the ANSI code page, and whole
// writes that leave the old file and no temporary when they fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TestProgram.h"
#include "tests/support/TransferVerbs.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EndsALineAtCrCrLfLfOrTheEnd) {
    const std::pair<const char*, Lines> cases[] = {{"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                                                   {"a\r\n", {"a"}},
                                                   {"a\n\nb", {"a", "", "b"}},
                                                   {"\r\r\n", {"", ""}},
                                                   {"", {}}};
    for (const auto& [text, lines] : cases) EXPECT_EQ(platform::SplitLines(text), lines) << text;
}

TEST(Cp1252Codec, RoundTripsEveryByteAndPortugueseText) {
    platform::Cp1252Codec codec;
    EXPECT_EQ(codec.ToAnsi("ação é€"), "a\xE7\xE3o \xE9\x80");
    EXPECT_EQ(codec.FromAnsi("a\xE7\xE3o \xE9"), "ação é");
    std::string everyByte;
    for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
    EXPECT_EQ(codec.ToAnsi(codec.FromAnsi(everyByte)), everyByte);
    EXPECT_EQ(codec.ToAnsi("ą\xFF\xFE"), "???");  // outside the code page, not UTF-8 at all
}

TEST(StdFiles, WritesWholeFilesOrLeavesTheOldOneAndNoTemporary) {
    testing_support::TestProgram program;
    const std::string path = program.Folder() + "/list.txt", blocked = program.Folder() + "/in";
    ASSERT_TRUE(program.files.WriteText(path, "um\r\ndois ção\r\n"));
    EXPECT_EQ(program.files.ReadLines(path), (Lines{"um", "dois ção"}));
    EXPECT_EQ(testing_support::FileBytes(path), "um\r\ndois \xE7\xE3o\r\n");
    EXPECT_FALSE(program.files.WriteText(program.Folder() + "/missing/list.txt", "x"));
    // A folder standing where the file should be cannot be replaced.
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_FALSE(program.files.WriteText(blocked, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
    for (const std::string& file : {path, blocked})
        EXPECT_FALSE(program.files.Exists(file + ".tmp~"));
    EXPECT_FALSE(program.files.ReadLines(program.Folder() + "/none.txt").has_value());
    EXPECT_FALSE(program.files.ReadLines(program.Folder()).has_value());
    EXPECT_FALSE(program.files.Delete(program.Folder() + "/none.txt"));
}

}  // namespace
