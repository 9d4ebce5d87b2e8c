// The block list of folders and windows: the file restt.qvn and the logon
// entry of its companion, over real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "restrictions/BlockList.h"
#include "restrictions/frmRestF.h"
#include "tests/support/TransferVerbs.h"

namespace {

using namespace testing_support;
using restrictions::frmRestF;
using restrictions::block_list::kRunKey;

const std::string kSignatureLine = "Quarvel by Ostrelvan - www.quarvel.com.br";

class BlockList : public ::testing::Test {
  protected:
    void SetUp() override {
        // Base folder + "\restt.qvn" is a file in that folder on Windows, and
        // one file name inside the test folder natively.
        program.values.baseFolder = program.Folder() + "/WINDOWS";
        std::filesystem::create_directory(program.values.baseFolder);
        program.registry.CreateKey(kLM, kRunKey);
    }
    std::string Path() const { return program.values.baseFolder + "\\restt.qvn"; }
    void Write(const std::string& bytes) { std::ofstream(Path(), std::ios::binary) << bytes; }
    frmRestF& Open() { return program.screens.Open<frmRestF>(program.context); }

    TestProgram program;
};

TEST_F(BlockList, ReadingBackKeepsOneSignatureAndNothingTwice) {
    Open().Text1.UserType("Pasta1\r\nJanela2");
    program.screens.Find<frmRestF>()->Label4.UserClick();
    std::string written = FileBytes(Path());
    program.screens.Close<frmRestF>();

    auto& screen = Open();
    EXPECT_EQ(screen.Text1.text(), kSignatureLine + "\r\nPasta1\r\nJanela2");
    screen.Label6.UserClick();
    screen.Label6.UserClick();
    EXPECT_EQ(screen.Text1.text(), kSignatureLine + "\r\nPasta1\r\nJanela2");
    screen.Label4.UserClick();
    EXPECT_EQ(FileBytes(Path()), written);
}

TEST_F(BlockList, WhateverAnotherToolLeftSurvivesALoadAndBloquear) {
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    std::string longLine(100 * 1024, 'L'), many, manyWritten;
    for (int i = 0; i < 10000; ++i) {
        many += "linha" + std::to_string(i) + "\n";
        manyWritten += "linha" + std::to_string(i) + "\r\n";
    }
    const std::string sig = kSignatureLine;
    const struct {
        const char* what;
        std::string stored, expected;  // after load and Bloquear
    } cases[] = {
        {"an empty list", "", sig + "\r\n\r\n"},
        {"LF only", sig + "\na\nb\n", sig + "\r\na\r\nb\r\n"},
        {"CR only", sig + "\ra\rb\r", sig + "\r\na\r\nb\r\n"},
        {"no final line end", sig + "\r\na\r\nb", sig + "\r\na\r\nb\r\n"},
        {"a 100 KB line", sig + "\r\n" + longLine + "\r\n", sig + "\r\n" + longLine + "\r\n"},
        {"bytes outside ASCII", sig + "\r\n" + high + "\r\n", sig + "\r\n" + high + "\r\n"},
        {"no signature", "a\r\nb\r\n", sig + "\r\na\r\nb\r\n"},
        {"a signature in other letter case is not ours", "quarvel by ostrelvan\r\nPasta\r\n",
         sig + "\r\nquarvel by ostrelvan\r\nPasta\r\n"},
        {"10000 lines", sig + "\n" + many, sig + "\r\n" + manyWritten},
    };
    for (const auto& c : cases) {
        Write(c.stored);
        Open().Label4.UserClick();
        EXPECT_TRUE(FileBytes(Path()) == c.expected) << c.what;
        program.screens.Close<frmRestF>();
    }
}

TEST_F(BlockList, AFileThatCannotBeReadOrWrittenIsReportedAndNothingIsBlocked) {
    std::filesystem::create_directory(Path());  // a folder where the file should be
    auto& screen = Open();
    EXPECT_EQ(screen.Text1.text(), "");
    screen.Text1.UserType("Pasta");
    screen.Label6.UserClick();
    EXPECT_EQ(screen.Text1.text(), "Pasta") << "an unreadable file leaves the box as it is";
    screen.Label4.UserClick();
    program.values.baseFolder = program.Folder() + "/missing/WINDOWS";
    screen.Label4.UserClick();
    ASSERT_EQ(program.dialogs.messages.size(), 2u);
    for (const ShownMessage& said : program.dialogs.messages)
        EXPECT_EQ(std::pair(said.title, said.style), std::pair(std::string("Erro"), 16));
    EXPECT_NE(program.dialogs.messages[0].text.find(program.Folder() + "/WINDOWS\\restt.qvn"),
              std::string::npos);
    EXPECT_TRUE(IsAbsent(program.registry, kLM, kRunKey, "TvalueT"));
    EXPECT_TRUE(std::filesystem::is_directory(program.Folder() + "/WINDOWS\\restt.qvn"));
}

TEST_F(BlockList, AFailedWriteKeepsTheOldList) {
    Write(kSignatureLine + "\r\nantiga\r\n");
    program.files.refusedMove = 0;  // the temporary file's, over the list
    auto& screen = Open();
    screen.Text1.UserType("nova");
    screen.Label4.UserClick();
    EXPECT_EQ(FileBytes(Path()), kSignatureLine + "\r\nantiga\r\n");
    EXPECT_EQ(program.dialogs.messages.at(0).style, 16);
    EXPECT_TRUE(IsAbsent(program.registry, kLM, kRunKey, "TvalueT"));
    EXPECT_FALSE(std::filesystem::exists(Path() + ".tmp~"));
}

}  // namespace
