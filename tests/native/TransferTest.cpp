// The configuration file: its lines and records, the import's rules, the
// export, the trip from one computer to another, and undo walking back
// through earlier imports to exactly the state that was there.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <tuple>

#include "grouppolicy/GptIni.h"
#include "tests/support/TransferVerbs.h"
#include "transfer/Backup.h"
#include "transfer/ConfigFile.h"

namespace {

using namespace testing_support;
using transfer::ImportStatus;
using transfer::Record;
using Lines = std::vector<std::string>;

TEST(ConfigFile, LinesEndAtCrLfOrCrAndALoneLfStaysInItsRecord) {
    EXPECT_EQ(transfer::SplitConfigLines("a\r\nb\nc\rd\r\n"), (Lines{"a", "b\nc", "d"}));
    auto records = transfer::ReadRecords(transfer::SplitConfigLines(
        "QV09abc\r\nqv09x\r\n QV09x\r\nQV0\r\n\r\nQVa7Aviso\nQV09x\r\nQV__two\r\nQV_nthree\r\n"
        "junk\r\nQV__lost\r\nQV03a\x01\xff"));
    EXPECT_EQ(records,
              (std::vector<Record>{
                  {"QV09", "abc"}, {"QVa7", "Aviso\nQV09x\r\ntwo\nthree"}, {"QV03", "a\x01\xff"}}));
    transfer::ConfigText text;
    text.Add("QVa7", "Aviso\r\nQV09segredo\rfim\nQV09");
    EXPECT_EQ(text.FileContent(), "QVa7Aviso\r\nQV__QV09segredo\r\nQV_rfim\nQV09\r\n");
}

// One import on a fresh computer, then what it left.
struct ImportCase {
    const char* name;
    Lines lines;
    std::vector<Expected> expected;
};

TEST(Import, RecordsWriteTheirValues) {
    const std::string ones42(42, '1');
    // clang-format off
    const ImportCase cases[] = {
        {"only a lock code", {"QV09novo"},
         {{kLM, kCurrentVersion, "SYSNOT", "novo"}, {kCU, kExplorer, "NoFolderOptions", kAbsent},
          {kCU, kAllowList, "1", kAbsent}, {kCU, kAllowList, "599", "old599.exe"}}},
        {"flags other than 0 and 1 leave their value", {"QV011111x1"},
         {{kCU, kExplorer, "NoFolderOptions", "1"}, {kCU, kExplorer, "NoFileMenu", "7"},
          {kCU, kExplorer, "NoSetFolders", "1"}, {kCU, kExplorer, "NoWindowsUpdate", kAbsent}}},
        {"an accented character is one position", {"QV01é" + ones42},
         {{kCU, kExplorer, "NoFolderOptions", kAbsent}, {kCU, kExplorer, "NoDeletePrinter", "1"},
          {kCU, kSystem, "NoDispBackgroundPage", "1"}, {kCU, kExplorer, "RestrictRun", kAbsent}}},
        {"a lone LF stays in the notice", {"QVa7Aviso\nQV09x"},
         {{kLM, kWinlogon, "LegalNoticeText", "Aviso\nQV09x"},
          {kLM, kCurrentVersion, "SYSNOT", kAbsent}}},
        {"desktop and browser flags", {"QV04", "QV0510101"},
         {{kCU, "Control Panel\\Desktop", "MenuShowDelay", "500"},
          {kCU, "Control panel\\Desktop\\WindowMetrics", "MinAnimate", "0"},
          {kLM, kBrowserMain, "Enable_Disk_Cache", "yes"},
          {kLM, kBrowserMain, "Delete_Temp_Files_On_Exit", "no"},
          {kCU, kBrowserMain, "Show_FullURL", "yes"}, {kLM, kBrowserMain, "Use_Async_DNS", "no"},
          {kCU, kBrowserMain, "FullScreen", "yes"}}},
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
    for (const ImportCase& c : cases) {
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
        EXPECT_EQ(computer.dialogs.messages, (std::vector<ShownMessage>{kImported}));
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

    // A key this Windows lacks, and a write Windows refuses: the rest is written.
    Computer refusing;
    refusing.registry.DeleteKey(kLM, "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates");
    PutText(refusing.registry, kLM, kRun, "TvalueT", "antes");
    refusing.registryApi.refused.insert("software\\microsoft\\windows\\currentversion\\run");
    EXPECT_EQ(refusing.Import({"QV06Desktop", "QV03", "QV09x"}), ImportStatus::Partial);
    refusing.Expect({{kLM, kCurrentVersion, "SYSNOT", "x"}, {kLM, kRun, "TvalueT", "antes"}});
    EXPECT_EQ(refusing.dialogs.messages,
              (std::vector<ShownMessage>{
                  {"A importação foi feita só em parte; não foi gravado:\r\n"
                   "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\FS "
                   "Templates\\(Padrão) (a chave não existe)\r\n"
                   "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\"
                   "TvalueT (acesso negado)",
                   "Quarvel²", 16}}));

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
              (std::vector<ShownMessage>{{"É necessário selecionar algum ítem ou as restrições "
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
    PutNumber(registry, kCU, kExplorer, "NoDrives", 67108863);
    PutNumber(registry, kCU, kExplorer, "NoFolderOptions", 1);
    PutNumber(registry, kCU, kExplorer, "RestrictRun", 1);
    PutText(registry, kLM, kWinlogon, "LegalNoticeText", "Uso restrito.\r\nQV09hack\nQV09lf");
    PutText(registry, kLM, kCurrentVersion, "SYSNOT", "Segredo");
    PutText(registry, kCU, kBrowserMain, "Start Page", "http://escola");
    // A list ended with Enter: its empty last line must not switch blocking off.
    first.WriteBlockList("C:\\Jogos\r\n\r\n");
    std::string file = first.Export();
    Lines lines = transfer::SplitConfigLines(file), keys;
    for (const std::string& line : lines) keys.push_back(line.substr(0, 4));
    EXPECT_EQ(keys, (Lines{"QV01", "QV02", "QV02", "QV02", "QV03", "QV03", "QV04", "QV05", "QVa5",
                           "QV06", "QV07", "QVa7", "QV__", "QVb7", "QV08", "QVa8", "QVb8", "QV09"}))
        << "no record for the empty line of the block list";
    EXPECT_EQ(lines[0], "QV011000" + std::string(39, '0') + "1") << "a drive mask exports as 0";
    EXPECT_EQ(lines[3], "QV02last.exe");
    EXPECT_EQ(lines[5], "QV03C:\\Jogos");

    Computer second;
    EXPECT_EQ(second.Import(transfer::SplitConfigLines(file)), ImportStatus::Done);
    second.Expect({{kLM, kWinlogon, "LegalNoticeText", "Uso restrito.\r\nQV09hack\nQV09lf"},
                   {kLM, kCurrentVersion, "SYSNOT", "Segredo"},
                   {kCU, kAllowList, "7", "sol.exe"},
                   {kCU, kAllowList, "9", kAbsent},
                   {kCU, kExplorer, "RestrictRun", "1"},
                   {kLM, kRun, "TvalueT", std::string("\"") + second.Folder() + "\\DErodu.exe\""}});
    EXPECT_EQ(second.BlockList(), "Quarvel by Ostrelvan - www.quarvel.com.br\r\nC:\\Jogos\r\n");
    EXPECT_EQ(second.Export(), file);

    // The same file again, as a start-up script applies it at every start.
    const auto longAgo =
        std::filesystem::last_write_time(second.BlockListPath()) - std::chrono::hours(24);
    std::filesystem::last_write_time(second.BlockListPath(), longAgo);
    const std::vector<std::string> backups = second.Backups();
    second.registryApi.writes.clear();
    second.dialogs.messages.clear();
    EXPECT_EQ(second.Import(lines), ImportStatus::Unchanged);
    EXPECT_EQ(second.dialogs.messages, std::vector<ShownMessage>{kNothingToChange});
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
    auto kept = transfer::ParseBackup(FileBytes(second.Backups().back()));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->values, (std::vector<transfer::ValueState>{
                                {kLM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "SYSNOT",
                                 StoredValue{1, {'o', 'u', 't', 'r', 'o', 0}}}}));
}

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
    constexpr char kOpenWith[] = "*\\Shell\\OpenWith";
    constexpr char kCommand[] = "*\\Shell\\OpenWith\\Command";
    // Values present and absent, some of them stored as no screen stores them.
    // clang-format off
    const std::vector<std::tuple<Hive, const char*, const char*>> watched = {
        {kCU, kExplorer, "NoRun"}, {kCU, kExplorer, "NoDrives"}, {kCU, kExplorer, "NoFind"},
        {kCU, kBrowserMain, "Save Directory"}, {kCU, kAllowList, "6"}, {kCU, kAllowList, "7"},
        {kCU, kAllowList, "9"}, {kCU, kAllowList, "610"}, {kCU, kExplorer, "RestrictRun"},
        {kLM, kCurrentVersion, "SYSNOT"}, {kCU, kBrowserMain, "Start Page"}, {kLM, kRun, "TvalueT"},
        {kLM, kWinlogon, "LegalNoticeText"}, {Hive::ClassesRoot, kOpenWith, ""},
        {Hive::ClassesRoot, kCommand, ""}, {kCU, "Control Panel\\Desktop", "MenuShowDelay"}};
    // clang-format on
    for (const char* group : {"", "Check1", "Check6", "Check5", "Check4", "Check3", "Check2",
                              "Check11", "Check10", "Check9"}) {
        SCOPED_TRACE(*group ? group : "every group at once");
        Computer computer;
        RegistryAccess& r = computer.registry;
        PutNumber(r, kCU, kExplorer, "NoRun", 1);
        PutNumber(r, kCU, kExplorer, "NoDrives", 67108863);  // a mask the file says as 0
        PutBytes(computer.registryApi, kCU, kExplorer, "NoFind", 3, std::string("\x01\0\0", 3));
        PutBytes(computer.registryApi, kCU, kBrowserMain, "Save Directory", 2,
                 std::string("%USERPROFILE%\\Baixados\0", 23));
        PutNumber(r, kCU, kExplorer, "RestrictRun", 1);
        for (auto [name, text] : {std::pair{"6", "calc.exe"}, {"9", "gap.exe"}, {"610", "sol.exe"}})
            PutText(r, kCU, kAllowList, name, text);
        PutText(r, kLM, kWinlogon, "LegalNoticeCaption", "Aviso");
        PutText(r, kCU, "Control Panel\\Desktop", "MenuShowDelay", "0");
        PutText(r, Hive::ClassesRoot, kOpenWith, "", "QV - Abrir com...");
        PutText(r, Hive::ClassesRoot, kCommand, "", "C:\\W\\rundll32.exe shell32.dll,x %1");
        std::ofstream(computer.BlockListPath());  // an empty list
        std::map<std::size_t, std::optional<StoredValue>> before;
        for (std::size_t i = 0; i < watched.size(); ++i)
            before[i] = computer.hive.Snapshot(std::get<0>(watched[i]), std::get<1>(watched[i]),
                                               std::get<2>(watched[i]));
        std::string exported = computer.Export();
        std::string other =
            OtherFile(*group ? std::vector<std::string>{group} : std::vector<std::string>{});
        ASSERT_EQ(computer.Import(transfer::SplitConfigLines(other)), ImportStatus::Done);
        computer.dialogs.messages.clear();
        EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
        EXPECT_EQ(computer.dialogs.messages, std::vector<ShownMessage>{kUndone});
        EXPECT_EQ(computer.Export(), exported);
        for (std::size_t i = 0; i < watched.size(); ++i)
            EXPECT_EQ(computer.hive.Snapshot(std::get<0>(watched[i]), std::get<1>(watched[i]),
                                             std::get<2>(watched[i])),
                      before[i])
                << std::get<1>(watched[i]) << "\\" << std::get<2>(watched[i]);
        EXPECT_TRUE(std::filesystem::exists(computer.BlockListPath()));
        EXPECT_EQ(computer.BlockList(), "") << "an empty list comes back empty";
        EXPECT_TRUE(computer.Backups().empty()) << "a backup put back whole goes";
    }
}

TEST(Undo, WalksBackThroughTheNewestTwentyImportsAndThenSaysThereIsNothing) {
    Computer computer;
    ASSERT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
    ASSERT_EQ(computer.Import({"QV09dois"}), ImportStatus::Done);
    std::string first = computer.Export();
    ASSERT_EQ(computer.Import({"QV09tres", "QV03C:\\Um", "QV04001"}), ImportStatus::Done);
    std::string second = computer.Export();
    for (int i = 4; i <= 22; ++i)
        ASSERT_EQ(computer.Import({"QV09c" + std::to_string(i)}), ImportStatus::Done);
    std::vector<std::string> backups = computer.Backups();
    ASSERT_EQ(backups.size(), 20u);
    EXPECT_TRUE(backups.front().ends_with("0000000003.copia")) << backups.front();
    EXPECT_TRUE(backups.back().ends_with("0000000022.copia")) << backups.back();
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", "c21"}});
    for (int i = 21; i > 3; --i)
        EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(computer.Export(), second);
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(computer.Export(), first);
    EXPECT_TRUE(KeyIsAbsent(computer.registry, Hive::ClassesRoot, "*\\Shell\\OpenWith"));
    EXPECT_FALSE(std::filesystem::exists(computer.BlockListPath())) << "there was none before";
    computer.dialogs.messages.clear();
    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::NothingToUndo);
    EXPECT_EQ(computer.dialogs.messages,
              (std::vector<ShownMessage>{{"Não há importação para desfazer.", "Quarvel²", 64}}));
}

// Two imports, then the backups as a student or a failing disk leaves them.
TEST(Undo, TrustsOnlyWhatNobodyElseCanChangeAndSaysWhatItCouldNotPutBack) {
    const std::string kSethc =
        "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\sethc.exe";
    auto cut = [](Computer& c, const std::string& path) {
        std::string bytes = FileBytes(path);
        c.files.WriteBytes(path, bytes.substr(0, bytes.rfind("Fim")));
    };
    const std::string untrusted =
        "A pasta das cópias de segurança, %F, tem o que outros usuários "
        "além dos Administradores podem mudar (";
    const std::string trust =
        "): nada foi desfeito. Confira a pasta e apague o que não foi o "
        "Quarvel que gravou.";
    const std::string skipped = " está danificada e foi pulada: vale a cópia anterior a ela.";
    const struct {
        const char* name;
        std::function<void(Computer&, const std::string& folder, const std::string& newest)> spoil;
        ImportStatus status;
        const char* lockCode;                           // after the undo
        std::vector<std::pair<std::string, int>> said;  // %F the folder, %N the newest backup
        // clang-format off
    } cases[] = {
        {"a folder someone else may change", [](Computer& c, auto& folder, auto&) { c.files.Plant(folder); },
         ImportStatus::Refused, "dois", {{untrusted + "%F" + trust, 16}}},
        {"a planted newest backup", [](Computer& c, auto&, auto& newest) { c.files.Plant(newest); },
         ImportStatus::Refused, "dois", {{untrusted + "%N" + trust, 16}}},
        {"a backup naming what no import changes", [&](Computer& c, auto&, auto& newest) {
             transfer::BackupContents contents;
             contents.values = {{kLM, kSethc, "Debugger", StoredValue{1, {'x', 0}}},
                                {kLM, kCurrentVersion, "SYSNOT", StoredValue{1, {'u', 'm', 0}}}};
             c.files.WriteBytes(newest, transfer::BackupText(contents));
         }, ImportStatus::Partial, "um",
         {{"A cópia de segurança %N nomeia o que uma importação não muda; foi ignorado:\r\n"
           "HKEY_LOCAL_MACHINE\\" + kSethc + "\\Debugger", 16}}},
        {"a newest backup cut short", [&](Computer& c, auto&, auto& newest) { cut(c, newest); },
         ImportStatus::Done, "", {{"A cópia de segurança %N" + skipped, 16}, {kUndone.text, 64}}},
        {"a newest backup whose parts disagree", [](Computer& c, auto&, auto& newest) {
             transfer::BackupContents contents;
             contents.values = {{kLM, kCurrentVersion, "SYSNOT", StoredValue{1, {'u', 'm', 0}}},
                                {kLM, kCurrentVersion, "sysnot", std::nullopt}};
             c.files.WriteBytes(newest, transfer::BackupText(contents));
         }, ImportStatus::Done, "", {{"A cópia de segurança %N" + skipped, 16}, {kUndone.text, 64}}},
        {"every backup damaged", [&](Computer& c, auto&, auto&) {
             for (const std::string& name : c.Backups()) cut(c, name);
         }, ImportStatus::Refused, "dois",
         {{"A cópia de segurança %N" + skipped, 16}, {"A cópia de segurança %O" + skipped, 16},
          {"Nenhuma cópia de segurança em %F está inteira: nada foi desfeito.", 16}}},
        {"a restore Windows refuses", [](Computer& c, auto&, auto&) { c.registryApi.DenyWrites(true); },
         ImportStatus::Partial, "dois",
         {{"A última importação foi desfeita só em parte; não foi possível restaurar:\r\n"
           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SYSNOT "
           "(acesso negado)\r\nA cópia %N foi mantida para outra tentativa.", 16}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Computer computer;
        ASSERT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
        ASSERT_EQ(computer.Import({"QV09dois"}), ImportStatus::Done);
        const std::string folder = transfer::BackupFolder(computer.files);
        const std::vector<std::string> backups = computer.Backups();
        c.spoil(computer, folder, backups.back());
        computer.dialogs.messages.clear();
        EXPECT_EQ(transfer::UndoLastImport(computer.context), c.status);
        computer.registryApi.DenyWrites(false);
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", *c.lockCode ? c.lockCode : kAbsent},
                         {kLM, kSethc, "Debugger", kAbsent}});
        std::vector<ShownMessage> said;
        for (auto [text, style] : c.said) {
            for (auto [mark, path] :
                 {std::pair{"%F", folder}, {"%N", backups.back()}, {"%O", backups.front()}})
                for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                    text.replace(at, 2, path);
            said.push_back({text, "Quarvel²", style});
        }
        EXPECT_EQ(computer.dialogs.messages, said);
        EXPECT_EQ(computer.Backups().size(), c.status == ImportStatus::Done ? 1u : 2u)
            << "only a backup put back whole goes";
    }
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

// The import went into the non-administrators' policy object; undo puts its
// file back byte for byte, whatever target is chosen by then, and raises the
// object's version so that Windows applies it again.
TEST(Undo, PutsBackThePolicyObjectTheImportWentTo) {
    Computer computer;
    computer.accounts.system32 = computer.Folder();
    ASSERT_EQ(core::ChooseTarget(computer.context, core::TargetKind::NonAdministrators),
              core::TargetChoice::Chosen);
    const std::string object = computer.target.object();
    PutNumber(computer.registry, kCU, kExplorer, "NoRun", 1);
    ASSERT_TRUE(computer.target.Commit());
    const std::string file = FileBytes(object + "\\User\\Registry.pol");
    ASSERT_NE(file, "");
    ASSERT_EQ(computer.Import({"QV01" + std::string(43, '1'), "QV09x"}), ImportStatus::Done);
    ASSERT_TRUE(computer.target.Commit());
    const auto version = grouppolicy::GptVersion(FileBytes(object + "\\gpt.ini"));
    EXPECT_NE(FileBytes(object + "\\User\\Registry.pol"), file);
    ASSERT_EQ(core::ChooseTarget(computer.context, core::TargetKind::ThisAccount),
              core::TargetChoice::Chosen);

    EXPECT_EQ(transfer::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(FileBytes(object + "\\User\\Registry.pol"), file);
    EXPECT_GT(grouppolicy::GptVersion(FileBytes(object + "\\gpt.ini")), version);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    EXPECT_TRUE(IsAbsent(computer.hive, kCU, kExplorer, "NoFolderOptions")) << "not this account";
    EXPECT_EQ(computer.target.object(), "") << "the target chosen stays";
}

}  // namespace
