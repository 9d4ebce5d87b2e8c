// The configuration file: its lines and records, the import's rules, the
// export, and the trip from one computer to another.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TransferVerbs.h"
#include "transfer/ConfigFile.h"
#include "undo/Backup.h"

namespace {

using namespace testing_support;
using changes::ImportStatus;
using transfer::Record;
using Lines = std::vector<std::string>;

TEST(ConfigFile, LinesEndAtCrLfOrCrAndALoneLfStaysInItsRecord) {
    EXPECT_EQ(transfer::SplitConfigLines("a\r\nb\nc\rd\r\n"), (Lines{"a", "b\nc", "d"}));
    auto records = transfer::ReadRecords(transfer::SplitConfigLines(
        "QV09abc\r\nqv09x\r\n QV09x\r\nQV0\r\n\r\nQVa7Aviso\nQV09x\r\nQV__\r\nQV__two\r\n"
        "QV_nthree\r\njunk\r\nQV__lost\r\nQV03a\x01\xff"));
    EXPECT_EQ(records, (std::vector<Record>{{"QV09", "abc"},
                                            {"QVa7", "Aviso\nQV09x\r\n\r\ntwo\nthree"},
                                            {"QV03", "a\x01\xff"}}));
    transfer::ConfigText text;
    text.Add("QVa7", "Aviso\r\n\r\nQV09segredo\rfim\nQV09");
    EXPECT_EQ(text.FileContent(), "QVa7Aviso\r\nQV__\r\nQV__QV09segredo\r\nQV_rfim\nQV09\r\n");
}

// One import on a fresh computer, then what it left.
TEST(Import, RecordsWriteTheirValues) {
    const std::string ones42(42, '1');
    // clang-format off
    const struct { const char* name; Lines lines; std::vector<Expected> expected;
                   std::string said = kImported.text; } cases[] = {
        {"only a lock code", {"QV09novo"},
         {{kLM, kCurrentVersion, "SYSNOT", "novo"}, {kCU, kExplorer, "NoFolderOptions", kAbsent},
          {kCU, kAllowList, "1", kAbsent}, {kCU, kAllowList, "599", "old599.exe"}}},
        {"flags other than 0 and 1 leave their value", {"QV011111x1"},
         {{kCU, kExplorer, "NoFolderOptions", "1"}, {kCU, kExplorer, "NoFileMenu", "7"},
          {kCU, kExplorer, "NoSetFolders", "1"}, {kCU, kExplorer, "NoWindowsUpdate", kAbsent}}},
        {"an accented character is one position", {"QV01é" + ones42},
         {{kCU, kExplorer, "NoFolderOptions", kAbsent}, {kCU, kExplorer, "NoDeletePrinter", "1"},
          {kCU, kSystem, "NoDispBackgroundPage", "1"}, {kCU, kExplorer, "RestrictRun", kAbsent}},
         // Windows 7 ignores these policies.
         "Configurações importadas com sucesso; sem efeito neste Windows: NoNetworkConnections; "
         "NoFind; NoSetActiveDesktop; NoNetSetupIDPage; NoFileSharingControl; NoNetSetup; "
         "NoDevMgrPage; NoProfilePage; NoAdminPage; NoPwdPage; NoSecCPL; NoDispSettingsPage."},
        {"a lone LF stays in the notice", {"QVa7Aviso\nQV09x"},
         {{kLM, kWinlogon, "LegalNoticeText", "Aviso\nQV09x"},
          {kLM, kCurrentVersion, "SYSNOT", kAbsent}}},
        {"desktop and browser flags", {"QV04", "QV0510101"},
         {{kCU, "Control Panel\\Desktop", "MenuShowDelay", "500"}, {kCU, "Control panel\\Desktop\\WindowMetrics", "MinAnimate", "0"},
          {kLM, kBrowserMain, "Enable_Disk_Cache", "yes"}, {kLM, kBrowserMain, "Delete_Temp_Files_On_Exit", "no"},
          {kCU, kBrowserMain, "Show_FullURL", "yes"}, {kLM, kBrowserMain, "Use_Async_DNS", "no"}, {kCU, kBrowserMain, "FullScreen", "yes"}}},
        {"empty texts; the key of the Start-menu style made", {"QVa5", "QVa7", "QVa8", "QVb8", "QVb7"},
         {{kCU, kBrowserMain, "Save Directory", ""}, {kCU, kBrowserMain, "Window Title", kAbsent},
          {kLM, kWinlogon, "LegalNoticeCaption", kAbsent},
          {kCU, kBrowserMain, "Start Page", "about:blank"},
          {kCU, kExplorerAdvanced, "StartMenuScrollPrograms", "NO"}}},
        {"the switch of position 44 and the programs at 6 onwards",
         {"QV01" + std::string(43, '2') + "1", "QV02a.exe", "QV02b.exe"},
         {{kCU, kAllowList, "1", "Quarvel.exe"}, {kCU, kAllowList, "3", "DErodu.exe"},
          {kCU, kAllowList, "6", "a.exe"}, {kCU, kAllowList, "7", "b.exe"},
          {kCU, kAllowList, "8", kAbsent}, {kCU, kExplorer, "RestrictRun", "1"}}},
        {"a shorter list leaves nothing behind it", {"QV02only.exe"},
         {{kCU, kExplorer, "RestrictRun", "0"}, {kCU, kAllowList, "6", "only.exe"},
          {kCU, kAllowList, "7", kAbsent}, {kCU, kAllowList, "599", kAbsent},
          {kCU, kAllowList, "606", "wizard.exe"}}},
        {"an empty last block-list line keeps the logon entry", {"QV03C:\\Jogos", "QV03"},
         {{kLM, kRun, "TvalueT", kAnyText}}},
        {"only empty block-list lines remove it", {"QV03", "QV03"},
         {{kLM, kRun, "TvalueT", kAbsent}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Computer computer;
        PutNumber(computer.registry, kCU, kExplorer, "NoFileMenu", 7);
        PutText(computer.registry, kLM, kRun, "TvalueT", "antes");
        for (auto [name, text] :
             {std::pair{"7", "old7.exe"}, {"599", "old599.exe"}, {"606", "wizard.exe"}})
            PutText(computer.registry, kCU, kAllowList, name, text);
        computer.registry.DeleteKey(kCU, kExplorerAdvanced);  // a fresh profile
        EXPECT_EQ(computer.Import(c.lines), ImportStatus::Done);
        computer.Expect(c.expected);
        EXPECT_EQ(computer.dialogs.messages,
                  (Messages{{c.said, kImported.title, kImported.style}}));
    }
}

// The file's flag for "Esconde os drives" is 1 or 0; the mask it stands for
// hides every letter, and a mask already there (another tool's) stays.
TEST(Import, TheDriveFlagWritesTheWholeMaskUnlessOneIsThere) {
    // clang-format off
    const struct { int stored; char flag; const char* written; } cases[] = {{-1, '1', "67108863"},
        {0, '1', "67108863"}, {4, '1', "4"}, {4, '0', "0"}, {67108863, '0', "0"}, {-1, '0', "0"}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.stored) + c.flag);
        Computer computer;
        if (c.stored >= 0) PutNumber(computer.registry, kCU, kExplorer, "NoDrives", c.stored);
        computer.Import({"QV01222" + std::string(1, c.flag)});
        computer.Expect({{kCU, kExplorer, "NoDrives", c.written}});
        // Any mask but 0 travels as "1".
        EXPECT_EQ(computer.Export({"Check1"}).substr(0, 8),
                  std::string("QV01000") + (c.written == std::string("0") ? '0' : '1'));
    }
}

TEST(Import, WhatCouldNotBeDoneIsSaidAndAReadErrorKeepsTheLinesBeforeIt) {
    Computer full;
    Lines lines;
    for (int i = 0; i < 596; ++i) lines.push_back("QV02p" + std::to_string(i) + ".exe");
    PutText(full.registry, kCU, kAllowList, "606", "wizard.exe");
    EXPECT_EQ(full.Import(lines), ImportStatus::Partial);
    full.Expect({{kCU, kAllowList, "6", "p0.exe"},
                 {kCU, kAllowList, "599", "p593.exe"},
                 {kCU, kAllowList, "600", kAbsent},
                 {kCU, kAllowList, "606", "wizard.exe"}});
    ASSERT_EQ(full.dialogs.messages.size(), 1u) << "no success after a part was left out";
    EXPECT_NE(full.dialogs.messages[0].text.find("p594.exe\r\np595.exe"), std::string::npos);

    // A key only Windows 95 to Me have, set aside, and a write Windows refuses:
    // the rest is written.
    Computer refusing;
    refusing.registry.DeleteKey(kLM, "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates");
    PutText(refusing.registry, kLM, kRun, "TvalueT", "antes");
    refusing.registryApi.refused.insert("software\\microsoft\\windows\\currentversion\\run");
    EXPECT_EQ(refusing.Import({"QV06Desktop", "QV03", "QV09x"}), ImportStatus::Partial);
    refusing.Expect({{kLM, kCurrentVersion, "SYSNOT", "x"}, {kLM, kRun, "TvalueT", "antes"}});
    EXPECT_EQ(refusing.dialogs.messages,
              (Messages{{"A importação foi feita só em parte; não foi gravado:\r\n"
                         "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\"
                         "TvalueT (acesso negado)",
                         "Quarvel²", 16},
                        {"Sem efeito neste Windows: FS Templates.", "Quarvel²", 64}}));

    Computer readOnly;
    readOnly.values.baseFolder = readOnly.Folder() + "/missing/folder";
    EXPECT_EQ(readOnly.Import({"QV03C:\\Jogos", "QV09x"}), ImportStatus::Partial);
    readOnly.Expect({{kLM, kCurrentVersion, "SYSNOT", "x"}});
    ASSERT_EQ(readOnly.dialogs.messages.size(), 1u);
    EXPECT_EQ(readOnly.dialogs.messages[0].style, 16);

    Computer garbage;
    EXPECT_EQ(garbage.Import({}), ImportStatus::NotAConfiguration);
    EXPECT_EQ(garbage.Import({std::string("\0\x01x", 3), "qv09x"}),
              ImportStatus::NotAConfiguration);
    std::string huge = garbage.Folder() + "/huge.qvc";
    std::filesystem::resize_file((std::ofstream(huge) << "QV09x", huge), (16u << 20) + 1);
    EXPECT_EQ(transfer::ImportFile(garbage.context, huge), ImportStatus::NotAConfiguration);
    garbage.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    std::filesystem::resize_file(huge, 16u << 20);  // 16 MB itself is still read
    EXPECT_NE(transfer::ImportFile(garbage.context, huge), ImportStatus::NotAConfiguration);
    garbage.dialogs.messages.pop_back();
    ASSERT_EQ(garbage.dialogs.messages.size(), 3u);
    EXPECT_EQ(garbage.dialogs.messages[0],
              (ShownMessage{"O arquivo não contém configurações do Quarvel; nada foi importado.",
                            "Quarvel²", 16}));
    EXPECT_NE(garbage.dialogs.messages[2].text.find("16 MB"), std::string::npos);

    // A read error keeps the lines before it, for the import and the export.
    Computer computer;
    computer.files.cutAfter = 12;  // "QV09novo\r\nQV" of the file below
    EXPECT_EQ(computer.Import({"QV09novo", "QV07lost"}), ImportStatus::Partial);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", "novo"},
                     {kLM, kWinlogon, "LegalNoticeCaption", kAbsent}});
    EXPECT_EQ(computer.dialogs.messages.back().style, 16);

    Computer exporter;
    exporter.WriteBlockList("C:\\Jogos\r\nC:\\Outros\r\n");
    exporter.files.cutAfter = 52;  // the signature line and "C:\Jogos"
    EXPECT_EQ(exporter.Export({"Check5"}),
              "QV03Quarvel by Ostrelvan - www.quarvel.com.br\r\nQV03C:\\Jogos\r\n");
}

