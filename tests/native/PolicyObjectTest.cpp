// A policy object as the target: HKEY_CURRENT_USER lands in its Registry.pol,
// never in this account's hive, and gpt.ini's version grows once per command.
#include <gtest/gtest.h>

#include "changes/ImportChanges.h"
#include "core/Target.h"
#include "grouppolicy/GptIni.h"
#include "grouppolicy/PolicyFile.h"
#include "menus/MenuCommands.h"
#include "optimization/frmOtiIE.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"
#include "restrictions/AllowList.h"
#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestF.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/support/PolicyTable.h"
#include "tests/support/ScreenVerbs.h"

namespace {

using namespace testing_support;
using namespace std::string_literals;

// A new object's gpt.ini after one command: the user half 1, the computer half 0.
const std::string kNewGpt =
    "[General]\r\ngPCUserExtensionNames=[{35378EAC-683F-11D2-A89A-00C04FBBCFA2}"
    "{D02B1F73-3407-48AE-BA88-E8213C6761F1}]\r\nVersion=65536\r\n";

class PolicyObject : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(core::ChooseTarget(program.context, core::TargetKind::NonAdministrators),
                  core::TargetChoice::Chosen);
    }
    std::string Gpt() { return FileBytes(folder + "\\gpt.ini"); }

    TestProgram program;
    RegistryAccess& registry = program.registry;
    std::string folder = UsersObject(program);
};

TEST_F(PolicyObject, EveryKindOfValueComesBackAsItWasStored) {
    // clang-format off
    // The data as the registry layer hands it over (ANSI), and as Registry.pol holds it.
    const struct { std::string name; std::uint32_t type; std::string stored, inFile; } cases[] = {
        {"Texto", 1, "A\xe7\xe3o\0"s, PolData("Ação")},
        {"Expande", 2, "%U%\0"s, PolData("%U%")},
        {"Numero", 4, "\xff\xff\xff\x03"s, "\xff\xff\xff\x03"s},
        {"Binario", 3, "\0\1\2"s, "\0\1\2"s},
        {"Varios", 7, "a\0b\0\0"s, "a\0\0\0b\0\0\0\0\0"s},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoredValue value{c.type, std::vector<std::uint8_t>(c.stored.begin(), c.stored.end())};
        ASSERT_EQ(registry.Restore(kCU, kBrowserMain, c.name, value), 0);
        EXPECT_EQ(registry.Snapshot(kCU, kBrowserMain, c.name), value);
        EXPECT_EQ(ObjectEntries(folder).back(),
                  (PolicyEntry{kBrowserMain, c.name, c.type, c.inFile}));
    }
}

TEST_F(PolicyObject, DeletionsUnderThePolicyKeysRemoveTheEntryElsewhereTheyAreMarked) {
    PutObjectFile(folder, {{kExplorer, "NoRun", 4, PolDword(1)},
                           {kBrowserMain, "Window Title", 1, PolData("Escola")}});
    ASSERT_TRUE(HasValue(registry, kCU, kBrowserMain, "Window Title", "Escola"));
    EXPECT_EQ(registry.DeleteValue(kCU, kExplorer, "NoRun"), 0);
    EXPECT_EQ(registry.DeleteValue(kCU, kBrowserMain, "Window Title"), 0);
    EXPECT_EQ(registry.DeleteValue(kCU, kExplorer, "NoRun"), 2) << "nothing left";
    EXPECT_EQ(ObjectEntries(folder),
              (Entries{{kBrowserMain, "**del.Window Title", 1, PolData(" ")}}));
    EXPECT_TRUE(IsAbsent(registry, kCU, kBrowserMain, "Window Title"));
    PutText(registry, kCU, kBrowserMain, "Window Title", "Lab");
    EXPECT_EQ(ObjectEntries(folder), (Entries{{kBrowserMain, "Window Title", 1, PolData("Lab")}}))
        << "the marker that would take it away again goes";
}

