// The allow-list outside Explorer: the rules Windows enforces for every
// process, read back from the computer's own policy object with the tests'
// own reader and matched against Microsoft's element and attribute names;
// Task Manager and the command prompt in the target's object; what is
// refused; the configuration file's record, undo and /politicas.
#include <gtest/gtest.h>

#include "core/Target.h"
#include "restrictions/frmRestE.h"
#include "tests/support/Keys.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/ScreenVerbs.h"
#include "tests/support/TransferVerbs.h"

namespace {

using namespace testing_support;
using changes::ImportStatus;
using restrictions::frmRestE;
using Items = std::vector<std::string>;

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
const char* const kWritable[] = {"%SYSTEM32%\\catroot2\\*",
                                 "%SYSTEM32%\\com\\dmp\\*",
                                 "%SYSTEM32%\\FxsTmp\\*",
                                 "%SYSTEM32%\\spool\\drivers\\color\\*",
                                 "%SYSTEM32%\\spool\\PRINTERS\\*",
                                 "%SYSTEM32%\\spool\\SERVERS\\*",
                                 "%SYSTEM32%\\Tasks\\*",
                                 "%WINDIR%\\Debug\\*",
                                 "%WINDIR%\\PCHEALTH\\ERRORREP\\*",
                                 "%WINDIR%\\Registration\\*",
                                 "%WINDIR%\\SysWOW64\\com\\dmp\\*",
                                 "%WINDIR%\\SysWOW64\\FxsTmp\\*",
                                 "%WINDIR%\\SysWOW64\\Tasks\\*",
                                 "%WINDIR%\\Tasks\\*",
                                 "%WINDIR%\\Temp\\*",
                                 "%WINDIR%\\tracing\\*"};

std::string Condition(const std::string& path) {
    return "<FilePathCondition Path=\"" + path + "\" />";
}
bool Has(const std::string& xml, const std::string& part) {
    return xml.find(part) != std::string::npos;
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
    int Count(const std::string& collection, std::initializer_list<std::string> parts) {
        int found = 0;
        for (const auto& [id, xml] : Rules(collection))
            found += std::all_of(parts.begin(), parts.end(),
                                 [&](const std::string& part) { return Has(xml, part); });
        return found;
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
    std::string Gpt() { return FileBytes(lab.accounts.system32 + "\\GroupPolicy\\gpt.ini"); }

    Lab lab;
};

TEST_F(OutsideExplorer, TheNonAdministratorsGetAllowRulesOnlyForTheWindowsAndProgramFolders) {
    EXPECT_EQ(Press("Label5", true, {"calc.exe", "C:\\Windows\\System32\\CMD.EXE"}),
              std::vector{kApplied});
    for (const std::string collection : kCollections) {
        SCOPED_TRACE(collection);
        EXPECT_EQ(Setting(collection, "EnforcementMode"),
                  (PolicyEntry{std::string(kSrpV2) + "\\" + collection, "EnforcementMode", 4,
                               PolDword(1)}));
        EXPECT_EQ(Setting(collection, "AllowWindows")->data, PolDword(0));
        std::map<std::string, std::string> rules = Rules(collection);
        ASSERT_EQ(rules.size(), 3u);
        for (const auto& [key, xml] : rules) {
            EXPECT_EQ(key.size(), 36u);
            EXPECT_TRUE(xml.starts_with("<FilePathRule Id=\"" + key + "\" Name=\"")) << xml;
            EXPECT_TRUE(Has(xml, "Action=\"Allow\"") && !Has(xml, "Deny")) << "allow rules only";
        }
        EXPECT_EQ(Count(collection, {"UserOrGroupSid=\"S-1-5-32-544\"",
                                     "<Conditions>" + Condition("*") + "</Conditions>"}),
                  1);
        EXPECT_EQ(Count(collection, {"UserOrGroupSid=\"S-1-1-0\"", Condition("%PROGRAMFILES%\\*")}),
                  1);
        for (const char* writable : kWritable)
            EXPECT_EQ(Count(collection, {"UserOrGroupSid=\"S-1-1-0\"",
                                         "<Conditions>" + Condition("%WINDIR%\\*") +
                                             "</Conditions><Exceptions>",
                                         Condition(writable)}),
                      1)
                << writable;
        bool exe = collection == "Exe";
        for (const char* shell :
             {"%SYSTEM32%\\WindowsPowerShell\\v1.0\\powershell.exe", "%SYSTEM32%\\mshta.exe",
              "%WINDIR%\\regedit.exe", "%SYSTEM32%\\wscript.exe", "%PROGRAMFILES%\\PowerShell\\*"})
            EXPECT_EQ(Count(collection, {Condition(shell)}), exe ? 1 : 0) << shell;
        EXPECT_EQ(Count(collection, {Condition("%SYSTEM32%\\cmd.exe")}), 0) << "on the list";
    }
    EXPECT_EQ(Gpt(),
              "[General]\r\ngPCMachineExtensionNames=[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}"
              "{62C1845D-C4A6-4ACB-BBB0-C895FD090385}{D02B1F72-3407-48AE-BA88-E8213C6761F1}]\r\n"
              "Version=1\r\n");
    std::vector<PolicyEntry> own = ObjectEntries(lab.target.object());
    for (PolicyEntry expected : {PolicyEntry{kSystem, "DisableTaskMgr", 4, PolDword(1)},
                                 PolicyEntry{kPoliciesSystem, "DisableCMD", 4, PolDword(2)}})
        EXPECT_NE(std::find(own.begin(), own.end(), expected), own.end()) << expected;
    EXPECT_EQ(lab.services.started, Items{"AppIDSvc"});
    EXPECT_EQ(lab.services.refreshes, 1);
    EXPECT_TRUE(static_cast<frmRestE&>(OpenScreen<frmRestE>(lab)).Check1.checked());
    // Someone else's value for the prompt is not the option's to take away.
    PutNumber(lab.registry, kCU, kPoliciesSystem, "DisableCMD", 1);
    Press("Label4");
    EXPECT_TRUE(IsAbsent(lab.registry, kCU, kSystem, "DisableTaskMgr"));
    EXPECT_TRUE(HasValue(lab.registry, kCU, kPoliciesSystem, "DisableCMD", "1"));
    EXPECT_TRUE(Rules("Exe").empty());
}

TEST_F(OutsideExplorer, TargetsCombineAndOnlyTheProgramsOwnEntriesChange) {
    const PolicyEntry defaultRule{
        std::string(kSrpV2) + "\\Exe\\921cc481-6e17-4653-8f75-050b80acca20", "Value", 1,
        PolData("<FilePathRule Id=\"921cc481-6e17-4653-8f75-050b80acca20\" Name=\"x\" "
                "UserOrGroupSid=\"S-1-1-0\" Action=\"Allow\"/>")};
    const PolicyEntry other{"Software\\Policies\\Escola", "X", 4, PolDword(7)};
    std::filesystem::create_directories(lab.accounts.system32 + "\\GroupPolicy\\Machine");
    PutPolicyFile(ComputerFile(lab), {defaultRule, other});
    std::ofstream(lab.accounts.system32 + "\\GroupPolicy\\gpt.ini", std::ios::binary)
        << "[general]\r\nversion=131074\r\ngPCMachineExtensionNames=[{827D319E-6EAC-11D2-A4EA-"
           "00C04F79F83A}{803E14A0-B4FB-11D0-A0D0-00A0C90F574B}]\r\n";
    const std::string deny = "Action=\"Deny\"", aluno = std::string("UserOrGroupSid=\"") + kAluno,
                      everyoneAll = "UserOrGroupSid=\"S-1-1-0\" Action=\"Allow\"><Conditions>" +
                                    Condition("*"),
                      admins = "UserOrGroupSid=\"S-1-5-32-544\"";
    struct Step {
        core::TargetKind target;
        const char* command;
        bool alunoDenied, everyoneElse, nonAdministrators;
    };
    const Step steps[] = {
        {core::TargetKind::Account, "Label5", true, true, false},
        {core::TargetKind::NonAdministrators, "Label5", true, false, true},
        {core::TargetKind::Account, "Label4", false, false, true},
        {core::TargetKind::NonAdministrators, "Label4", false, false, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.command) + (step.alunoDenied ? " aluno" : ""));
        Target(step.target, "aluno");
        Press(step.command);
        std::vector<PolicyEntry> entries = Entries();
        ASSERT_GE(entries.size(), 2u);
        EXPECT_EQ(entries[0], defaultRule) << "another tool's rule, in its place";
        EXPECT_EQ(entries[1], other);
        EXPECT_EQ(Count("Exe", {deny, aluno, Condition("*"), Condition("%WINDIR%\\*")}) == 1,
                  step.alunoDenied);
        EXPECT_EQ(Count("Msi", {deny, aluno, Condition("%WINDIR%\\Temp\\*")}) == 1,
                  step.alunoDenied);
        EXPECT_EQ(Count("Exe", {deny, aluno, Condition("%SYSTEM32%\\cmd.exe")}) == 1,
                  step.alunoDenied);
        EXPECT_EQ(Count("Script", {everyoneAll}) == 1, step.everyoneElse);
        EXPECT_EQ(Count("Script", {admins}) == 1, step.nonAdministrators);
        EXPECT_EQ(Rules("Exe").contains("921cc481-6e17-4653-8f75-050b80acca20"), true);
        EXPECT_EQ(Setting("Script", "EnforcementMode").has_value(),
                  step.alunoDenied || step.nonAdministrators)
            << "a collection left with no rule is no longer enforced";
    }
    EXPECT_EQ(Setting("Exe", "EnforcementMode")->data, PolDword(1)) << "another tool's rule";
    EXPECT_NE(Gpt().find("Version=131078\r\n"), std::string::npos) << "user half kept, four more";
    EXPECT_NE(Gpt().find("=[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}{62C1845D-C4A6-4ACB-BBB0-"
                         "C895FD090385}{D02B1F72-3407-48AE-BA88-E8213C6761F1}][{827D319E-6EAC-"
                         "11D2-A4EA-00C04F79F83A}"),
              std::string::npos)
        << Gpt();
}

TEST_F(OutsideExplorer, WhatIsRefusedAndWhereWindowsDoesNotEnforceIt) {
    struct Case {
        const char* what;
        std::function<void(OutsideExplorer&)> arrange;
        std::string message;  // style 48; empty: applied
        bool rules, switches;
    };
    const Case cases[] = {
        {"this account", [](auto& t) { t.Target(core::TargetKind::ThisAccount); },
         kAdministratorsNotBound, false, false},
        {"an administrator",
         [](auto& t) {
             t.lab.accounts.administrators.push_back(kAluno);
             t.Target(core::TargetKind::Account, "aluno");
         },
         kAdministratorsNotBound, false, false},
        {"not installed",
         [](auto& t) { t.lab.hive.DeleteValue(kLM, kCurrentVersion, "ProgramFilesDir"); },
         kNotInstalled, false, false},
        {"x86 program folder",
         [](auto& t) {
             t.lab.hive.DeleteValue(kLM, kCurrentVersion, "ProgramFilesDir");
             PutText(t.lab.hive, kLM, kCurrentVersion, "ProgramFilesDir (x86)",
                     t.lab.folder.parent_path().string() + "\\");
         },
         "", true, true},
        {"Windows 10 1903",
         [](auto& t) {
             t.lab.accounts.windows = {10, 0, 18362, 0x30};
         },
         kNotOnThisWindows, false, true},
        {"Windows 10 1903 Education",
         [](auto& t) {
             t.lab.accounts.windows = {10, 0, 18362, 0x79};
         },
         "", true, true},
        {"Windows 10 2004 Home",
         [](auto& t) {
             t.lab.accounts.windows = {10, 0, 19041, 0x65};
         },
         "", true, true},
        {"Windows 8.1 Pro",
         [](auto& t) {
             t.lab.accounts.windows = {6, 3, 9600, 0x30};
         },
         kNotOnThisWindows, false, true},
        {"Windows 8.1 Enterprise",
         [](auto& t) {
             t.lab.accounts.windows = {6, 3, 9600, 0x04};
         },
         "", true, true},
        {"Windows 7 Professional",
         [](auto& t) {
             t.lab.accounts.windows = {6, 1, 7601, 0x30};
         },
         kNotOnThisWindows, false, true},
        {"Vista Ultimate",
         [](auto& t) {
             t.lab.accounts.windows = {6, 0, 6002, 0x01};
         },
         kNotOnThisWindows, false, true},
        {"Server 2012",
         [](auto& t) {
             t.lab.accounts.windows = {6, 2, 9200, 0x07, true};
         },
         "", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(ComputerFile(lab));
        lab.target.PutFileBytes(std::nullopt);
        SetUp();
        c.arrange(*this);
        std::vector<ShownMessage> said = Press("Label5");
        ShownMessage expected = kApplied;
        if (!c.message.empty()) expected = {c.message, "Quarvel", 48};
        EXPECT_EQ(said, std::vector{expected});
        EXPECT_EQ(!Rules("Exe").empty(), c.rules);
        EXPECT_EQ(HasValue(lab.registry, kCU, kSystem, "DisableTaskMgr", "1") == true, c.switches);
        EXPECT_EQ(static_cast<frmRestE&>(OpenScreen<frmRestE>(lab)).Check1.checked(), c.switches)
            << "where Windows enforces no rule, the box shows the two switches";
        lab.accounts = {};
        lab.accounts.system32 = lab.Folder() + "/System32";
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
    for (const auto& [answer, message] : cases) {
        lab.services.answer = answer;
        lab.services.refreshed = answer != platform::ServiceStart::Running;
        Press("Label4");
        EXPECT_EQ(Press("Label5"), (std::vector<ShownMessage>{{message, "Quarvel", 48}}));
        EXPECT_EQ(Rules("Exe").size(), 3u);
    }
}

TEST_F(OutsideExplorer, TheFileCarriesItAndUndoPutsBackOnlyTheProgramsRules) {
    lab.File("on.qvc", "QV02calc.exe\r\nQVc11\r\n");
    lab.File("off.qvc", "QVc10\r\n");
    lab.File("silent.qvc", "QV02calc.exe\r\n");
    EXPECT_EQ(Run({"/importar", lab.File("on.qvc"), "/para:comuns"}), 0) << lab.shown;
    EXPECT_EQ(Rules("Script").size(), 3u);
    EXPECT_TRUE(HasValue(lab.registry, kCU, kPoliciesSystem, "DisableCMD", "2"));
    EXPECT_NE(lab.Export().find("QV02calc.exe\r\nQVc11\r\n"), std::string::npos);
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

    // Refused or not valid: the rest of the file goes in, the run is done in part.
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
                 Has(PolicyText(e.data), "UserOrGroupSid=\"S-1-5-32-544\"");
    EXPECT_EQ(rules, 1);
    std::vector<PolicyEntry> user = PolicyFileEntries(gpo + "/User/Registry.pol");
    EXPECT_NE(
        std::find(user.begin(), user.end(), PolicyEntry{kSystem, "DisableTaskMgr", 4, PolDword(1)}),
        user.end());
    EXPECT_FALSE(std::filesystem::exists(ComputerFile(lab))) << "this computer's object untouched";
}

}  // namespace
