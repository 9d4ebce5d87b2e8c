// The configuration file: records, export, import and the round trip.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "core/Settings.h"
#include "tests/support/TestProgram.h"
#include "transfer/ConfigFile.h"
#include "transfer/ConfigImport.h"
#include "transfer/ConfigValues.h"
#include "transfer/frmWizrd.h"

namespace {

using testing_support::ShownMessage;
using testing_support::TestProgram;
using transfer::Record;
using Lines = std::vector<std::string>;

constexpr char kExplorer[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const ShownMessage kImported{"Configurações importadas com sucesso", "Quarvel²", 64};

// A computer as the tests need it: the keys Windows always has.
struct Computer : TestProgram {
    Computer() {
        for (auto [hive, key] : std::vector<std::pair<Hive, std::string>>{
                 {Hive::LocalMachine, std::string(core::kCurrentVersion)},
                 {Hive::LocalMachine, kRun},
                 {Hive::LocalMachine, std::string(personalization::kWinlogonKey)},
                 {Hive::LocalMachine, std::string(optimization::kFsTemplatesKey)},
                 {Hive::CurrentUser, std::string(personalization::kBrowserMainKey)},
                 {Hive::LocalMachine, std::string(personalization::kBrowserMainKey)},
                 {Hive::CurrentUser, "Control Panel\\Desktop\\WindowMetrics"},
                 {Hive::CurrentUser, std::string(transfer::kScrollPrograms.key)}})
            registry.CreateKey(hive, key);
        values.baseFolder = Folder();
    }
    std::string Get(Hive hive, std::string_view key, std::string_view name) {
        return registry.GetValue(hive, key, name);
    }
    std::string Policy(std::string_view name) { return Get(Hive::CurrentUser, kExplorer, name); }
    // Imports the lines as a file with CR LF line ends.
    void Import(const Lines& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        std::string path = Folder() + "/import.qvc";
        std::ofstream(path, std::ios::binary) << codec.ToAnsi(text);
        transfer::ImportFile(context, path);
    }
    std::string BlockFile() {
        std::ifstream in(restrictions::block_list::FilePath(Folder()), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    // Exports the ticked groups through the save dialog and returns the file.
    std::string Export(const std::vector<std::string>& ticked = {}) {
        auto& screen = screens.Open<transfer::frmWizrd>(context);
        screen.Nenhuma_Click();
        if (ticked.empty()) screen.Todas_Click();
        for (const std::string& name : ticked)
            static_cast<forms::CheckBox*>(screen.Find(name))->SetChecked(true);
        std::string path = Folder() + "/export.qvc";
        std::filesystem::remove(path);
        dialogs.fileAnswers.push_back(path);
        screen.OtherPlace_Click();
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
};

TEST(ConfigRecords, OnlyExactKeysAtTheStartOfALineAreRecords) {
    auto records = transfer::ReadRecords(
        {"QV09abc", "qv09lower", " QV09blank", "QV0", "", "QV07", "QVxx", "QV03a\x01\xff"});
    EXPECT_EQ(records, (std::vector<Record>{{"QV09", "abc"}, {"QV07", ""}, {"QV03", "a\x01\xff"}}));
}

TEST(ConfigRecords, BreakLinesContinueOnlyTheRecordJustBefore) {
    auto records =
        transfer::ReadRecords({"QVa7first", "QV__second", "QV_nthird", "junk", "QV__lost", "QV__"});
    EXPECT_EQ(records, (std::vector<Record>{{"QVa7", "first\r\nsecond\nthird"}}));
}

TEST(ConfigRecords, TextsWithLineBreaksSurviveTheFileWhole) {
    transfer::ConfigText text;
    text.Add("QVa7", "Aviso\r\nQV09segredo\rfim\n");
    text.Add("QV09", "");
    EXPECT_EQ(text.FileContent(), "QVa7Aviso\r\nQV__QV09segredo\r\nQV_rfim\r\nQV_n\r\nQV09\r\n");
    auto records = transfer::ReadRecords(platform::SplitLines(text.FileContent()));
    EXPECT_EQ(records,
              (std::vector<Record>{{"QVa7", "Aviso\r\nQV09segredo\rfim\n"}, {"QV09", ""}}));
}

TEST(Import, OnlyALockCodeTouchesNothingElse) {
    Computer computer;
    computer.Import({"QV09novo"});
    EXPECT_EQ(computer.Get(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"), "novo");
    EXPECT_EQ(computer.Policy("NoFolderOptions"), "");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, restrictions::allow_list::kListKey, "1"), "");
    EXPECT_EQ(computer.dialogs.messages, (std::vector<ShownMessage>{kImported}));
}

TEST(Import, PolicyFlagsApplyOnlyWhereTheyAreZeroOrOne) {
    Computer computer;
    computer.registry.CreateKey(Hive::CurrentUser, kExplorer);
    computer.registry.SetValue(Hive::CurrentUser, kExplorer, "NoFileMenu", 7);
    computer.Import({"QV011111x1"});
    EXPECT_EQ(computer.Policy("NoFolderOptions"), "1");
    EXPECT_EQ(computer.Policy("NoFileMenu"), "7") << "x leaves position 5 alone";
    EXPECT_EQ(computer.Policy("NoSetFolders"), "1");
    EXPECT_EQ(computer.Policy("NoWindowsUpdate"), "") << "past the end nothing is written";

    computer.values.importedAllowList = true;
    computer.Import({"QV01" + std::string(43, '0'), "QV02prog.exe"});
    EXPECT_EQ(computer.Get(Hive::CurrentUser, kExplorer, "RestrictRun"), "0")
        << "each import starts with the switch off";
    EXPECT_EQ(computer.Get(Hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                           "NoDispBackgroundPage"),
              "0");
}

TEST(Import, AllowListGoesToSixOnwardsWithTheSwitchOfPosition44) {
    Computer computer;
    computer.Import({"QV01" + std::string(43, '2') + "1", "QV02a.exe", "QV02b.exe", "QV02c.exe"});
    auto list = restrictions::allow_list::kListKey;
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "1"), "Quarvel.exe");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "3"), "DErodu.exe");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "6"), "a.exe");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "8"), "c.exe");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, kExplorer, "RestrictRun"), "1");

    Computer other;
    other.Import({"QV02only.exe"});
    EXPECT_EQ(other.Get(Hive::CurrentUser, kExplorer, "RestrictRun"), "0");
}

