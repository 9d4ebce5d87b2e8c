// Undo: each import keeps what it changes, and undo walks back through
// earlier imports to exactly the state that was there, trusting only backups
// nobody else can change.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <tuple>

#include "grouppolicy/GptIni.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/support/ScreenTable.h"
#include "tests/support/TransferVerbs.h"
#include "transfer/ConfigFile.h"
#include "undo/Backup.h"

namespace {

using namespace testing_support;
using changes::ImportStatus;

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
        {Hive::ClassesRoot, kCommand, ""}, {kCU, "Control Panel\\Desktop", "MenuShowDelay"},
        {kCU, "Software\\Policies\\Mozilla\\Firefox\\Homepage", "URL"},
        {kCU, "Software\\Policies\\Microsoft\\Edge", "HomepageLocation"},
        {kCU, "Software\\Policies\\Google\\Chrome\\RestoreOnStartupURLs", "1"}};
    // clang-format on
    for (const char* group : {"", "Check1", "Check6", "Check5", "Check4", "Check3", "Check2",
                              "Check11", "Check10", "Check9"}) {
        SCOPED_TRACE(*group ? group : "every group at once");
        Computer computer;
        RegistryAccess& r = computer.registry;
        PutNumber(r, kCU, kExplorer, "NoRun", 1);
        PutNumber(r, kCU, kExplorer, "NoDrives", 67108863);  // a mask the other file says as 0
        PutText(r, kCU, "Software\\Policies\\Microsoft\\Edge", "HomepageLocation", "http://a");
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
        // This Windows has no disk-cache key: that import put nothing to take back.
        bool nothing = std::string(group) == "Check2";
        EXPECT_EQ(undo::UndoLastImport(computer.context),
                  nothing ? ImportStatus::NothingPutBack : ImportStatus::Done);
        EXPECT_EQ(computer.dialogs.messages,
                  std::vector<ShownMessage>{nothing ? kNothingPutBack : kUndone});
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
    EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", "c21"}});
    for (int i = 21; i > 3; --i)
        EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(computer.Export(), second);
    EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(computer.Export(), first);
    EXPECT_TRUE(KeyIsAbsent(computer.registry, Hive::ClassesRoot, "*\\Shell\\OpenWith"));
    EXPECT_FALSE(std::filesystem::exists(computer.BlockListPath())) << "there was none before";
    computer.dialogs.messages.clear();
    EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::NothingToUndo);
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
        " não é segura (%W pertence a S-1-5-21-1-2-3-1001, não aos "
        "Administradores nem ao SYSTEM): ";
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
         ImportStatus::Refused, "dois", {{"A pasta das cópias de segurança %F" + untrusted +
           "nenhuma cópia dela foi usada. Apague essa pasta; o Quarvel a cria de novo só para os "
           "Administradores.", 16}}},
        {"a planted newest backup", [](Computer& c, auto&, auto& newest) { c.files.Plant(newest); },
         ImportStatus::Refused, "dois", {{"A cópia de segurança %N" + untrusted + "nada foi desfeito. "
           "Confira a pasta %F e apague o que não foi o Quarvel que gravou.", 16}}},
        {"a backup naming what no import changes", [&](Computer& c, auto&, auto& newest) {
             undo::BackupContents contents;
             contents.values = {{kLM, kSethc, "Debugger", StoredValue{1, {'x', 0}}},
                                {kLM, kCurrentVersion, "SYSNOT", StoredValue{1, {'u', 'm', 0}}}};
             c.files.WriteBytes(newest, undo::BackupText(contents));
         }, ImportStatus::Partial, "um",
         {{"A cópia de segurança %N nomeia o que uma importação não muda; isto não foi "
           "restaurado:\r\nHKEY_LOCAL_MACHINE\\" + kSethc + "\\Debugger\r\nO resto foi restaurado "
           "(1 item). A cópia foi dada como desfeita: um novo Desfazer volta à importação anterior.",
           16}}},
        {"a newest backup cut short", [&](Computer& c, auto&, auto& newest) { cut(c, newest); },
         ImportStatus::Done, "", {{"A cópia de segurança %N" + skipped, 16}, {kUndone.text, 64}}},
        {"a newest backup whose parts disagree", [](Computer& c, auto&, auto& newest) {
             undo::BackupContents contents;
             contents.values = {{kLM, kCurrentVersion, "SYSNOT", StoredValue{1, {'u', 'm', 0}}},
                                {kLM, kCurrentVersion, "sysnot", std::nullopt}};
             c.files.WriteBytes(newest, undo::BackupText(contents));
         }, ImportStatus::Done, "", {{"A cópia de segurança %N" + skipped, 16}, {kUndone.text, 64}}},
        {"every backup damaged", [&](Computer& c, auto&, auto&) {
             for (const std::string& name : c.Backups()) cut(c, name);
         }, ImportStatus::Refused, "dois",
         {{"A cópia de segurança %N" + skipped, 16}, {"A cópia de segurança %O" + skipped, 16},
          {"Nenhuma cópia de segurança está inteira: nada foi desfeito.", 16}}},
        {"a restore Windows refuses", [](Computer& c, auto&, auto&) { c.registryApi.DenyWrites(true); },
         ImportStatus::Partial, "dois",
         {{"A última importação foi desfeita só em parte; não foi possível restaurar:\r\n"
           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SYSNOT "
           "(acesso negado)\r\nA cópia %N foi mantida: um novo Desfazer tenta de novo. Para voltar "
           "a importações anteriores, resolva o que impediu a restauração ou apague essa cópia.",
           16}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Computer computer;
        ASSERT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
        ASSERT_EQ(computer.Import({"QV09dois"}), ImportStatus::Done);
        const std::string folder = undo::BackupFolder(computer.files);
        const std::vector<std::string> backups = computer.Backups();
        c.spoil(computer, folder, backups.back());
        computer.dialogs.messages.clear();
        EXPECT_EQ(undo::UndoLastImport(computer.context), c.status);
        computer.registryApi.DenyWrites(false);
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", *c.lockCode ? c.lockCode : kAbsent},
                         {kLM, kSethc, "Debugger", kAbsent}});
        std::vector<ShownMessage> said;
        for (auto [text, style] : c.said) {
            for (auto [mark, path] : {std::pair{"%W", c.name[2] == 'f' ? folder : backups.back()},
                                      {"%F", folder},
                                      {"%N", backups.back()},
                                      {"%O", backups.front()}})
                for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                    text.replace(at, 2, path);
            said.push_back({text, "Quarvel²", style});
        }
        EXPECT_EQ(computer.dialogs.messages, said);
        bool kept = c.status == ImportStatus::Refused || std::string(c.name).ends_with("refuses");
        EXPECT_EQ(computer.Backups().size(), kept ? 2u : 1u)
            << "what was undone goes; what was not, stays";
    }
}