TEST_F(PolicyObject, TheBlockListStartsForTheRestrictedAccountsOnly) {
    program.values.baseFolder = program.Folder();
    forms::Form& screen = OpenScreen<restrictions::frmRestF>(program);
    TextBoxOf(screen, "Text1").UserType("Jogos");
    RunCommands(program, screen, {"Label4"});  // Bloquear
    const std::string run = std::string(kExplorer) + "\\Run";
    EXPECT_EQ(ObjectEntries(folder),
              (Entries{{run, "TvalueT", 1, PolData("\"" + program.Folder() + "\\DErodu.exe\"")}}));
    const std::string note =
        "A lista é uma só para o computador: vale para todo destino cujo logon inicia o bloqueio.";
    const std::string everyone =
        " A entrada TvalueT de HKEY_LOCAL_MACHINE (de \"Bloquear\" em Esta conta) já o inicia "
        "para todas as contas, administradores inclusive.";
    EXPECT_EQ(screen.Find("Label1")->caption(), note);
    // "Esta conta" may not take away the list the students' logon still uses.
    core::ChooseTarget(program.context, core::TargetKind::ThisAccount);
    PutText(program.hive, kLM, std::string(kRun), "TvalueT", "\"C:\\Quarvel\\DErodu.exe\"");
    forms::Form& mine = OpenScreen<restrictions::frmRestF>(program);
    EXPECT_EQ(mine.Find("Label1")->caption(), note);
    EXPECT_EQ(RunCommands(program, mine, {"Label5"}),
              (Messages{{"A lista de pastas/janelas é uma só para o computador, e o logon de outro "
                         "destino ainda a usa: Usuários comuns. Desbloqueie também nesse destino "
                         "(\"Destino...\") e depois aqui; nada foi mudado.",
                         "Quarvel", 48}}));
    EXPECT_TRUE(program.files.Exists(program.Folder() + "\\restt.qvn"));
    EXPECT_TRUE(program.hive.ValueExists(kLM, kRun, "TvalueT"));
    core::ChooseTarget(program.context, core::TargetKind::NonAdministrators);
    forms::Form& theirs = OpenScreen<restrictions::frmRestF>(program);
    EXPECT_EQ(theirs.Find("Label1")->caption(), note + everyone);
    EXPECT_TRUE(RunCommands(program, theirs, {"Label5"})
                    .at(0)
                    .text.ends_with("ainda a usa: Esta conta (a entrada de HKEY_LOCAL_MACHINE, que "
                                    "vale para todas as contas). "
                                    "Desbloqueie também nesse destino (\"Destino...\") e depois "
                                    "aqui; nada foi mudado."));
    program.hive.DeleteValue(kLM, kRun, "TvalueT");
    RunCommands(program, theirs, {"Label5"});  // Desbloquear
    EXPECT_TRUE(ObjectEntries(folder).empty()) << "a policy value goes when the object drops it";
}

TEST_F(PolicyObject, AnotherToolsMarkersAreReadAsWindowsAppliesThemInOrder) {
    const std::string key = kSystem, sub = key + "\\Sub";
    // clang-format off
    PutObjectFile(folder, {{key, "A", 4, PolDword(1)}, {key, "**delvals.", 1, PolData(" ")},
                           {key, "B", 4, PolDword(2)}, {key, "C", 4, PolDword(3)},
                           {key, "**DeleteValues", 1, PolData("x;b")}, {key, "D", 4, PolDword(4)},
                           {key, "**del.d", 1, PolData(" ")}, {sub, "E", 4, PolDword(5)},
                           {key, "**DeleteKeys", 1, PolData("Outra;Sub")}, {sub, "F", 4, PolDword(6)}});
    // clang-format on
    std::string read;
    for (const auto& [at, name] :
         {std::pair{key, "A"}, {key, "B"}, {key, "C"}, {key, "D"}, {sub, "E"}, {sub, "F"}})
        read += registry.ValueExists(kCU, at, name) ? registry.GetValue(kCU, at, name) : "-";
    EXPECT_EQ(read, "--3--6");
}