TEST(Transfer, TheImportAsksForItsFileAndTheExportSaysWhenAGroupHasNothing) {
    Computer computer;
    EXPECT_EQ(transfer::ImportConfiguration(computer.context, transfer::ImportSource::ChosenFile),
              ImportStatus::NoFile);
    ASSERT_EQ(computer.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(computer.dialogs.fileRequests[0].title, "Abrir arquivo de configurações do Quarvel");
    EXPECT_EQ(computer.dialogs.fileRequests[0].filter, "Configurações do Quarvel|*.qvc");
    EXPECT_TRUE(computer.registry.KeyExists(kCU, kWinOldApp)) << "made before the file is asked";
    EXPECT_EQ(computer.Export({"Check6"}), "") << "an empty allow-list exports nothing";
    EXPECT_EQ(computer.dialogs.messages,
              (Messages{{"É necessário selecionar algum ítem ou as restrições "
                         "selecionadas não possuem alterações",
                         "Quarvel", 16}}))
        << "a cancelled import says nothing";
    EXPECT_EQ(computer.Export({"Check5"}), "QV03\r\n") << "no block-list file";
}

TEST(Transfer, EverythingSurvivesTheTripToAnotherComputerInFileOrder) {
    Computer first;
    RegistryAccess& registry = first.registry;
    for (auto [name, text] :
         {std::pair{"6", "calc.exe"}, {"610", "sol.exe"}, {"799", "last.exe"}, {"800", "no.exe"}})
        PutText(registry, kCU, kAllowList, name, text);
    for (auto [name, n] :
         {std::pair{"NoDrives", 67108863}, {"NoFolderOptions", 1}, {"RestrictRun", 1}})
        PutNumber(registry, kCU, kExplorer, name, n);
    PutText(registry, kLM, kWinlogon, "LegalNoticeText", "Uso restrito.\r\nQV09hack\nQV09lf");
    PutText(registry, kLM, kCurrentVersion, "SYSNOT", "Segredo");
    PutText(registry, kCU, kBrowserMain, "Start Page", "http://escola");
    // A list ended with Enter: its empty last line must not switch blocking off.
    first.WriteBlockList("C:\\Jogos\r\n\r\n");
    std::string file = first.Export();
    Lines lines = transfer::SplitConfigLines(file), keys;
    for (const std::string& line : lines) keys.push_back(line.substr(0, 4));
    EXPECT_EQ(keys,
              (Lines{"QV01", "QV02", "QV02", "QV02", "QVc1", "QV03", "QV03", "QV04", "QV05", "QVa5",
                     "QV06", "QV07", "QVa7", "QV__", "QVb7", "QV08", "QVa8", "QVb8", "QV09"}))
        << "no record for the empty line of the block list";
    EXPECT_EQ(lines[0], "QV011001" + std::string(39, '0') + "1") << "a drive mask exports as 1";
    EXPECT_EQ(lines[3], "QV02last.exe");
    EXPECT_EQ(lines[4], "QVc10") << "the option is off: no rules in the computer's object";
    EXPECT_EQ(lines[6], "QV03C:\\Jogos");

    Computer second;
    EXPECT_EQ(second.Import(transfer::SplitConfigLines(file)), ImportStatus::Done);
    second.Expect({{kLM, kWinlogon, "LegalNoticeText", "Uso restrito.\r\nQV09hack\nQV09lf"},
                   {kLM, kCurrentVersion, "SYSNOT", "Segredo"},
                   {kCU, kAllowList, "7", "sol.exe"},
                   {kCU, kAllowList, "9", kAbsent},
                   {kCU, kExplorer, "RestrictRun", "1"},
                   {kCU, kExplorer, "NoDrives", "67108863"},
                   {kLM, kRun, "TvalueT", std::string("\"") + second.Folder() + "\\DErodu.exe\""}});
    EXPECT_EQ(second.BlockList(), "Quarvel by Ostrelvan - www.quarvel.com.br\r\nC:\\Jogos\r\n");
    EXPECT_EQ(second.Export(), file);

    // The same file again, as a start-up script applies it at every start: the
    // disk cache of Windows 95 to Me is not taken for a change each time.
    const auto longAgo =
        std::filesystem::last_write_time(second.BlockListPath()) - std::chrono::hours(24);
    std::filesystem::last_write_time(second.BlockListPath(), longAgo);
    const std::vector<std::string> backups = second.Backups();
    second.registryApi.writes.clear();
    second.dialogs.messages.clear();
    EXPECT_EQ(second.Import(lines), ImportStatus::Unchanged);
    EXPECT_EQ(second.dialogs.messages,
              (Messages{{kNothingToChange.text + "; sem efeito neste Windows: FS Templates.",
                         "Quarvel²", 64}}));
    EXPECT_TRUE(second.registryApi.writes.empty());
    EXPECT_EQ(std::filesystem::last_write_time(second.BlockListPath()), longAgo);
    EXPECT_EQ(second.Backups(), backups);
    // One value changed since: only it is written, and only it is kept.
    PutText(second.registry, kLM, kCurrentVersion, "SYSNOT", "outro");
    second.registryApi.writes.clear();
    EXPECT_EQ(second.Import(lines), ImportStatus::Done);
    EXPECT_EQ(second.registryApi.writes,
              (decltype(second.registryApi.writes){
                  {static_cast<platform::KeyHandle>(kLM),
                   {{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SYSNOT", 1, "Segredo"}}}}));
    auto kept = undo::ParseBackup(FileBytes(second.Backups().back()));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->values, (std::vector<changes::ValueState>{
                                {kLM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SYSNOT",
                                 StoredValue{1, {'o', 'u', 't', 'r', 'o', 0}}}}));
}

}  // namespace