TEST(Import, NeverWritesPastTheUserRangeAndSaysWhatWasLeftOut) {
    Computer computer;
    Lines lines;
    for (int i = 0; i < 596; ++i) lines.push_back("QV02p" + std::to_string(i) + ".exe");
    computer.registry.CreateKey(Hive::CurrentUser, restrictions::allow_list::kListKey);
    computer.registry.SetValue(Hive::CurrentUser, restrictions::allow_list::kListKey, "606",
                               "wizard.exe", ValueType::String);
    computer.Import(lines);
    auto list = restrictions::allow_list::kListKey;
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "599"), "p593.exe");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "600"), "");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, list, "606"), "wizard.exe");
    ASSERT_EQ(computer.dialogs.messages.size(), 2u);
    EXPECT_NE(computer.dialogs.messages[0].text.find("p594.exe\r\np595.exe"), std::string::npos);
    EXPECT_EQ(computer.dialogs.messages[1], kImported);
}

TEST(Import, BlockListLinesReplaceTheFileAndStartTheCompanion) {
    Computer computer;
    computer.Import({"QV03C:\\Jogos", "QV03Paciência"});
    EXPECT_EQ(computer.BlockFile(), restrictions::block_list::SignatureLine() +
                                        "\r\nC:\\Jogos\r\n" + computer.codec.ToAnsi("Paciência") +
                                        "\r\n");
    EXPECT_EQ(computer.Get(Hive::LocalMachine, kRun, "TvalueT"),
              computer.Folder() + "\\DErodu.exe");

    computer.Import({"QV03"});
    EXPECT_EQ(computer.Get(Hive::LocalMachine, kRun, "TvalueT"), "");
    EXPECT_NE(computer.BlockFile(), "") << "a file without block-list lines leaves the list";
}

