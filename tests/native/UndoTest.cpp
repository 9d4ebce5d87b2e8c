// Every import is undoable: the backup taken before it, and undo walking
// back through earlier imports to exactly the state that was there.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TransferVerbs.h"
#include "transfer/Backup.h"
#include "transfer/ConfigFile.h"

namespace {

using namespace testing_support;
using transfer::ImportStatus;

// Another computer's configuration of the ticked groups, each different from
// the state the tests start with.
std::string OtherFile(const std::vector<std::string>& groups) {
    Computer other;
    RegistryAccess& r = other.registry;
    PutNumber(r, kCU, kExplorer, "NoFind", 1);
    for (int i = 6; i < 20; ++i) PutText(r, kCU, kAllowList, std::to_string(i), "p.exe");
    PutText(r, kLM, kWinlogon, "LegalNoticeText", "Outro");
    PutText(r, kLM, kCurrentVersion, "SYSNOT", "x");
    PutText(r, kCU, kBrowserMain, "Start Page", "http://outro");
    PutText(r, kCU, kBrowserMain, "Window Title", "Outro");
    PutText(r, kCU, kExplorerAdvanced, "StartMenuScrollPrograms", "YES");
    for (const char* name : {"Enable_Disk_Cache", "Save Directory"})
        PutText(r, kLM, kBrowserMain, name, "yes");
    other.WriteBlockList("C:\\Outros\r\n");
    return other.Export(groups);
}

TEST(Undo, BringsBackExactlyTheStateBeforeTheImportOfAnyGroup) {
    for (const char* group : {"", "Check1", "Check6", "Check5", "Check4", "Check3", "Check2",
                              "Check11", "Check10", "Check9"}) {
        SCOPED_TRACE(*group ? group : "every group at once");
        // A state with values present and absent: no lock code, no start
        // page, and a block list whose logon entry Resgate removed.
        Computer computer;
        RegistryAccess& r = computer.registry;
        PutNumber(r, kCU, kExplorer, "NoRun", 1);
        PutNumber(r, kCU, kExplorer, "RestrictRun", 1);
        for (auto [name, text] : {std::pair{"6", "calc.exe"}, {"9", "gap.exe"}, {"610", "sol.exe"}})
            PutText(r, kCU, kAllowList, name, text);
        PutText(r, kLM, kWinlogon, "LegalNoticeCaption", "Aviso");
        PutText(r, kCU, "Control Panel\\Desktop", "MenuShowDelay", "0");
        computer.WriteBlockList("C:\\Jogos\r\n");
        std::string before = computer.Export();
        std::string other =
            OtherFile(*group ? std::vector<std::string>{group} : std::vector<std::string>{});
        ASSERT_NE(computer.Import(transfer::SplitConfigLines(other)), ImportStatus::NoBackup);
        computer.dialogs.messages.clear();
        EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
        EXPECT_EQ(computer.Export(), before);
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent},
                         {kCU, kBrowserMain, "Start Page", kAbsent},
                         {kLM, kRun, "TvalueT", kAbsent},
                         {kCU, kAllowList, "9", "gap.exe"},
                         {kCU, kAllowList, "7", kAbsent}});
        EXPECT_EQ(computer.BlockList(),
                  "Quarvel by Ostrelvan - www.quarvel.com.br\r\nC:\\Jogos\r\n");
        EXPECT_EQ(computer.dialogs.messages.front().title, "Quarvel²");
    }
}

TEST(Undo, WalksBackThroughEarlierImportsAndThenSaysThereIsNothing) {
    Computer computer;
    std::string empty = computer.Export();
    ASSERT_EQ(computer.Import({"QV09um", "QV03C:\\Um"}), ImportStatus::Done);
    std::string first = computer.Export();
    ASSERT_EQ(computer.Import({"QV09dois"}), ImportStatus::Done);
    for (const std::string& state : {first, empty}) {
        EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
        EXPECT_EQ(computer.Export(), state);
    }
    EXPECT_FALSE(std::filesystem::exists(computer.BlockListPath())) << "there was none before";
    computer.dialogs.messages.clear();
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::NothingToUndo);
    EXPECT_EQ(computer.dialogs.messages,
              (std::vector<ShownMessage>{{"Não há importação para desfazer.", "Quarvel²", 64}}));
}

TEST(Undo, AnImportWhoseBackupCannotBeWrittenChangesNothing) {
    Computer computer;
    std::ofstream(computer.files.CommonAppDataFolder()) << "x";  // where the backups go
    EXPECT_EQ(computer.Import({"QV09novo"}), ImportStatus::NoBackup);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    ASSERT_EQ(computer.dialogs.messages.size(), 1u);
    EXPECT_EQ(computer.dialogs.messages[0].style, 16);
    EXPECT_EQ(computer.dialogs.messages[0].title, "Quarvel²");
}

TEST(Undo, KeepsTheNewestTwentyBackups) {
    Computer computer;
    for (int i = 0; i < 23; ++i)
        ASSERT_EQ(computer.Import({"QV09c" + std::to_string(i)}), ImportStatus::Done);
    int backups = 0;
    for (const auto& name : computer.files.FileNames(transfer::BackupFolder(computer.files)))
        backups += name.ends_with(".qvc");
    EXPECT_EQ(backups, 20);
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", "c21"}});
}

}  // namespace