TEST(AccountsObject, NarrowsTheNonAdministratorsNeverWidens) {
    const std::string list = std::string(kExplorer) + "\\RestrictRun";
    const PolicyEntry keepAll{list, "**delvals.", 1, PolData(" ")};
    const PolicyEntry foreign{kBrowserMain, "Window Title", 1, PolData("Escola \u03a9")};
    changes::RegistryWrite unsetPage;
    unsetPage.kind = changes::RegistryWrite::Kind::DeleteValue;
    unsetPage.key = kBrowserMain;
    unsetPage.name = "Start Page";
    for (const auto& [account, sid] :
         {std::pair{"", "S-1-5-32-545"}, {"aluno", "S-1-5-21-1-2-3-1001"}}) {
        SCOPED_TRACE(sid);
        TestProgram program;
        const std::string folder = UsersObject(program, sid);
        PutObjectFile(folder, {foreign, {list, "7", 1, PolData("velho.exe")}});
        ASSERT_EQ(core::ChooseTarget(
                      program.context,
                      *account ? core::TargetKind::Account : core::TargetKind::NonAdministrators,
                      account),
                  core::TargetChoice::Chosen);
        RegistryAccess& registry = program.registry;
        EXPECT_TRUE(HasValue(registry, kCU, kBrowserMain, "Window Title", "Escola ?"));
        PutText(registry, kCU, kBrowserMain, "Window Title", "Escola ?");  // read, written back
        ASSERT_TRUE(restrictions::allow_list::PrepareList(registry));
        restrictions::allow_list::WriteUserList(registry, {"jogo.exe"});
        EXPECT_EQ(changes::FindChanges(registry, {unsetPage}, {}).writes.size(), 1u)
            << "absent is not deleted: the profile keeps a page the object never mentioned";
        long deleted = registry.DeleteValue(kCU, kExplorer, "NoRun");
        // clang-format off
        Entries expected = {foreign, keepAll, {list, "1", 1, PolData("Quarvel.exe")},
            {list, "2", 1, PolData("Resgate.exe")}, {list, "3", 1, PolData("DErodu.exe")},
            {list, "6", 1, PolData("jogo.exe")}};
        // clang-format on
        if (*account) expected.push_back({kExplorer, "**del.NoRun", 1, PolData(" ")});
        EXPECT_EQ(deleted, *account ? 0 : 2);
        EXPECT_EQ(ObjectEntries(folder), expected);
        ASSERT_EQ(registry.DeleteValue(kCU, kBrowserMain, "Start Page"), 0);
        EXPECT_TRUE(changes::FindChanges(registry, {unsetPage}, {}).empty()) << "said once";
    }
}

TEST_F(PolicyObject, AFileThatIsNoPolicyFileIsNeitherReadNorOverwrittenAndIsSaidEverywhere) {
    const std::string pol = folder + "\\User\\Registry.pol";
    auto damaged = [](const std::string& object) {
        return "O arquivo " + object +
               "\\User\\Registry.pol não é um Registry.pol válido (cortado, com lixo ou de "
               "outra versão): nada foi lido dele nem gravado nele.";
    };
    const std::string said = damaged(folder);
    // clang-format off
    for (const std::string& junk : {"PReg\x02\0\0\0"s,                       // another version
                                    "PREG\x01\0\0\0"s,                       // another signature
                                    "PReg\x01\0\0\0[\0S\0"s,               // cut
                                    "<html>n\xe3o encontrado</html>"s}) {  // garbage
        // clang-format on
        PutObjectBytes(folder, junk);
        EXPECT_TRUE(IsAbsent(registry, kCU, kExplorer, "NoRun"));
        menus::RunMenuCommand(core::MenuCommand::SystemRestrictions, program.screens,
                              program.context);
        EXPECT_EQ(program.dialogs.messages, (Messages{{said, "Quarvel", 48}}));
        auto& screen = *program.screens.Find<restrictions::frmRestS>();
        ShownMessage refused = RunCommands(program, screen, {kSystemScreen.aplicar}).at(0);
        EXPECT_TRUE(refused.text.ends_with("DisableLockWorkstation: " + said)) << refused.text;
        EXPECT_EQ(refused.style, 16);
        program.dialogs.messages.clear();
        menus::RunMenuCommand(core::MenuCommand::ImportFromFile, program.screens, program.context);
        EXPECT_EQ(program.dialogs.messages.size(), 1u) << "said, and no file asked for";
        EXPECT_EQ(FileBytes(pol), junk);
        Lab lab;  // named, nothing read or written, on the command line too
        const std::string theirs = UsersObject(lab);
        PutObjectBytes(theirs, junk);
        for (const char* job : {"/exportar", "/importar"}) {
            EXPECT_EQ(lab.Run({job, lab.File("a.qvc", "QV0101\r\n"), "/para:comuns"}), 2);
            EXPECT_EQ(lab.shown, damaged(theirs) + " (código 2)\r\n");
        }
        EXPECT_EQ(FileBytes(theirs + "\\User\\Registry.pol"), junk);
        program.screens.Close(screen);
        program.dialogs.messages.clear();
    }
    // The start-up mode stays with the account running the program.
    const std::string mine = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    PutText(registry, kCU, mine, "Tb", "0");
    EXPECT_TRUE(HasValue(program.hive, Hive::CurrentUser, mine, "Tb", "0"));
}