TEST(Import, AFailedBlockListWriteKeepsTheRegistryChangesAndSaysSo) {
    Computer computer;
    computer.values.baseFolder = computer.Folder() + "/missing/folder";
    computer.Import({"QV03C:\\Jogos", "QV09x"});
    EXPECT_EQ(computer.Get(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"), "x");
    ASSERT_EQ(computer.dialogs.messages.size(), 2u);
    EXPECT_EQ(computer.dialogs.messages[0].style, 16);
    EXPECT_EQ(computer.dialogs.messages[1], kImported);
}

TEST(Import, DesktopAndBrowserFlags) {
    Computer computer;
    computer.registry.CreateKey(Hive::ClassesRoot, optimization::kOpenWithCommandKey);
    computer.Import({"QV04", "QV0510101"});
    EXPECT_EQ(computer.Get(Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay"), "500");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, optimization::kMinAnimate.key, "MinAnimate"), "0");
    EXPECT_EQ(computer.Get(Hive::ClassesRoot, optimization::kOpenWithKey, ""), "");
    EXPECT_NE(computer.registry.CreateKey(Hive::ClassesRoot, "*"), 5);
    auto main = personalization::kBrowserMainKey;
    EXPECT_EQ(computer.Get(Hive::LocalMachine, main, "Enable_Disk_Cache"), "yes");
    EXPECT_EQ(computer.Get(Hive::LocalMachine, main, "Delete_Temp_Files_On_Exit"), "no");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, main, "Show_FullURL"), "yes");
    EXPECT_EQ(computer.Get(Hive::LocalMachine, main, "Use_Async_DNS"), "no");
    EXPECT_EQ(computer.Get(Hive::CurrentUser, main, "FullScreen"), "yes");
}

TEST(Import, FilesWithoutRecordsChangeNothingAndSaySo) {
    Computer computer;
    computer.Import({});
    computer.Import({std::string("\0\x01garbage", 9), "qv09x"});
    EXPECT_EQ(computer.dialogs.messages.size(), 2u);
    EXPECT_EQ(computer.dialogs.messages[0].style, 16);
    EXPECT_EQ(computer.Get(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"), "");
}

TEST(Import, AFileThatCannotBeReadOnlyCreatesThePolicyKeys) {
    Computer computer;
    transfer::ImportConfiguration(computer.context, transfer::ImportSource::ChosenFile);
    EXPECT_TRUE(computer.dialogs.messages.empty());
    ASSERT_EQ(computer.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(computer.dialogs.fileRequests[0].title, "Abrir arquivo de configurações do Quarvel");
    EXPECT_EQ(computer.dialogs.fileRequests[0].filter, "Configurações do Quarvel|*.qvc");
    EXPECT_EQ(
        computer.registry.SetValue(
            Hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp",
            "probe", "x", ValueType::String),
        0);
}

TEST(Export, NothingToWriteWritesNoFile) {
    Computer computer;
    const ShownMessage nothing{
        "É necessário selecionar algum ítem ou as restrições selecionadas não possuem alterações",
        "Quarvel", 16};
    auto& screen = computer.screens.Open<transfer::frmWizrd>(computer.context);
    screen.Nenhuma_Click();
    screen.Floppy_Click();
    EXPECT_EQ(computer.Export({"Check6"}), "") << "an empty allow-list exports nothing";
    EXPECT_EQ(computer.dialogs.messages, (std::vector<ShownMessage>{nothing, nothing}));
    EXPECT_TRUE(computer.dialogs.fileRequests.empty());
}

TEST(Export, GroupsComeInFileOrderWithEveryRecord) {
    Computer computer;
    computer.registry.CreateKey(Hive::CurrentUser, restrictions::allow_list::kListKey);
    for (auto [name, text] : {std::pair{"6", "a.exe"}, {"799", "last.exe"}, {"800", "no.exe"}})
        computer.registry.SetValue(Hive::CurrentUser, restrictions::allow_list::kListKey, name,
                                   text, ValueType::String);
    computer.registry.CreateKey(Hive::CurrentUser, kExplorer);
    computer.registry.SetValue(Hive::CurrentUser, kExplorer, "NoDrives", 67108863);
    computer.registry.SetValue(Hive::CurrentUser, kExplorer, "NoFolderOptions", 1);
    std::string file = computer.Export();
    Lines lines = platform::SplitLines(file);
    std::vector<std::string> keys;
    for (const std::string& line : lines) keys.push_back(line.substr(0, 4));
    EXPECT_EQ(keys, (Lines{"QV01", "QV02", "QV02", "QV03", "QV04", "QV05", "QVa5", "QV06", "QV07",
                           "QVa7", "QVb7", "QV08", "QVa8", "QVb8", "QV09"}));
    EXPECT_EQ(lines[0], "QV011000" + std::string(40, '0')) << "a drive mask exports as 0";
    EXPECT_EQ(lines[2], "QV02last.exe");
    EXPECT_EQ(lines[3], "QV03") << "no block-list file";
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    EXPECT_EQ(computer.Export(), file) << "the same settings, the same file";
}

TEST(Export, CancellingTheSaveDialogWritesNothing) {
    Computer computer;
    auto& screen = computer.screens.Open<transfer::frmWizrd>(computer.context);
    screen.Todas_Click();
    screen.OtherPlace_Click();  // no answer queued: cancelled
    EXPECT_TRUE(computer.dialogs.messages.empty());
    ASSERT_EQ(computer.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(computer.dialogs.fileRequests[0].title, "Salvar config do Quarvel");
    EXPECT_EQ(computer.dialogs.fileRequests[0].defaultExtension, "qvc");
    EXPECT_EQ(computer.dialogs.fileRequests[0].initialFolder, "C:\\");
}

TEST(Transfer, EverythingSurvivesTheTripToAnotherComputer) {
    Computer first;
    auto& registry = first.registry;
    registry.CreateKey(Hive::CurrentUser, kExplorer);
    registry.SetValue(Hive::CurrentUser, kExplorer, "NoRun", 1);
    registry.SetValue(Hive::CurrentUser, kExplorer, "RestrictRun", 1);
    registry.CreateKey(Hive::CurrentUser, restrictions::allow_list::kListKey);
    registry.SetValue(Hive::CurrentUser, restrictions::allow_list::kListKey, "6", "calc.exe",
                      ValueType::String);
    registry.SetValue(Hive::CurrentUser, restrictions::allow_list::kListKey, "610", "sol.exe",
                      ValueType::String);
    registry.SetValue(Hive::LocalMachine, personalization::kWinlogonKey, "LegalNoticeText",
                      "Uso restrito.\r\nQV09hack", ValueType::String);
    registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "Segredo",
                      ValueType::String);
    registry.SetValue(Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay", "0",
                      ValueType::String);
    registry.SetValue(Hive::CurrentUser, personalization::kBrowserMainKey, "Start Page",
                      "http://escola", ValueType::String);
    restrictions::block_list::Write(first.files, restrictions::block_list::FilePath(first.Folder()),
                                    "C:\\Jogos");
    std::string file = first.Export();

    Computer second;
    second.registry.CreateKey(Hive::CurrentUser, "Control Panel\\Desktop");
    std::filesystem::copy_file(first.Folder() + "/export.qvc", second.Folder() + "/in.qvc");
    transfer::ImportFile(second.context, second.Folder() + "/in.qvc");
    EXPECT_EQ(second.Get(Hive::LocalMachine, personalization::kWinlogonKey, "LegalNoticeText"),
              "Uso restrito.\r\nQV09hack");
    EXPECT_EQ(second.Get(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"), "Segredo");
    EXPECT_EQ(second.Get(Hive::CurrentUser, restrictions::allow_list::kListKey, "7"), "sol.exe");
    EXPECT_EQ(second.BlockFile(), first.BlockFile());
    EXPECT_EQ(second.Export(), file);
}

}  // namespace
