// Text files as the programs keep them: lines in the ANSI code page, and
// whole writes that leave the old file and no temporary when they fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TransferVerbs.h"

namespace {

using Lines = std::vector<std::string>;

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
