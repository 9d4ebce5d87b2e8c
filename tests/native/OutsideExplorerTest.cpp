// The allow-list outside Explorer: the computer's rules, the target's switches,
// what is refused or fails; the file's record, undo and /politicas.
#include <gtest/gtest.h>

#include <set>

#include "core/Target.h"
#include "restrictions/frmRestE.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/support/ScreenVerbs.h"

namespace {

using namespace testing_support;
using changes::ImportStatus;
using restrictions::frmRestE;
using Items = std::vector<std::string>;
using Summaries = std::multiset<std::string>;

const ShownMessage kApplied{"As restrições foram aplicadas com sucesso", "Quarvel", 64};
const std::string kAdministratorsNotBound =
    "Os administradores não ficam presos à lista: escolha \"Usuários comuns\" ou a conta de um "
    "aluno.";
const std::string kNotInstalled =
    "Para valer fora do Explorer, o Quarvel precisa estar instalado em Arquivos de Programas "
    "(Program Files). Instale-o com o instalador.";
const std::string kNotOnThisWindows =
    "Este Windows não faz valer a lista fora do Explorer: é preciso o Windows 10 versão 2004 ou "
    "mais novo, o Windows 11 ou uma edição Enterprise. Só o Gerenciador de Tarefas e o Prompt de "
    "Comando foram desligados.";
const char kAluno[] = "S-1-5-21-1-2-3-1001";
const char* const kCollections[] = {"Exe", "Script", "Msi"};
// Folders under Windows a standard user may write to, as the published baselines except them.
// clang-format off
const char* const kWritable[] = {
    "%SYSTEM32%\\catroot2\\*", "%SYSTEM32%\\com\\dmp\\*", "%SYSTEM32%\\FxsTmp\\*", "%SYSTEM32%\\spool\\drivers\\color\\*",
    "%SYSTEM32%\\spool\\PRINTERS\\*", "%SYSTEM32%\\spool\\SERVERS\\*", "%SYSTEM32%\\Tasks\\*", "%WINDIR%\\Debug\\*",
    "%WINDIR%\\PCHEALTH\\ERRORREP\\*", "%WINDIR%\\Registration\\*", "%WINDIR%\\SysWOW64\\com\\dmp\\*",
    "%WINDIR%\\SysWOW64\\FxsTmp\\*", "%WINDIR%\\SysWOW64\\Tasks\\*", "%WINDIR%\\Tasks\\*", "%WINDIR%\\Temp\\*", "%WINDIR%\\tracing\\*"};
// The shells, by the name a list gives them and where Windows (or PowerShell 7) puts them.
const std::pair<const char*, const char*> kShells[] = {
    {"cmd.exe", "%SYSTEM32%\\cmd.exe"}, {"powershell.exe", "%SYSTEM32%\\WindowsPowerShell\\v1.0\\powershell.exe"},
    {"powershell_ise.exe", "%SYSTEM32%\\WindowsPowerShell\\v1.0\\powershell_ise.exe"}, {"pwsh.exe", "%PROGRAMFILES%\\PowerShell\\*"},
    {"wscript.exe", "%SYSTEM32%\\wscript.exe"}, {"cscript.exe", "%SYSTEM32%\\cscript.exe"}, {"mshta.exe", "%SYSTEM32%\\mshta.exe"},
    {"regedit.exe", "%WINDIR%\\regedit.exe"}, {"regedit.exe", "%SYSTEM32%\\regedit.exe"}, {"regedt32.exe", "%SYSTEM32%\\regedt32.exe"},
    {"reg.exe", "%SYSTEM32%\\reg.exe"}};
// clang-format on

bool Has(const std::string& xml, const std::string& part) {
    return xml.find(part) != std::string::npos;
}
// The paths of a rule's part ("Conditions", "Exceptions"), in order.
Items Paths(const std::string& xml, const std::string& part) {
    Items paths;
    std::size_t at = xml.find("<" + part + ">"), end = xml.find("</" + part + ">");
    while (at != std::string::npos && (at = xml.find("Path=\"", at)) < end)
        paths.push_back(xml.substr(at + 6, xml.find('"', at + 6) - at - 6)), ++at;
    return paths;
}
// Paths as a rule's exceptions read, sorted: " except A, B".
std::string Except(Items paths) {
    std::sort(paths.begin(), paths.end());
    std::string text;
    for (std::size_t i = 0; i < paths.size(); ++i) text += (i ? ", " : " except ") + paths[i];
    return text;
}
// A rule as "Allow S-1-1-0 %WINDIR%\* except A, B".
std::string Summary(const std::string& xml) {
    std::size_t sid = xml.find("UserOrGroupSid=\"") + 16;
    std::string text = (Has(xml, "Action=\"Allow\"") ? "Allow " : "Deny ") +
                       xml.substr(sid, xml.find('"', sid) - sid);
    for (const std::string& path : Paths(xml, "Conditions")) text += " " + path;
    return text + Except(Paths(xml, "Exceptions"));
}

class OutsideExplorer : public ::testing::Test {
  public:
    void SetUp() override {
        // Installed: the program's folder lies in the program folder Windows names.
        PutText(lab.hive, kLM, kCurrentVersion, "ProgramFilesDir",
                lab.folder.parent_path().string());
        Target(core::TargetKind::NonAdministrators);
    }
    void Target(core::TargetKind kind, const std::string& account = {}) {
        ASSERT_EQ(core::ChooseTarget(lab.context, kind, account), core::TargetChoice::Chosen);
    }
    std::vector<ShownMessage> Press(const char* command, bool ticked = true,
                                    const Items& list = {"calc.exe"}) {
        auto& screen = static_cast<frmRestE&>(OpenScreen<frmRestE>(lab));
        for (const std::string& name : list) {
            screen.Text1.UserType(name);
            screen.Text1.UserEnter();
        }
        screen.Check1.SetChecked(ticked);
        return RunCommands(lab, screen, {command});
    }
    // Each rule's element by its key, within one collection.
    std::map<std::string, std::string> Rules(const std::string& collection) {
        std::map<std::string, std::string> rules;
        std::string parent = std::string(kSrpV2) + "\\" + collection + "\\";
        for (const PolicyEntry& e : Entries())
            if (e.key.starts_with(parent) && e.value == "Value" && e.type == 1)
                rules[e.key.substr(parent.size())] = PolicyText(e.data);
        return rules;
    }
    std::vector<PolicyEntry> Entries() {
        return std::filesystem::exists(ComputerFile(lab)) ? PolicyFileEntries(ComputerFile(lab))
                                                          : std::vector<PolicyEntry>();
    }
    std::optional<PolicyEntry> Setting(const std::string& collection, const std::string& name) {
        for (const PolicyEntry& e : Entries())
            if (e.key == std::string(kSrpV2) + "\\" + collection && e.value == name) return e;
        return std::nullopt;
    }
    // A job of the command line, then this program's reads start afresh.
    int Run(const std::vector<std::string>& arguments) {
        int code = lab.Run(arguments);
        lab.target.Commit();
        return code;
    }
    std::string GptFile() { return lab.accounts.system32 + "\\GroupPolicy\\gpt.ini"; }