TEST(Undo, AnImportWhoseBackupCannotBeWrittenChangesNothing) {
    Computer computer;
    // Where the backups go, and where they go when that folder cannot be used.
    std::ofstream(computer.files.CommonAppDataFolder()) << "x";
    std::ofstream(computer.accounts.system32) << "x";
    EXPECT_EQ(computer.Import({"QV09novo"}), ImportStatus::NoBackup);
    computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    ASSERT_EQ(computer.dialogs.messages.size(), 1u);
    EXPECT_EQ(computer.dialogs.messages[0].style, 16);
    EXPECT_EQ(computer.dialogs.messages[0].title, "Quarvel²");
}

}  // namespace

namespace {

using testing_support::Computer;

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kPolicyRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run";

// A backup as another build or a damaged program might have left it, put
// in place as the newest, over one real import that set the lock code.
std::string Planted(Computer& computer, const undo::BackupContents& contents) {
    EXPECT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
    std::string path = undo::BackupFolder(computer.files) + "/0000000002.copia";
    computer.files.WriteBytes(path, undo::BackupText(contents));
    computer.dialogs.messages.clear();
    return path;
}

// Undo writes into a policy object only where an import could have: the
// non-administrators', an account's of this computer, the computer's own;
// and sets the logon entry only to this program's own DErodu.exe. What a
// backup names beyond that is said, and the next undo goes further back.
TEST(Undo, WritesOnlyWhereAnImportCouldHaveWritten) {
#ifdef _WIN32
    // The planted paths are spelled as the native build names the test's folders (a
    // backslash is part of a name there); under Wine they are real folders.
    GTEST_SKIP() << "judged natively; the Wine process tests undo into the real objects";
#endif
    const std::string kOwn = "\"%P\\DErodu.exe\"";
    // clang-format off
    const struct {
        const char* object;  // under the test's Windows folder; "" for a value of the computer
        const char* key;
        const char* name;
        std::string data;    // REG_SZ; %P the program's folder
        bool undone;
    } cases[] = {
        {"System32\\GroupPolicyUsers\\S-1-5-32-545", kExplorer, "NoFind", "", true},
        {"System32\\GroupPolicyUsers\\S-1-5-21-1-2-3-1001", kExplorer, "NoFind", "", true},
        {"Sysnative\\GroupPolicyUsers\\S-1-5-32-545", kExplorer, "NoFind", "", true},
        {"System32\\GroupPolicyUsers\\S-1-5-32-545", kPolicyRun, "TvalueT", kOwn, true},
        {"System32\\GroupPolicy", kCurrentVersion, "SYSNOT", "dois", true},
        {"System32\\GroupPolicyUsers\\S-1-5-32-544", kExplorer, "NoFind", "", false},
        {"System32\\GroupPolicyUsers\\S-1-5-21-9-9-9-1001", kExplorer, "NoFind", "", false},
        {"System32\\GroupPolicyUsers\\S-1-12-1-5-6-7-8", kExplorer, "NoFind", "", false},
        {"System32\\GroupPolicyUsers\\S-1-5-32-545\\..\\S-1-5-32-544", kExplorer, "NoFind", "", false},
        {"System32\\GROUPP~1\\S-1-5-32-545", kExplorer, "NoFind", "", false},
        {"System32\\Tasks", kExplorer, "NoFind", "", false},
        {"System32\\GroupPolicyUsers\\S-1-5-32-545", kPolicyRun, "TvalueT", "\"C:\\Jogos\\DErodu.exe\"", false},
        {"", kRunKey, "TvalueT", kOwn, true},
        {"", kRunKey, "TvalueT", "%P\\DErodu.exe", false},
        {"", kRunKey, "TvalueT", "\"C:\\Users\\aluno\\DErodu.exe\"", false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.object) + " " + c.name + " " + c.data);
        Computer computer;
        std::string data = c.data;
        if (auto at = data.find("%P"); at != std::string::npos)
            data.replace(at, 2, computer.files.ProgramFolder());
        undo::BackupContents contents;
        bool machine = std::string(c.object).ends_with("GroupPolicy");
        std::string file = computer.Folder() + "/" + c.object +
                           (machine ? "\\Machine\\Registry.pol" : "\\User\\Registry.pol");
        std::string named = file + "\\" + c.key + "\\" + c.name;
        if (*c.object) {
            contents.policyValues = {{file, c.key, c.name, {}}};
            if (!data.empty()) contents.policyValues[0].entries = {{c.name, 1, PolData(data)}};
        } else {
            named = "HKEY_LOCAL_MACHINE\\" + std::string(c.key) + "\\" + c.name;
            std::string ansi = data + std::string(1, '\0');
            contents.values = {{kLM, c.key, c.name, StoredValue{1, {ansi.begin(), ansi.end()}}}};
        }
        // Something the import would have changed, there now.
        std::string real = std::string(c.object).starts_with("Sysnative")
                               ? computer.Folder() + "/System32" + (file.c_str() + file.find('\\'))
                               : file;
        const std::string folder = real.substr(0, real.rfind(machine ? "\\Machine" : "\\User"));
        if (*c.object)
            PutObjectFile(folder,
                          {{kExplorer, "NoRun", 4, PolDword(1)}, {c.key, c.name, 1, PolData("x")}});
        if (machine) {
            std::filesystem::create_directories(std::filesystem::path(real).parent_path());
            std::filesystem::rename(folder + "\\User\\Registry.pol", real);
        }
        std::string backup = Planted(computer, contents);
        EXPECT_EQ(undo::UndoLastImport(computer.context),
                  c.undone ? ImportStatus::Done : ImportStatus::Partial);
        if (c.undone)
            EXPECT_EQ(computer.dialogs.messages, std::vector<ShownMessage>{kUndone});
        else
            EXPECT_EQ(computer.dialogs.messages,
                      (std::vector<ShownMessage>{
                          {"A cópia de segurança " + backup +
                               " nomeia o que uma importação não muda; isto não foi "
                               "restaurado:\r\n" +
                               named +
                               "\r\nNada mais havia a restaurar. A cópia foi dada como desfeita: "
                               "um novo Desfazer volta à importação anterior.",
                           "Quarvel²", 16}}));
        // The other entry stays; the value is as it was before, or as now.
        std::string kept = c.undone ? data : *c.object ? "x" : kAbsent;
        if (!*c.object) computer.Expect({{kLM, c.key, c.name, kept}});
        auto entries = ReadPolicyFile(FileBytes(real)).value_or(std::vector<PolicyEntry>());
        if (*c.object) {
            ASSERT_EQ(entries.size(), kept.empty() ? 1u : 2u);
            EXPECT_EQ(entries.back().data, kept.empty() ? PolDword(1) : PolData(kept));
        }
        computer.dialogs.messages.clear();
        EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done)
            << "the next undo goes further back";
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    }
}

