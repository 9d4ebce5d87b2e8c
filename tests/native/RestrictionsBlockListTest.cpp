// The block list of folders and windows: the file restt.qvn and the logon
// entry of its companion, over real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "restrictions/BlockList.h"
#include "restrictions/frmRestF.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using restrictions::frmRestF;
using restrictions::block_list::kRunKey;
using testing_support::ShownMessage;

const std::string kSignatureLine = "Quarvel by Ostrelvan - www.quarvel.com.br";
const ShownMessage kBlocked{"Restrições aplicadas com sucesso", "Quarvel", 64};
const ShownMessage kUnblocked{
    "As alterações foram efetuadas com sucesso, reinicie o seu computador", "Quarvel", 64};

// Files whose final replace fails, as on a full disk or a read-only file.
class UnreplaceableFiles : public platform::StdFiles {
  public:
    using StdFiles::StdFiles;

  protected:
    bool Replace(const std::filesystem::path&, const std::filesystem::path&) override {
        return false;
    }
};

class BlockList : public ::testing::Test {
  protected:
    void SetUp() override {
        // Base folder + "\restt.qvn" is a file in that folder on Windows, and
        // one file name inside the test folder natively.
        program.values.baseFolder = program.Folder() + "/WINDOWS";
        std::filesystem::create_directory(program.values.baseFolder);
        program.registry.CreateKey(Hive::LocalMachine, kRunKey);
    }
    std::string FilePath() const { return program.values.baseFolder + "\\restt.qvn"; }
    std::string FileBytes() {
        std::ifstream in(FilePath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void WriteBytes(const std::string& bytes) {
        std::ofstream(FilePath(), std::ios::binary) << bytes;
    }
    std::string LogonEntry() {
        return program.registry.GetValue(Hive::LocalMachine, kRunKey, "TvalueT");
    }
    ::testing::AssertionResult NoLogonEntry() {
        return testing_support::IsAbsent(program.registry, Hive::LocalMachine, kRunKey, "TvalueT");
    }
    frmRestF& Open() { return program.screens.Open<frmRestF>(program.context); }

    testing_support::TestProgram program;
};

TEST_F(BlockList, AnEmptyListIsTheSignatureAndAnEmptyLine) {
    Open().Label4.UserClick();
    EXPECT_EQ(FileBytes(), kSignatureLine + "\r\n\r\n");
    EXPECT_EQ(LogonEntry(), program.Folder() + "\\DErodu.exe");
}

TEST_F(BlockList, ReadingBackKeepsOneSignatureAndNothingTwice) {
    Open().Text1.UserType("Pasta1\r\nJanela2");
    program.screens.Find<frmRestF>()->Label4.UserClick();
    std::string written = FileBytes();
    program.screens.Close<frmRestF>();

    auto& screen = Open();
    EXPECT_EQ(screen.Text1.text(), kSignatureLine + "\r\nPasta1\r\nJanela2");
    screen.Label6.UserClick();
    screen.Label6.UserClick();
    EXPECT_EQ(screen.Text1.text(), kSignatureLine + "\r\nPasta1\r\nJanela2");
    screen.Label4.UserClick();
    EXPECT_EQ(FileBytes(), written);
}

TEST_F(BlockList, WhateverAnotherToolLeftSurvivesALoadAndBloquear) {
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    std::string longLine(100 * 1024, 'L');
    std::string many;
    for (int i = 0; i < 10000; ++i) many += "linha" + std::to_string(i) + "\n";
    struct Case {
        const char* what;
        std::string stored;
        std::string expected;  // after load and Bloquear
    };
    const std::string sig = kSignatureLine;
    const std::vector<Case> cases = {
        {"LF only", sig + "\na\nb\n", sig + "\r\na\r\nb\r\n"},
        {"CR only", sig + "\ra\rb\r", sig + "\r\na\r\nb\r\n"},
        {"no final line end", sig + "\r\na\r\nb", sig + "\r\na\r\nb\r\n"},
        {"a 100 KB line", sig + "\r\n" + longLine + "\r\n", sig + "\r\n" + longLine + "\r\n"},
        {"bytes outside ASCII", sig + "\r\n" + high + "\r\n", sig + "\r\n" + high + "\r\n"},
        {"no signature", "a\r\nb\r\n", sig + "\r\na\r\nb\r\n"},
        {"a signature in other letter case is not ours", "quarvel by ostrelvan\r\nPasta\r\n",
         sig + "\r\nquarvel by ostrelvan\r\nPasta\r\n"},
    };
    for (const Case& c : cases) {
        WriteBytes(c.stored);
        Open().Label4.UserClick();
        EXPECT_EQ(FileBytes(), c.expected) << c.what;
        program.screens.Close<frmRestF>();
    }
    WriteBytes(sig + "\n" + many);
    Open().Label4.UserClick();
    std::string expected = sig + "\r\n";
    for (int i = 0; i < 10000; ++i) expected += "linha" + std::to_string(i) + "\r\n";
    EXPECT_TRUE(FileBytes() == expected) << "10000 lines";
}

TEST_F(BlockList, AFileThatCannotBeReadOrWrittenIsReportedAndNothingIsBlocked) {
    std::filesystem::create_directory(FilePath());  // a folder where the file should be
    auto& screen = Open();
    EXPECT_EQ(screen.Text1.text(), "");
    screen.Text1.UserType("Pasta");
    screen.Label6.UserClick();
    EXPECT_EQ(screen.Text1.text(), "Pasta") << "an unreadable file leaves the box as it is";
    screen.Label4.UserClick();
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Erro");
    EXPECT_EQ(program.dialogs.messages[0].style, 16);
    EXPECT_NE(program.dialogs.messages[0].text.find(FilePath()), std::string::npos);
    EXPECT_TRUE(NoLogonEntry());
    EXPECT_TRUE(std::filesystem::is_directory(FilePath()));

    program.values.baseFolder = program.Folder() + "/missing/WINDOWS";
    screen.Label4.UserClick();
    EXPECT_EQ(program.dialogs.messages.size(), 2u);
    EXPECT_EQ(program.dialogs.messages[1].title, "Erro");
    EXPECT_TRUE(NoLogonEntry());
}

TEST_F(BlockList, AFailedWriteKeepsTheOldList) {
    WriteBytes(kSignatureLine + "\r\nantiga\r\n");
    UnreplaceableFiles files(program.codec, program.Folder());
    core::Context context{program.registry, program.dialogs, files, program.pictures,
                          program.values};
    auto& screen = program.screens.Open<frmRestF>(context);
    screen.Text1.UserType("nova");
    screen.Label4.UserClick();
    EXPECT_EQ(FileBytes(), kSignatureLine + "\r\nantiga\r\n");
    EXPECT_EQ(program.dialogs.messages.at(0).style, 16);
    EXPECT_TRUE(NoLogonEntry());
    EXPECT_FALSE(std::filesystem::exists(FilePath() + ".tmp~"));
}

TEST_F(BlockList, DesbloquearRemovesFileAndEntryAndKeepsTheText) {
    auto& screen = Open();
    screen.Text1.UserType("Pasta");
    screen.Label4.UserClick();
    screen.Label5.UserClick();
    EXPECT_FALSE(std::filesystem::exists(FilePath()));
    EXPECT_TRUE(NoLogonEntry());
    EXPECT_EQ(screen.Text1.text(), "Pasta");
    screen.Label5.UserClick();
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{kBlocked, kUnblocked, kUnblocked}));
}

}  // namespace