// Each write of a job refused in turn (every write ends with a move): the
// backup, the object's file, its gpt.ini; then none. Only what is written is
// said to be, first what Windows will not apply.
TEST(PolicyObjectUnwritten, EachFileAJobCannotWriteIsSaidWithItsExitCode) {
    const std::string notApplied =
        ": o Windows não aplicará estas mudanças às contas do destino. O que é do computador foi "
        "gravado. (código 4)";
    for (int refused = 0; refused < 4; ++refused) {
        SCOPED_TRACE(refused);
        Lab lab;
        const std::string object = UsersObject(lab), pol = object + "\\User\\Registry.pol",
                          gpt = object + "\\gpt.ini";
        // clang-format off
        const struct { int code; std::string report; bool imported, polWritten, gptWritten; } steps[] = {
            {4, "Não foi possível guardar uma cópia das configurações atuais em " +
                AsNamed(lab.files.CommonAppDataFolder(), "/Quarvel/Copias") + " nem em " +
                SystemProfileBackups(lab.accounts.system32) + "; nada foi importado. (código 4)",
             false, false, false},
            {4, "Não foi possível gravar " + pol + notApplied, true, false, false},
            {4, "Não foi possível gravar " + gpt + notApplied, true, true, false},
            {0, "Configurações importadas com sucesso. (código 0)", true, true, true},
        };
        // clang-format on
        const auto& step = steps[refused];
        lab.files.refusedMove = refused;
        EXPECT_EQ(lab.Run({"/importar", lab.File("a.qvc", "QV010000000000000000001\r\nQV07Lab\r\n"),
                           "/para:comuns"}),
                  step.code);
        EXPECT_EQ(lab.shown, step.report + "\r\n");
        EXPECT_EQ(lab.hive.ValueExists(kLM, kWinlogon, "LegalNoticeCaption"), step.imported);
        EXPECT_EQ(lab.files.Exists(pol) && ObjectEntries(object).at(18).value == "NoRun",
                  step.polWritten);
        EXPECT_EQ(FileBytes(gpt), step.gptWritten ? kNewGpt : "");
    }
}

// A screen writes the object, never this account; a write refused is neither
// read back nor claimed, and the version is raised once a command that wrote.
TEST_F(PolicyObject, AScreenWritesTheObjectAndARefusedWriteIsNeitherReadBackNorClaimed) {
    program.files.refusedMove = 0;
    EXPECT_NE(registry.SetValue(kCU, kExplorer, "NoRun", 1), 0);
    EXPECT_TRUE(IsAbsent(registry, kCU, kExplorer, "NoRun")) << "in the same command";
    program.screens.Collect();
    EXPECT_FALSE(AnythingAt(folder + "\\User\\Registry.pol") || AnythingAt(folder + "\\gpt.ini"));
    auto& screen = OpenScreen<restrictions::frmRestS>(program);
    static_cast<forms::CheckBox*>(screen.Find("CheckS1"))->SetChecked(true);
    program.files.refusedMove = 0;  // the first of the eleven values: NoFolderOptions
    std::vector<ShownMessage> said = RunCommands(program, screen, {kSystemScreen.aplicar});
    ASSERT_EQ(said.size(), 1u) << "no success";  // the refused value named, only that one
    EXPECT_TRUE(
        said[0].text.starts_with("Não foi possível gravar as restrições NoFolderOptions:") &&
        said[0].style == 16 && said[0].title == "Erro")
        << said[0].text;
    EXPECT_EQ(ObjectEntries(folder).size(), 10u) << "the refused value never reached the file";
    EXPECT_EQ(Gpt(), kNewGpt) << "ten values, one command: the user half raised once";
    program.files.refusedMove = 11;  // the eleven values written, then gpt.ini
    EXPECT_EQ(RunCommands(program, screen, {kSystemScreen.aplicar}),
              (Messages{{"Restrições aplicadas com sucesso", "Quarvel", 64},
                        {"Não foi possível aumentar a versão em " + folder +
                             "\\gpt.ini: o Windows não aplicará esta mudança às "
                             "contas do destino.",
                         "Erro", 16}}));
    EXPECT_EQ(Gpt(), kNewGpt);
    EXPECT_EQ(ObjectEntries(folder).back(),
              (PolicyEntry{kExplorer, "NoFolderOptions", 4, PolDword(1)}));
    EXPECT_TRUE(IsAbsent(program.hive, kCU, kExplorer, "NoFolderOptions"));
    auto& again = OpenScreen<restrictions::frmRestS>(program);  // shows what the object holds
    EXPECT_TRUE(static_cast<forms::CheckBox*>(again.Find("CheckS1"))->checked());
}