// An import into a policy object is taken back value by value, into the
// file as it is by then, whatever target is chosen now, and the object's
// version is raised so that Windows applies it again; a backup of an earlier
// version, which kept the whole file, still puts the whole file back. A
// backup by the 32-bit build names the object as the 64-bit one does.
TEST(Undo, TakesBackFromAPolicyObjectOnlyWhatTheImportChanged) {
    Computer computer;
    computer.accounts.system32 = computer.Folder() + "/Sysnative";
    ASSERT_EQ(core::ChooseTarget(computer.context, core::TargetKind::NonAdministrators),
              core::TargetChoice::Chosen);
    const std::string object = computer.target.object();
    const PolicyEntry other{"Software\\Policies\\Outro", "X", 4, PolDword(7)};
    PutObjectFile(object, {{kExplorer, "NoRun", 4, PolDword(1)}, other});
    ASSERT_EQ(computer.Import({"QV01" + std::string(43, '1')}), ImportStatus::Done);
    ASSERT_TRUE(computer.target.Commit());
    EXPECT_NE(FileBytes(computer.Backups().back())
                  .find("/System32\\GroupPolicyUsers\\S-1-5-32-545\\User\\Registry.pol"),
              std::string::npos);
    // Another tool writes there afterwards, and takes the other entry away.
    std::vector<PolicyEntry> now = ObjectEntries(object);
    const PolicyEntry later{"Software\\Policies\\Depois", "Y", 4, PolDword(8)};
    std::erase(now, other);
    now.push_back(later);
    PutObjectFile(object, now);
    const auto version = grouppolicy::GptVersion(FileBytes(object + "\\gpt.ini"));
    ASSERT_EQ(core::ChooseTarget(computer.context, core::TargetKind::ThisAccount),
              core::TargetChoice::Chosen);
    EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(ObjectEntries(object),
              (std::vector<PolicyEntry>{{kExplorer, "NoRun", 4, PolDword(1)}, later}));
    EXPECT_GT(grouppolicy::GptVersion(FileBytes(object + "\\gpt.ini")), version);
    EXPECT_TRUE(IsAbsent(computer.hive, kCU, kExplorer, "NoFolderOptions")) << "not this account";
    EXPECT_EQ(computer.target.object(), "") << "the target chosen stays";

    undo::BackupContents earlier;
    earlier.policyObject = changes::FileState{object, std::string("PReg\1\0\0\0", 8)};
    Planted(computer, earlier);
    EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
    EXPECT_EQ(FileBytes(object + "\\User\\Registry.pol"), std::string("PReg\1\0\0\0", 8));
}