    Lab lab;
};

// Lists naming no shell to every one, for the non-administrators, a student
// and both, beside another tool's entries: the rules refuse exactly the
// writable folders and the shells left out, Windows is asked to enforce them,
// and "Desbloquear" takes away only what was the target's.
TEST_F(OutsideExplorer, BlockWritesRulesThatLeaveOutTheWritableFoldersAndTheShellsNotListed) {
    const std::string id = "921cc481-6e17-4653-8f75-050b80acca20";
    const PolicyEntry otherRule{std::string(kSrpV2) + "\\Exe\\" + id, "Value", 1,
                                PolData("<FilePathRule Id=\"" + id +
                                        "\" Name=\"x\" "
                                        "UserOrGroupSid=\"S-1-1-0\" Action=\"Allow\"/>")};
    const PolicyEntry other{"Software\\Policies\\Escola", "X", 4, PolDword(7)};
    std::filesystem::create_directories(lab.accounts.system32 + "\\GroupPolicy\\Machine");
    PutPolicyFile(ComputerFile(lab), {otherRule, other});
    std::ofstream(GptFile(), std::ios::binary)
        << "[general]\r\nversion=131074\r\ngPCMachineExtensionNames=[{827D319E-6EAC-11D2-A4EA-"
           "00C04F79F83A}{803E14A0-B4FB-11D0-A0D0-00A0C90F574B}]\r\n";
    const Items lists[] = {
        {"calc.exe"},
        {"C:\\Windows\\System32\\CMD.EXE"},
        {"PowerShell.exe", "powershell_ise.exe", "C:\\PS\\pwsh.exe", "wscript.exe", "cscript.exe",
         "MSHTA.EXE", "regedit.exe", "regedt32.exe", "reg.exe"}};
    std::map<bool, Items> typed, inForce;  // by target: the account's, or the non-administrators'
    auto expect = [&](const std::string& collection) {
        const bool exe = collection == "Exe";
        Summaries expected = {"Allow S-1-1-0"};  // the other tool's rule
        if (!exe) expected.clear();
        if (inForce.contains(true) && !inForce.contains(false)) expected.insert("Allow S-1-1-0 *");
        for (const auto& [account, list] : inForce) {
            Items windows(std::begin(kWritable), std::end(kWritable)), programs;
            for (auto [name, path] : kShells)
                if (exe && std::none_of(list.begin(), list.end(), [&](const std::string& item) {
                        return Lowered(item.substr(item.find_last_of('\\') + 1)) == name;
                    }))
                    (Has(path, "%PROGRAMFILES%") ? programs : windows).push_back(path);
            const std::string deny = std::string("Deny ") + kAluno + " ";
            if (account) {
                expected.insert(deny + "* except %PROGRAMFILES%\\*, %WINDIR%\\*");
                for (const Items& paths : {windows, programs})
                    for (const std::string& path : paths) expected.insert(deny + path);
            } else {
                expected.insert({"Allow S-1-5-32-544 *",
                                 "Allow S-1-1-0 %WINDIR%\\*" + Except(windows),
                                 "Allow S-1-1-0 %PROGRAMFILES%\\*" + Except(programs)});
            }
        }
        Summaries got;
        for (const auto& [key, xml] : Rules(collection)) {
            got.insert(Summary(xml));
            EXPECT_TRUE(xml.starts_with("<FilePathRule Id=\"" + key + "\" Name=\"")) << xml;
        }
        EXPECT_EQ(got, expected) << collection;
        EXPECT_EQ(Setting(collection, "EnforcementMode"),
                  exe || !inForce.empty()
                      ? std::optional(PolicyEntry{std::string(kSrpV2) + "\\" + collection,
                                                  "EnforcementMode", 4, PolDword(1)})
                      : std::nullopt);
        const std::vector<PolicyEntry> entries = Entries();
        EXPECT_TRUE(entries.size() >= 2 && entries[0] == otherRule && entries[1] == other)
            << "another tool's entries, in their place";
    };
    for (const Items& list : lists) {
        for (bool account : {false, true}) {
            SCOPED_TRACE(list.back() + (account ? " aluno" : " Usuários comuns"));
            Target(account ? core::TargetKind::Account : core::TargetKind::NonAdministrators,
                   "aluno");
            EXPECT_EQ(Press("Label5", true, list), std::vector{kApplied});
            typed[account].insert(typed[account].end(), list.begin(), list.end());
            inForce[account] = typed[account];
            for (const std::string collection : kCollections) expect(collection);
            std::vector<PolicyEntry> own = ObjectEntries(lab.target.object());
            for (PolicyEntry expected :
                 {PolicyEntry{kSystem, "DisableTaskMgr", 4, PolDword(1)},
                  PolicyEntry{kPoliciesSystem, "DisableCMD", 4, PolDword(2)}})
                EXPECT_NE(std::find(own.begin(), own.end(), expected), own.end()) << expected;
            EXPECT_TRUE(static_cast<frmRestE&>(OpenScreen<frmRestE>(lab)).Check1.checked());
        }
    }
    // Someone else's value for the prompt is not the option's to take away.
    PutNumber(lab.registry, kCU, kPoliciesSystem, "DisableCMD", 1);
    for (bool account : {false, true}) {
        Target(account ? core::TargetKind::Account : core::TargetKind::NonAdministrators, "aluno");
        Press("Label4", false, {});
        inForce.erase(account);
        for (const std::string collection : kCollections) expect(collection);
        EXPECT_TRUE(IsAbsent(lab.registry, kCU, kSystem, "DisableTaskMgr"));
    }
    EXPECT_TRUE(HasValue(lab.registry, kCU, kPoliciesSystem, "DisableCMD", "1")) << "aluno's";
    EXPECT_EQ(FileBytes(GptFile()),
              "[general]\r\nVersion=131082\r\ngPCMachineExtensionNames=[{35378EAC-683F-11D2-"
              "A89A-00C04FBBCFA2}{62C1845D-C4A6-4ACB-BBB0-C895FD090385}{D02B1F72-3407-48AE-"
              "BA88-E8213C6761F1}][{827D319E-6EAC-11D2-A4EA-00C04F79F83A}{803E14A0-B4FB-"
              "11D0-A0D0-00A0C90F574B}]\r\n")
        << "the user half kept, the computer half raised at each change";
    EXPECT_EQ(lab.services.started, Items(6, "AppIDSvc"));
    EXPECT_EQ(lab.services.refreshes, 8);
}

TEST_F(OutsideExplorer, WhatIsRefusedAndWhereWindowsDoesNotEnforceIt) {
    const platform::WindowsVersion wine = lab.accounts.windows;
    using core::TargetKind;
    struct Case {
        const char* what;
        platform::WindowsVersion windows;
        std::string message;                     // style 48; empty: applied
        const char* folder = "ProgramFilesDir";  // the program folder Windows names, "" none
        TargetKind target = TargetKind::NonAdministrators;  // an account: aluno, an administrator
    };
    // clang-format off
    const Case cases[] = {
        {"this account", wine, kAdministratorsNotBound, "ProgramFilesDir", TargetKind::ThisAccount},
        {"an administrator", wine, kAdministratorsNotBound, "ProgramFilesDir", TargetKind::Account},
        {"not installed", wine, kNotInstalled, ""},
        {"x86 program folder, with a final backslash", wine, "", "ProgramFilesDir (x86)"},
        {"64-bit program folder", wine, "", "ProgramW6432Dir"},
        {"Windows 10 1909", {10, 0, 18363, 0x30}, kNotOnThisWindows},
        {"Windows 10 1903 Education", {10, 0, 18362, 0x79}, ""},
        {"Windows 10 2004 Pro", {10, 0, 19041, 0x30}, ""},
        {"Windows 10 2004 Home", {10, 0, 19041, 0x65}, ""},
        {"Windows 8.1 Pro", {6, 3, 9600, 0x30}, kNotOnThisWindows},
        {"Windows 8.1 Enterprise", {6, 3, 9600, 0x04}, ""},
        {"Windows 8 with Windows 7's Ultimate", {6, 2, 9200, 0x01}, kNotOnThisWindows},
        {"Windows 7 Professional", {6, 1, 7601, 0x30}, kNotOnThisWindows},
        {"Vista Ultimate", {6, 0, 6002, 0x01}, kNotOnThisWindows},
        {"Server 2008", {6, 0, 6002, 0x07, true}, kNotOnThisWindows},
        {"Server 2012", {6, 2, 9200, 0x07, true}, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(ComputerFile(lab));
        lab.target.PutFileBytes(std::nullopt);
        lab.accounts = {};
        lab.accounts.system32 = lab.Folder() + "/System32";
        lab.accounts.windows = c.windows;
        if (c.target == TargetKind::Account) lab.accounts.administrators.push_back(kAluno);
        for (const char* value : {"ProgramFilesDir", "ProgramFilesDir (x86)", "ProgramW6432Dir"})
            lab.hive.DeleteValue(kLM, kCurrentVersion, value);
        if (*c.folder)
            PutText(lab.hive, kLM, kCurrentVersion, c.folder,
                    lab.folder.parent_path().string() + (Has(c.folder, "x86") ? "\\" : ""));
        Target(c.target, "aluno");
        ShownMessage expected = kApplied;
        if (!c.message.empty()) expected = {c.message, "Quarvel", 48};
        EXPECT_EQ(Press("Label5"), std::vector{expected});
        const bool switches = c.message.empty() || c.message == kNotOnThisWindows;
        EXPECT_EQ(!Rules("Exe").empty(), c.message.empty());
        EXPECT_EQ(HasValue(lab.registry, kCU, kSystem, "DisableTaskMgr", "1") == true, switches);
        EXPECT_EQ(static_cast<frmRestE&>(OpenScreen<frmRestE>(lab)).Check1.checked(), switches)
            << "where Windows enforces no rule, the box shows the two switches";
    }
}

TEST_F(OutsideExplorer, AServiceOrARefreshThatFailsIsSaidAndTheRulesStay) {
    const std::pair<platform::ServiceStart, std::string> cases[] = {
        {platform::ServiceStart::NotAutomatic,
         "As regras foram gravadas, mas o serviço Identidade do Aplicativo (AppIDSvc), que as faz "
         "valer, não pôde ser posto para iniciar com o Windows: sem ele a lista não vale fora do "
         "Explorer. Num Prompt de Comando de administrador: sc.exe config appidsvc start= auto"},
        {platform::ServiceStart::NotStarted,
         "As regras foram gravadas e o serviço Identidade do Aplicativo (AppIDSvc) vai iniciar "
         "com o Windows, mas não pôde ser iniciado agora: a lista vale fora do Explorer a partir "
         "do próximo início do Windows."},
        {platform::ServiceStart::Running,
         "O Windows não pôde aplicar agora a política do computador: o que foi gravado vale a "
         "partir do próximo início do Windows (ou depois de gpupdate /force)."},
    };
    const std::string on = lab.File("on.qvc", "QV02calc.exe\r\nQVc11\r\n");
    for (const auto& [answer, message] : cases) {
        lab.services.answer = answer;
        lab.services.refreshed = answer != platform::ServiceStart::Running;
        Press("Label4");
        EXPECT_EQ(Press("Label5"), (std::vector<ShownMessage>{{message, "Quarvel", 48}}));
        EXPECT_EQ(Rules("Exe").size(), 3u);
        Press("Label4");
        EXPECT_EQ(Run({"/importar", on, "/para:comuns"}), 4) << "done in part";
        EXPECT_NE(lab.shown.find(message), std::string::npos) << lab.shown;
        EXPECT_EQ(Rules("Exe").size(), 3u) << "the rules stay";
    }
    // Undo puts the rules back as they were, and says that Windows has not applied it yet.
    EXPECT_EQ(Run({"/desfazer"}), 4);
    EXPECT_NE(lab.shown.find(cases[2].second), std::string::npos) << lab.shown;
    EXPECT_TRUE(Rules("Exe").empty());
}

TEST_F(OutsideExplorer, TheFileCarriesItAndUndoPutsBackOnlyTheProgramsRules) {
    lab.File("on.qvc", "QV02calc.exe\r\nQVc11\r\n");
    lab.File("off.qvc", "QVc10\r\n");
    lab.File("silent.qvc", "QV02calc.exe\r\n");
    EXPECT_EQ(Run({"/importar", lab.File("on.qvc"), "/para:comuns"}), 0) << lab.shown;
    EXPECT_EQ(Rules("Script").size(), 3u);
    EXPECT_TRUE(HasValue(lab.registry, kCU, kPoliciesSystem, "DisableCMD", "2"));
    EXPECT_EQ(Run({"/importar", lab.File("silent.qvc"), "/para:comuns"}), 0) << "an older file";
    EXPECT_EQ(Rules("Script").size(), 3u);
    EXPECT_EQ(Run({"/importar", lab.File("off.qvc"), "/para:comuns"}), 0) << lab.shown;
    EXPECT_TRUE(Rules("Exe").empty());
    EXPECT_TRUE(IsAbsent(lab.registry, kCU, kSystem, "DisableTaskMgr"));
    // Something else lands in the object after the import: undo leaves it.
    std::vector<PolicyEntry> later = Entries();
    later.push_back({"Software\\Policies\\Escola", "Depois", 4, PolDword(3)});
    PutPolicyFile(ComputerFile(lab), later);
    EXPECT_EQ(undo::UndoLastImport(lab.context), ImportStatus::Done);
    EXPECT_EQ(Rules("Exe").size(), 3u);
    EXPECT_TRUE(HasValue(lab.registry, kCU, kSystem, "DisableTaskMgr", "1"));
    EXPECT_EQ(Entries()[0].value, "Depois");
    EXPECT_EQ(undo::UndoLastImport(lab.context), ImportStatus::Done);
    EXPECT_TRUE(Rules("Exe").empty());
    // A backup that names another folder as the computer's object is not followed there.
    const std::string elsewhere = lab.Folder() + "/Outro";
    undo::BackupContents planted;
    planted.computerRules = changes::FileState{elsewhere, ""};
    ASSERT_TRUE(undo::SaveBackup(lab.context, planted));
    EXPECT_EQ(undo::UndoLastImport(lab.context), ImportStatus::Partial);
    EXPECT_FALSE(AnythingAt(elsewhere));
    EXPECT_TRUE(Rules("Exe").empty());

    // Not written, not valid or refused: the rest of the file goes in, the run is done in part.
    for (const std::string& refusing : {ComputerFile(lab).substr(0, ComputerFile(lab).rfind('\\')),
                                        GptFile().substr(0, GptFile().rfind('\\'))}) {
        lab.files.unwritable = {refusing};
        const ShownMessage notWritten{"Não foi possível gravar " + ComputerFile(lab) + " e " +
                                          GptFile() + ": a lista não vale fora do Explorer.",
                                      "Quarvel", 16};
        EXPECT_EQ(Run({"/importar", lab.File("on.qvc"), "/para:comuns"}), 4);
        EXPECT_NE(lab.shown.find(notWritten.text), std::string::npos) << lab.shown;
        EXPECT_TRUE(HasValue(lab.registry, kCU, kSystem, "DisableTaskMgr", "1")) << "the rest is";
        EXPECT_EQ(Press("Label5"), std::vector{notWritten});
        EXPECT_TRUE(Rules("Exe").empty());
        lab.files.unwritable.clear();
        Run({"/importar", lab.File("off.qvc"), "/para:comuns"});
    }
    const std::string garbage = "PReg\x01\x00\x00\x00[garbage";
    std::ofstream(ComputerFile(lab), std::ios::binary) << garbage;
    EXPECT_EQ(Run({"/importar", lab.File("on.qvc"), "/para:comuns"}), 4);
    EXPECT_NE(lab.shown.find("não é um arquivo Registry.pol válido: nada foi lido nem gravado"),
              std::string::npos)
        << lab.shown;
    EXPECT_EQ(FileBytes(ComputerFile(lab)), garbage);
    EXPECT_EQ(Run({"/importar", lab.File("on.qvc"), "/para:eu"}), 4);
    EXPECT_NE(lab.shown.find(kAdministratorsNotBound), std::string::npos) << lab.shown;
    EXPECT_TRUE(IsAbsent(lab.hive, kCU, kSystem, "DisableTaskMgr")) << "nothing of it for me";
}

TEST_F(OutsideExplorer, PolicyFilesForADomainHoldTheNonAdministratorsRules) {
    const std::string gpo = lab.File("gpo");
    ASSERT_EQ(lab.Run({"/politicas", lab.File("on.qvc", "QV02calc.exe\r\nQVc11\r\n"), gpo}), 0)
        << lab.shown;
    EXPECT_NE(lab.shown.find("AppIDSvc"), std::string::npos);
    int rules = 0;
    for (const PolicyEntry& e : PolicyFileEntries(gpo + "/Machine/Registry.pol"))
        rules += e.key.starts_with(std::string(kSrpV2) + "\\Exe\\") &&
                 Summary(PolicyText(e.data)) == "Allow S-1-5-32-544 *";
    EXPECT_EQ(rules, 1);
    const auto user = PolicyFileEntries(gpo + "/User/Registry.pol");
    EXPECT_EQ(std::count(user.begin(), user.end(),
                         PolicyEntry{kSystem, "DisableTaskMgr", 4, PolDword(1)}),
              1);
    EXPECT_FALSE(std::filesystem::exists(ComputerFile(lab))) << "this computer's object untouched";
}

}  // namespace
