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
namespace fs = std::filesystem;

const ShownMessage kNothingToUndo{"Não há importação para desfazer.", "Quarvel²", 64};
const char* const kGroups[] = {"Check1", "Check6",  "Check5",  "Check4", "Check3",
                               "Check2", "Check11", "Check10", "Check9"};

// A state S with values present and absent: no lock code, no start page, and
// a block list whose logon entry Resgate removed.
void SetUpState(Computer& computer) {
    RegistryAccess& r = computer.registry;
    PutNumber(r, kCU, kExplorer, "NoRun", 1);
    PutNumber(r, kCU, kExplorer, "RestrictRun", 1);
    PutText(r, kCU, kAllowList, "6", "calc.exe");
    PutText(r, kCU, kAllowList, "9", "gap.exe");
    PutText(r, kCU, kAllowList, "610", "sol.exe");
    PutText(r, kLM, kWinlogon, "LegalNoticeCaption", "Aviso");
    PutText(r, kCU, "Control Panel\\Desktop", "MenuShowDelay", "0");
    computer.WriteBlockList("C:\\Jogos\r\n");
}

// Another computer's configuration, every group different from S.
std::string OtherFile(const std::vector<std::string>& groups = {}) {
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

ImportStatus ImportText(Computer& computer, const std::string& file) {
    return computer.Import(transfer::SplitConfigLines(file));
}

TEST(Undo, BringsBackExactlyTheStateBeforeTheImportOfAnyGroup) {
    std::vector<std::vector<std::string>> imports = {{}};  // every group at once
    for (const char* group : kGroups) imports.push_back({group});
    for (const auto& groups : imports) {
        SCOPED_TRACE(groups.empty() ? "all" : groups[0]);
        Computer computer;
        SetUpState(computer);
        std::string before = computer.Export();
        ASSERT_NE(ImportText(computer, OtherFile(groups)), ImportStatus::NoBackup);
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
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(computer.Export(), first);
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(computer.Export(), empty);
    EXPECT_FALSE(fs::exists(computer.BlockListPath())) << "there was no block list before";
    computer.dialogs.messages.clear();
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::NothingToUndo);
    EXPECT_EQ(computer.dialogs.messages, (std::vector<ShownMessage>{kNothingToUndo}));
}

TEST(Undo, AnImportWhoseBackupCannotBeWrittenChangesNothing) {
    Computer computer;
    // A file where the backup folder should be.
    std::ofstream(computer.files.CommonAppDataFolder()) << "x";
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
    auto folder = transfer::BackupFolder(computer.files);
    int backups = 0;
    for (const auto& name : computer.files.FileNames(folder)) backups += name.ends_with(".qvc");
    EXPECT_EQ(backups, 20);
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", "c21"}});
}

}  // namespace