TEST_F(PolicyObject, WhatOnlyTheAccountItselfHoldsIsRefusedAndSaid) {
    const std::string mail = "a chave do programa de e-mail depende da identidade de cada conta.";
    // clang-format off
    const struct { Opener open; std::vector<const char*> commands; std::string reason; } cases[] = {
        {OpenScreen<personalization::frmPersDesk>, {"Label11"},
         "a lista de arquivos recentes fica no perfil de cada conta."},
        {OpenScreen<optimization::frmOtiIE>, {"Label2", "Label6"}, mail},
        {OpenScreen<personalization::frmPersIE>, {"Label2", "Label22"}, mail},
    };
    // clang-format on
    const std::string recent = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
    PutText(program.hive, kCU, recent, "File0", "aula.wmv");
    for (const auto& c : cases) {
        forms::Form& screen = c.open(program);
        for (const char* command : c.commands) RunCommands(program, screen, {command});
        EXPECT_EQ(
            program.dialogs.messages,
            (Messages{{"Isto não pode ser feito para Usuários comuns: " + c.reason +
                           " Isso só se faz dentro de cada conta, e as contas comuns não rodam "
                           "o Quarvel (ele pede um administrador): faça-o pelo próprio Windows "
                           "em cada conta; nada foi mudado.",
                       "Quarvel", 48}}));
    }
    EXPECT_FALSE(AnythingAt(folder)) << "nothing written into the object";
    EXPECT_TRUE(HasValue(program.hive, kCU, recent, "File0", "aula.wmv"));
}