// Whose profile, what was left, what cannot be removed: undo says what it
// did, and never puts one import back twice.
TEST(Undo, SaysWhatItPutBackAndNeverPutsBackTheSameImportTwice) {
    {  // into another account than the import's: nothing changes in this one
        Computer computer;
        ASSERT_EQ(computer.Import({"QV01" + std::string(43, '1')}), ImportStatus::Done);
        computer.accounts.running = {"aluno", "S-1-5-21-1-2-3-1001"};
        EXPECT_EQ(computer.Undo(ImportStatus::Refused),
                  (std::vector<ShownMessage>{
                      {"A última importação foi feita nas configurações da conta Administrador "
                       "(S-1-5-21-1-2-3-500), e o Quarvel roda agora na conta aluno "
                       "(S-1-5-21-1-2-3-1001): nada foi desfeito. Entre naquela conta e desfaça "
                       "a importação por ela.",
                       "Quarvel²", 16}}));
        computer.Expect({{kCU, kExplorer, "NoFind", "1"}});
        EXPECT_EQ(computer.Backups().size(), 1u);
    }
    {  // a backup that cannot be removed is marked, and the next undo goes further back
        Computer computer;
        ASSERT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
        ASSERT_EQ(computer.Import({"QV09dois"}), ImportStatus::Done);
        computer.files.undeletable.insert(computer.Backups().back());
        EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", "um"}});
        PutText(computer.registry, kLM, kCurrentVersion, "SYSNOT", "depois");
        EXPECT_EQ(undo::UndoLastImport(computer.context), ImportStatus::Done);
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
        // And when it cannot be marked either, undo says so.
        ASSERT_EQ(computer.Import({"QV09tres"}), ImportStatus::Done);
        std::string newest = computer.Backups().back();
        computer.files.undeletable.insert(newest);
        std::filesystem::create_directory(newest.substr(0, newest.size() - 6) + ".desfeita");
        EXPECT_EQ(computer.Undo(ImportStatus::Partial),
                  (std::vector<ShownMessage>{
                      {"A última importação foi desfeita. A cópia " + newest +
                           " não pôde ser apagada nem marcada como desfeita: apague-a antes de "
                           "desfazer de novo, ou o próximo Desfazer a aplicará outra vez em vez "
                           "de voltar à importação anterior.",
                       "Quarvel²", 16}}));
    }
    {  // put back by someone else already; an import that wrote nothing keeps no backup
        Computer computer;
        ASSERT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
        computer.registry.DeleteValue(kLM, kCurrentVersion, "SYSNOT");
        EXPECT_EQ(computer.Undo(ImportStatus::NothingPutBack),
                  std::vector<ShownMessage>{kNothingPutBack});
        EXPECT_TRUE(computer.Backups().empty());
        computer.registryApi.DenyWrites(true);
        EXPECT_EQ(computer.Import({"QV09dois"}), ImportStatus::Partial);
        EXPECT_TRUE(computer.Backups().empty()) << "nothing to take back";
    }
}

}  // namespace
