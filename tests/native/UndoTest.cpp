// Undo walks back through earlier imports to exactly the state that was
// there, trusting only backups nobody else can change.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "core/AccessTrust.h"
#include "grouppolicy/GptIni.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "transfer/ConfigFile.h"
#include "undo/Backup.h"

namespace {

using namespace testing_support;
using changes::ImportStatus;

// Another computer's configuration of the ticked groups, all unlike the tests' own.
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
    auto raw = [](std::uint32_t type, std::string b) {
        return StoredValue{type, {b.begin(), b.end()}};
    };
    auto sz = [&](std::string text) { return raw(1, text + '\0'); };
    // Values there and absent, some of them stored as no screen stores them.
    // clang-format off
    const std::vector<std::tuple<Hive, std::string, const char*, std::optional<StoredValue>>> before = {
        {kCU, kExplorer, "NoRun", raw(4, PolDword(1))}, {kCU, kExplorer, "RestrictRun", raw(4, PolDword(1))},
        {kCU, kExplorer, "NoDrives", raw(4, PolDword(67108863))},  // a mask the other file says as 0
        {kCU, kExplorer, "NoFind", raw(3, std::string("\x01\0\0", 3))},
        {kCU, kBrowserMain, "Save Directory", raw(2, std::string("%USERPROFILE%\\Baixados\0", 23))},
        {kCU, kAllowList, "6", sz("calc.exe")}, {kCU, kAllowList, "7", {}}, {kCU, kAllowList, "9", sz("gap.exe")},
        {kCU, kAllowList, "610", sz("sol.exe")}, {kLM, kCurrentVersion, "SYSNOT", {}}, {kCU, kBrowserMain, "Start Page", {}},
        {kLM, kRun, "TvalueT", {}}, {kLM, kWinlogon, "LegalNoticeText", sz("Uso\r\nrestrito")}, {kLM, kWinlogon, "LegalNoticeCaption", sz("Aviso")},
        {Hive::ClassesRoot, kOpenWith, "", sz("QV - Abrir com...")},
        {Hive::ClassesRoot, std::string(kOpenWith) + "\\Command", "", sz("C:\\W\\rundll32.exe shell32.dll,x %1")},
        {kCU, "Control Panel\\Desktop", "MenuShowDelay", sz("0")}, {kCU, "Software\\Policies\\Mozilla\\Firefox\\Homepage", "URL", {}},
        {kCU, "Software\\Policies\\Microsoft\\Edge", "HomepageLocation", sz("http://a")},
        {kCU, "Software\\Policies\\Google\\Chrome\\RestoreOnStartupURLs", "1", {}}};
    // clang-format on
    for (const char* group : {"", "Check1", "Check6", "Check5", "Check4", "Check3", "Check2",
                              "Check11", "Check10", "Check9"}) {
        SCOPED_TRACE(*group ? group : "every group at once");
        Computer computer;
        for (const auto& [hive, key, name, value] : before)
            if (value)
                PutBytes(computer.registryApi, hive, key, name, value->type,
                         std::string(value->data.begin(), value->data.end()));
        std::ofstream(computer.BlockListPath());  // an empty list
        auto snapshot = [&] {
            std::vector<std::optional<StoredValue>> values;
            for (const auto& [hive, key, name, value] : before)
                values.push_back(computer.hive.Snapshot(hive, key, name));
            return values;
        };
        const auto there = snapshot();
        std::string exported = computer.Export();
        std::string other =
            OtherFile(*group ? std::vector<std::string>{group} : std::vector<std::string>{});
        ASSERT_EQ(computer.Import(transfer::SplitConfigLines(other)), ImportStatus::Done);
        // This Windows has no disk-cache key: that import put nothing to take back.
        bool nothing = std::string(group) == "Check2";
        EXPECT_EQ(computer.Undo(nothing ? ImportStatus::NothingPutBack : ImportStatus::Done),
                  std::vector<ShownMessage>{nothing ? kNothingPutBack : kUndone});
        EXPECT_EQ(computer.Export(), exported);
        EXPECT_EQ(snapshot(), there);
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
    EXPECT_EQ(computer.Undo(ImportStatus::NothingToUndo),
              (std::vector<ShownMessage>{{"Não há importação para desfazer.", "Quarvel²", 64}}));
}

using Spoil = std::function<void(Computer&, const std::string& newest)>;
// The newest backup rewritten: the contents' text (its own when none), with
// the line that starts with `repeated` twice and `wrong` added to its count.
Spoil Respelled(std::optional<undo::BackupContents> contents, std::string repeated = "",
                int wrong = 0) {
    return [=](Computer& c, const std::string& newest) {
        std::string text = contents ? undo::BackupText(*contents) : FileBytes(newest);
        int count = std::stoi(text.substr(text.rfind("Fim ") + 4));
        if (std::size_t at = text.find("\r\n" + repeated); !repeated.empty() && at != text.npos) {
            std::size_t end = text.find("\r\n", at + 2);
            text.insert(end, text.substr(at, end - at));
            ++count;
        }
        text = text.substr(0, text.rfind("Fim ")) + "Fim " + std::to_string(count + wrong);
        c.files.WriteBytes(newest, text + "\r\n");
    };
}
undo::BackupContents Kept(std::vector<changes::ValueState> values,
                          std::vector<changes::KeyState> keys = {},
                          std::vector<undo::PolicyValueState> policy = {}) {
    undo::BackupContents contents;
    contents.values = std::move(values);
    contents.absentKeys = std::move(keys);
    contents.policyValues = std::move(policy);
    return contents;
}

const changes::ValueState kUm{kLM, kCurrentVersion, "SYSNOT", StoredValue{1, {'u', 'm', 0}}};
const std::string kSethc =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\sethc.exe";
const char kPolicyRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run";

struct Case {
    std::string name;
    Spoil spoil;
    ImportStatus status;
    const char* lockCode;                           // after the undo
    std::vector<std::pair<std::string, int>> said;  // %F, %N, %O, %T: see below
    std::function<void(Computer&)> check = nullptr;
};

// A path of the test's Windows folder as a backup names it ("%W" that folder
// itself), and where the 64-bit build reaches it (Sysnative is System32).
std::pair<std::string, std::string> Named(Computer& c, const std::string& file) {
    std::string named = c.Folder() + (file.starts_with("%W") ? file.substr(2) : "/" + file),
                real = named;
    if (auto at = real.find("/Sysnative\\"); at != std::string::npos)
        real.replace(at + 1, 9, "System32");
    return {named, real};
}
// The newest backup keeps one value of a policy object's file under the test's
// Windows folder (or of the registry: no file), REG_SZ data (%P the program's
// folder, "" none), and the lock code unless `alone`. Undo puts it back only
// where an import could have written; else it says so and writes nothing there.
Case Reaching(std::string file, std::string key, std::string name, std::string data, bool undone,
              bool alone = false) {
    auto value = [data](Computer& c) {
        std::string text = data;
        if (auto at = text.find("%P"); at != std::string::npos)
            text.replace(at, 2, c.files.ProgramFolder());
        return text;
    };
    const std::string named =
        file.empty() ? "HKEY_LOCAL_MACHINE\\" + key + "\\" + name
                     : (file.starts_with("%W") ? "%T" + file.substr(2) : "%T/" + file) + "\\" +
                           key + "\\" + name;
    const std::string rest =
        alone ? "Nada mais havia a restaurar." : "O resto foi restaurado (1 item).";
    std::vector<std::pair<std::string, int>> said = {{kUndone.text, 64}};
    if (!undone)
        said = {
            {"A cópia de segurança %N nomeia o que uma importação não muda; isto não foi "
             "restaurado:\r\n" +
                 named + "\r\n" + rest +
                 " A cópia foi dada como desfeita: um novo Desfazer volta à importação anterior.",
             16}};
    const PolicyEntry other{kExplorer, "NoRun", 4, PolDword(1)}, now{key, name, 1, PolData("x")};
    auto spoil = [=](Computer& c, const std::string& newest) {
        undo::BackupContents contents =
            Kept(alone ? std::vector<changes::ValueState>() : std::vector{kUm});
        std::string text = value(c) + std::string(1, '\0');
        auto [at, real] = Named(c, file);
        if (file.empty()) {
            contents.values.push_back({kLM, key, name, StoredValue{1, {text.begin(), text.end()}}});
        } else {
            contents.policyValues = {{at, key, name, {}}};
            if (!data.empty()) contents.policyValues[0].entries = {{name, 1, PolData(value(c))}};
            // What the import would have changed, there now (the Windows build makes its folders).
            std::filesystem::create_directories(std::filesystem::path(real).parent_path());
            PutPolicyFile(real, {other, now});
        }
        c.files.WriteBytes(newest, undo::BackupText(contents));
    };
    auto check = [=](Computer& c) {
        if (file.empty()) return c.Expect({{kLM, key, name, undone ? value(c) : kAbsent}});
        auto [at, real] = Named(c, file);
        std::vector<PolicyEntry> kept = {other};
        if (!undone || !data.empty())
            kept.push_back(undone ? PolicyEntry{key, name, 1, PolData(value(c))} : now);
        EXPECT_EQ(ReadPolicyFile(FileBytes(real)), std::optional(kept));
        std::string object = at.substr(0, at.rfind('\\', at.rfind('\\') - 1));
        EXPECT_TRUE(undone || !std::filesystem::exists(object + "\\gpt.ini")) << "not raised";
        if (file.starts_with("%W")) std::filesystem::remove(real);
    };
    return {
        named, spoil, undone ? ImportStatus::Done : ImportStatus::Partial, alone ? "dois" : "um",
        said,  check};
}

// Two imports, then the backups as a student, a failing disk or another build
// leaves them: damaged ones are passed over, saying so, and nothing is put back
// beyond an import's reach (the non-administrators' object, an account's of
// this computer, the computer's own; the logon entry to this DErodu.exe).
TEST(Undo, TrustsOnlyWhatNobodyElseCanChangeAndSaysWhatItCouldNotPutBack) {
    auto cut = [](Computer& c, const std::string& path) {
        std::string bytes = FileBytes(path);
        c.files.WriteBytes(path, bytes.substr(0, bytes.rfind("Fim")));
    };
    auto untrusted = [](const char* at) {
        return std::string(" não é segura (") + at +
               " pertence a S-1-5-21-1-2-3-1001, não aos Administradores nem ao SYSTEM): ";
    };
    const std::string skipped = " está danificada e foi pulada: vale a cópia anterior a ela.";
    const std::vector<std::pair<std::string, int>> olderUndone = {
        {"A cópia de segurança %N" + skipped, 16}, {kUndone.text, 64}};
    const std::string kOwn = "\"%P\\DErodu.exe\"", kUsers = "System32\\GroupPolicyUsers\\";
    const std::string kMachine = "\\Machine\\Registry.pol", kUser = "\\User\\Registry.pol";
    // clang-format off
    const Case cases[] = {
        {"a folder someone else may change", [](Computer& c, auto& newest) { c.files.Plant(core::ParentOf(newest)); },
         ImportStatus::Refused, "dois", {{"A pasta das cópias de segurança %F" + untrusted("%F") +
           "nenhuma cópia dela foi usada. Apague essa pasta; o Quarvel a cria de novo só para os "
           "Administradores.", 16}}},
        {"a planted newest backup", [](Computer& c, auto& newest) { c.files.Plant(newest); },
         ImportStatus::Refused, "dois", {{"A cópia de segurança %N" + untrusted("%N") + "nada foi desfeito. "
           "Confira a pasta %F e apague o que não foi o Quarvel que gravou.", 16}}},
        {"no last line", [&](Computer& c, auto& newest) { cut(c, newest); }, ImportStatus::Done, "", olderUndone},
        {"a count one more", Respelled({}, "", 1), ImportStatus::Done, "", olderUndone},
        {"a count one fewer", Respelled({}, "", -1), ImportStatus::Done, "", olderUndone},
        {"a line twice", Respelled({}, "Valor"), ImportStatus::Done, "", olderUndone},
        {"one value twice, kept and absent", Respelled(Kept({kUm, {kLM, kCurrentVersion, "sysnot", std::nullopt}})),
         ImportStatus::Done, "", olderUndone},
        {"a value kept in a key kept as absent", Respelled(Kept({kUm}, {{kLM, kCurrentVersion}})),
         ImportStatus::Done, "", olderUndone},
        {"a value kept under a key kept as absent",
         Respelled(Kept({kUm, {Hive::ClassesRoot, "*\\Shell\\OpenWith\\Command", "", StoredValue{1, {'x', 0}}}},
                    {{Hive::ClassesRoot, "*\\Shell\\OpenWith"}})), ImportStatus::Done, "", olderUndone},
        {"a policy value kept as none and as an entry",
         Respelled(Kept({kUm}, {}, {{"S", kExplorer, "NoRun", {}}, {"S", kExplorer, "NoRun", {{"NoRun", 4, "1234"}}}})),
         ImportStatus::Done, "", olderUndone},
        {"the block list twice", [&](Computer& c, auto& newest) {
             undo::BackupContents contents = Kept({kUm});
             contents.blockList = changes::FileState{c.BlockListPath(), "Jogos"};
             Respelled(contents, "Lista")(c, newest);
         }, ImportStatus::Done, "", olderUndone},
        {"every backup damaged", [&](Computer& c, auto&) { for (auto& name : c.Backups()) cut(c, name); },
         ImportStatus::Refused, "dois",
         {{"A cópia de segurança %N" + skipped, 16}, {"A cópia de segurança %O" + skipped, 16},
          {"Nenhuma cópia de segurança está inteira: nada foi desfeito.", 16}}},
        {"a restore Windows refuses", [](Computer& c, auto&) { c.registryApi.DenyWrites(true); },
         ImportStatus::Partial, "dois",
         {{"A última importação foi desfeita só em parte; não foi possível restaurar:\r\n"
           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SYSNOT "
           "(acesso negado)\r\nA cópia %N foi mantida: um novo Desfazer tenta de novo. Para voltar "
           "a importações anteriores, resolva o que impediu a restauração ou apague essa cópia.",
           16}}},
        Reaching(kUsers + "S-1-5-32-545" + kUser, kExplorer, "NoFind", "", true),
        Reaching(kUsers + "S-1-5-21-1-2-3-1001" + kUser, kExplorer, "NoFind", "", true),
        Reaching("Sysnative\\GroupPolicyUsers\\S-1-5-32-545" + kUser, kExplorer, "NoFind", "", true),
        Reaching(kUsers + "S-1-5-32-545" + kUser, kPolicyRun, "TvalueT", kOwn, true),
        Reaching("System32\\GroupPolicy" + kMachine, kCurrentVersion, "SYSNOT", "dois", true, true),
        Reaching(kUsers + "S-1-5-32-544" + kUser, kExplorer, "NoFind", "", false),
        Reaching(kUsers + "S-1-5-21-9-9-9-1001" + kUser, kExplorer, "NoFind", "", false),
        Reaching(kUsers + "S-1-12-1-5-6-7-8" + kUser, kExplorer, "NoFind", "", false),
        Reaching(kUsers + "S-1-5-21-1-2-3-12345678901" + kUser, kExplorer, "NoFind", "", false),
        Reaching(kUsers + "S-1-5-32-545\\..\\S-1-5-32-544" + kUser, kExplorer, "NoFind", "", false),
        Reaching(kUsers + "..\\GroupPolicyUsers\\S-1-5-32-545" + kUser, kExplorer, "NoFind", "", false),
        Reaching("System32\\..\\System32\\GroupPolicy" + kMachine, kCurrentVersion, "SYSNOT", "dois", false, true),
        Reaching("System32\\GROUPP~1\\S-1-5-32-545" + kUser, kExplorer, "NoFind", "", false),
        Reaching("SysWOW64\\GroupPolicyUsers\\S-1-5-32-545" + kUser, kExplorer, "NoFind", "", false),
        Reaching("System32\\Tasks" + kUser, kExplorer, "NoFind", "", false),
        Reaching("System32\\drivers" + kUser, kExplorer, "NoFind", "", false),
        Reaching("%W" + kUser, kExplorer, "NoFind", "", false),
        Reaching("System32\\GroupPolicy" + kUser, kExplorer, "NoFind", "", false),
        Reaching(kUsers + "S-1-5-32-545" + kMachine, kCurrentVersion, "SYSNOT", "dois", false),
        Reaching(kUsers + "S-1-5-32-545" + kUser, kPolicyRun, "TvalueT", "\"C:\\Jogos\\DErodu.exe\"", false),
        Reaching("", kRun, "TvalueT", kOwn, true),
        Reaching("", kRun, "TvalueT", "%P\\DErodu.exe", false),
        Reaching("", kRun, "TvalueT", "\"C:\\Users\\aluno\\DErodu.exe\"", false),
        Reaching("", kRun, "Outro", "C:\\Jogos\\jogo.exe", false, true),
        Reaching("", kSethc, "Debugger", "x", false),
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Computer computer;
        ASSERT_EQ(computer.Import({"QV09um"}), ImportStatus::Done);
        ASSERT_EQ(computer.Import({"QV09dois"}), ImportStatus::Done);
        const std::string folder = undo::BackupFolder(computer.files);
        const std::vector<std::string> backups = computer.Backups();
        c.spoil(computer, backups.back());
        const std::vector<ShownMessage> shown = computer.Undo(c.status);
        computer.registryApi.DenyWrites(false);
        computer.Expect({{kLM, kCurrentVersion, "SYSNOT", *c.lockCode ? c.lockCode : kAbsent}});
        if (c.check) c.check(computer);
        EXPECT_TRUE(
            IsAbsent(computer.registry, Hive::ClassesRoot, "*\\Shell\\OpenWith\\Command", ""));
        EXPECT_FALSE(std::filesystem::exists(computer.BlockListPath()));
        std::vector<ShownMessage> said;
        for (auto [text, style] : c.said) {
            for (auto [mark, path] : {std::pair{"%F", folder},
                                      {"%N", backups.back()},
                                      {"%O", backups.front()},
                                      {"%T", computer.Folder()}})
                for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                    text.replace(at, 2, path);
            said.push_back({text, "Quarvel²", style});
        }
        EXPECT_EQ(shown, said);
        bool kept = c.status == ImportStatus::Refused || std::string(c.name).ends_with("refuses");
        EXPECT_EQ(computer.Backups().size(), kept ? 2u : 1u)
            << "what was undone goes; what was not, stays";
    }
}

// An import into a policy object is taken back value by value into the file as
// it is by then, whatever target is chosen now, raising the object's version;
// the 32-bit build names it as the 64-bit one does; an earlier version's
// backup, which kept the whole file, puts the whole file back.
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
    ASSERT_TRUE(undo::SaveBackup(computer.context, earlier));
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
    {  // a backup that cannot be removed is marked, and the next undo goes further back;
       // one that can be neither removed nor marked is said: done in part
        Lab lab;
        ASSERT_EQ(lab.Run({"/importar", lab.File("i.qvc", "QV09um")}), 0);
        ASSERT_EQ(lab.Run({"/importar", lab.File("i.qvc", "QV09dois"), "/senha:um"}), 0);
        const std::vector<std::string> backups = lab.Backups();
        lab.files.undeletable = {backups.begin(), backups.end()};
        EXPECT_EQ(lab.Run({"/desfazer", "/senha:dois"}), 0) << lab.shown;
        lab.Expect({{kLM, kCurrentVersion, "SYSNOT", "um"}});
        lab.files.unwritable = {core::ParentOf(backups[0])};
        EXPECT_EQ(lab.Run({"/desfazer", "/senha:um"}), 4);
        EXPECT_EQ(lab.shown, "A última importação foi desfeita. A cópia " + backups[0] +
                                 " não pôde ser apagada nem marcada como desfeita: apague-a antes "
                                 "de desfazer de novo, ou o próximo Desfazer a aplicará outra vez "
                                 "em vez de voltar à importação anterior. (código 4)\r\n");
        EXPECT_EQ(lab.recorded.messages.at(0).style, 16);
        lab.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    }
    for (bool planted : {false, true}) {  // a backup that can be kept nowhere: nothing is imported
        Lab lab;
        const std::string usual = undo::BackupFolder(lab.files);
        const std::string other = undo::PrivateBackupFolder(lab.context);
        for (const std::string& folder : {usual, other}) {
            if (!planted) lab.files.unwritable.insert(folder);
            if (planted) std::filesystem::create_directories(folder), lab.files.Plant(folder);
        }
        EXPECT_EQ(lab.Run({"/importar", lab.File("i.qvc", "QV09um")}), 4);
        EXPECT_EQ(lab.shown, "Não foi possível guardar uma cópia das configurações atuais em " +
                                 usual + " nem em " + other +
                                 "; nada foi importado. (código 4)\r\n");
        EXPECT_EQ(lab.recorded.messages.at(0).style, 16);
        lab.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
    }
    {  // an import that wrote nothing keeps no backup
        Computer computer;
        computer.registryApi.DenyWrites(true);
        EXPECT_EQ(computer.Import({"QV09dois"}), ImportStatus::Partial);
        EXPECT_TRUE(computer.Backups().empty()) << "nothing to take back";
    }
}

}  // namespace
