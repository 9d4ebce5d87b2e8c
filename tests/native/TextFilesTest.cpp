#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/StdFiles.h"
#include "tests/support/TestProgram.h"

namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EndsALineAtCrCrLfLfOrTheEnd) {
    EXPECT_EQ(platform::SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(platform::SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(platform::SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(platform::SplitLines("\r\r\n"), (Lines{"", ""}));
    EXPECT_EQ(platform::SplitLines(""), Lines{});
}

TEST(Cp1252Codec, RoundTripsEveryByteAndPortugueseText) {
    platform::Cp1252Codec codec;
    EXPECT_EQ(codec.ToAnsi("ação é"), "a\xE7\xE3o \xE9");
    EXPECT_EQ(codec.FromAnsi("a\xE7\xE3o \xE9"), "ação é");
    std::string everyByte;
    for (int b = 1; b < 256; ++b) everyByte += static_cast<char>(b);
    EXPECT_EQ(codec.ToAnsi(codec.FromAnsi(everyByte)), everyByte);
    EXPECT_EQ(codec.ToAnsi("€"), "\x80");
    EXPECT_EQ(codec.ToAnsi("ą"), "?");
    EXPECT_EQ(codec.ToAnsi("\xFF\xFE"), "??");  // not UTF-8 at all
}

TEST(StdFiles, WritesWholeFilesAndReadsThemBack) {
    testing_support::TestProgram program;
    std::string path = program.Folder() + "/list.txt";
    ASSERT_TRUE(program.files.WriteText(path, "um\r\ndois ção\r\n"));
    EXPECT_EQ(program.files.ReadLines(path), (Lines{"um", "dois ção"}));
    std::ifstream raw(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(raw)), {});
    EXPECT_EQ(bytes, "um\r\ndois \xE7\xE3o\r\n");
    EXPECT_FALSE(program.files.Exists(path + ".tmp~"));
}

TEST(StdFiles, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    testing_support::TestProgram program;
    std::string missingFolder = program.Folder() + "/missing/list.txt";
    EXPECT_FALSE(program.files.WriteText(missingFolder, "x"));
    // A folder standing where the file should be cannot be replaced.
    std::string blocked = program.Folder() + "/blocked";
    std::filesystem::create_directory(blocked);
    std::filesystem::create_directory(blocked + "/inside");
    EXPECT_FALSE(program.files.WriteText(blocked, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
    EXPECT_FALSE(program.files.Exists(blocked + ".tmp~"));
}

TEST(StdFiles, UnreadableFilesReadAsNothing) {
    testing_support::TestProgram program;
    EXPECT_FALSE(program.files.ReadLines(program.Folder() + "/none.txt").has_value());
    EXPECT_FALSE(program.files.ReadLines(program.Folder()).has_value());
    EXPECT_FALSE(program.files.Delete(program.Folder() + "/none.txt"));
}

}  // namespace