TEST(GptIni, EachHalfGrowsByOneStopsAtItsTopAndTheListsStayInGuidOrder) {
    // clang-format off
    const std::string reg = "35378EAC-683F-11D2-A89A-00C04FBBCFA2}", templates = "{D02B1F72-3407-48AE-BA88-E8213C6761F1}]",
        other = "[{827D319E-6EAC-11D2-A4EA-00C04F79F83A}{803E14A0-B4FB-11D0-A0D0-00A0C90F574B}]",
        tools = "{62C1845D-C4A6-4ACB-BBB0-C895FD090385}" + templates,
        user = "gPCUserExtensionNames=[{" + reg + "{D02B1F73-3407-48AE-BA88-E8213C6761F1}]\r\n",
        machine = "gPCMachineExtensionNames=[{" + reg + tools + "\r\n", general = "[General]\r\n";
    const struct { bool computer; std::string before, after; } cases[] = {
        {false, "", general + user + "Version=65536"},
        {false, general + "Version=65535", general + user + "Version=131071"},  // the computer half kept
        {false, general + "Version=4294967295", general + user + "Version=4294967295"},  // the top: stays
        // Another tool's spelling: understood, not a second section or key.
        {false, "[general]\r\nVERSION = 7\r\ngpcuserextensionnames=" + other,
         "[general]\r\nVersion=65543\r\n" + user.substr(0, user.size() - 2) + other},
        {true, "", general + machine + "Version=1"},
        {true, general + "Version=4294901760", general + machine + "Version=4294901761"},  // the user half kept
        {true, general + "Version=131071", general + machine + "Version=131071"},  // the top
        // Merged: each group's tools and the groups in GUID order, as Windows requires.
        {true, general + "gPCMachineExtensionNames=" + other + "[{" + Lowered(reg) + templates + "\r\nVersion=1",
         general + "gPCMachineExtensionNames=[{" + Lowered(reg) + tools + other + "\r\nVersion=2"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(grouppolicy::RaisedGptIni(
                      c.before, c.computer ? grouppolicy::kMachineHalf : grouppolicy::kUserHalf),
                  c.after + "\r\n")
            << c.before;
}

// Two readers of Registry.pol, ours and the program's: a file broken at any
// byte of its header or of an entry's frame, or cut anywhere, is none.
TEST(PolicyFileReaders, RefuseAFileBrokenAtAnyByteOfItsFrame) {
    // "PReg" 1 [ K \0 ; N \0 ; type ; size ; data ], two bytes a character.
    const std::string good = PolicyBytes({{"K", "N", 4, PolDword(7)}});
    ASSERT_TRUE(ReadPolicyFile(good) && grouppolicy::ParsePolicyFile(good));
    std::vector<std::string> broken;
    for (std::size_t at : {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  12, 13, 14,
                           15, 18, 19, 20, 21, 26, 27, 28, 32, 33, 38, 39}) {
        broken.push_back(good);
        broken.back()[at] ^= 0x20;  // "p", a blank for a null, "{" for "[", 36 bytes of data
    }
    for (std::size_t size = 9; size < good.size(); ++size) broken.push_back(good.substr(0, size));
    for (const std::string& file : broken) {
        EXPECT_FALSE(ReadPolicyFile(file)) << testing::PrintToString(file);
        EXPECT_FALSE(grouppolicy::ParsePolicyFile(file)) << testing::PrintToString(file);
    }
}

// The target the menus remember is never the command line's: without /para
// the values go to the running account's own hive.
TEST(TargetOnTheCommandLine, WhoIsRestrictedIsSaidOrRefused) {
    const platform::Account system{"SYSTEM", "S-1-5-18"}, admin{"Adm", "S-1-5-21-1-2-3-500"};
    // report: how it starts; object: the SID whose object holds NoRun (nullptr: none written)
    // clang-format off
    const struct { platform::Account running; bool perAccount; std::vector<std::string> switches;
                   int code; const char* report; const char* object; } cases[] = {
        {system, true, {}, 1, "O Quarvel roda como conta de serviço do Windows (SYSTEM)", nullptr},
        {{"LOCAL SERVICE", "S-1-5-19"}, true, {}, 1, "O Quarvel roda como conta de serviço do Windows (LOCAL SERVICE)", nullptr},
        {{"NETWORK SERVICE", "S-1-5-20"}, true, {}, 1, "O Quarvel roda como conta de serviço do Windows (NETWORK SERVICE)", nullptr},
        {system, true, {"/para:comuns"}, 0, "Configurações importadas com sucesso", "S-1-5-32-545"},
        {system, true, {"/PARA:Comuns"}, 0, "Configurações importadas com sucesso", "S-1-5-32-545"},
        {admin, true, {"/para:aluno"}, 0, "Configurações importadas", "S-1-5-21-1-2-3-1001"},
        {admin, true, {"/para:ninguem"}, 1,
         "Não há conta local chamada \"ninguem\" neste computador", nullptr},
        {admin, true, {"/para:ESCOLA\\aluno"}, 1, "A conta \"ESCOLA\\aluno\" não é deste computador (é de um domínio ou do Azure AD)", nullptr},
        {admin, true, {"/para:AzureAD\\ana"}, 1, "A conta \"AzureAD\\ana\" não é deste computador (é de um domínio ou do Azure AD)", nullptr},
        {admin, true, {}, 0, "Configurações importadas", nullptr},
        {admin, false, {"/para:comuns"}, 1, "Este Windows não tem políticas locais por conta (elas "
         "existem do Windows Vista em diante): as configurações só podem ir para esta conta. "
         "(código 1)", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.report);
        Lab lab;
        lab.accounts.running = c.running;
        lab.accounts.perAccount = c.perAccount;
        lab.accounts.elsewhere = {{"ESCOLA\\aluno", "S-1-5-21-7-8-9-1105"},
                                  {"AzureAD\\ana", "S-1-12-1-4-5-6-7"}};
        PutText(lab.hive, kCU, kCurrentVersion, "Destino", "comuns");
        std::vector<std::string> arguments{"/importar",
                                           lab.File("lab.qvc", "QV010000000000000000001\r\n")};
        arguments.insert(arguments.end(), c.switches.begin(), c.switches.end());
        EXPECT_EQ(lab.Run(arguments), c.code);
        EXPECT_TRUE(lab.shown.starts_with(c.report)) << lab.shown;
        EXPECT_TRUE(c.code == 0 && !c.object ? HasValue(lab.hive, kCU, kExplorer, "NoRun", "1")
                                             : IsAbsent(lab.hive, kCU, kExplorer, "NoRun"));
        EXPECT_EQ(AnythingAt(lab.accounts.system32), c.object != nullptr);
        if (c.object) {
            EXPECT_EQ(ObjectEntries(UsersObject(lab, c.object)).at(18),
                      (PolicyEntry{kExplorer, "NoRun", 4, PolDword(1)}));
        }
    }
}

}  // namespace
