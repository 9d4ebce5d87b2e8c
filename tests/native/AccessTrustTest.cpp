// What an elevated program trusts on disk, by access lists as Windows reports
// them (typed here: Wine keeps none on disk).
#include <gtest/gtest.h>

#include <filesystem>

#include "core/AccessTrust.h"
#include "personalization/frmNovo.h"
#include "restrictions/frmRestF.h"
#include "tests/support/ScreenVerbs.h"
#include "tests/support/TransferVerbs.h"

namespace {

using namespace testing_support;
using changes::ImportStatus;
using platform::AccessEntry;

constexpr std::uint32_t kFull = 0x1F01FF, kRead = 0x1200A9, kModify = 0x1301BF;
constexpr const char* kAdmins = "S-1-5-32-544";
constexpr const char* kSystem = "S-1-5-18";
constexpr const char* kStudent = "S-1-5-21-1-2-3-1001";
const std::vector<AccessEntry> kPrivate = {{kAdmins, kFull}, {kSystem, kFull}};
const ShownMessage kBlocked{"Restrições aplicadas com sucesso", "Quarvel", 64};
const std::string kNotOwner = ", não aos Administradores nem ao SYSTEM";

struct Row {
    const char* name;
    std::string owner;
    std::vector<AccessEntry> more;  // besides Administrators and SYSTEM
    std::string why;                // after the path; "" when trusted
    bool reparse = false, moved = false, noList = false;
};

// clang-format off
const Row kRows[] = {
    {"readers only", kAdmins, {{"S-1-5-32-545", kRead}}, ""},
    {"owned by SYSTEM, a denial, the creator's share", kSystem,
     {{"S-1-1-0", kFull, false}, {"S-1-3-0", kFull, true, true}}, ""},
    {"owned by the installer service", "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464", {}, ""},
    {"owned by a student", kStudent, {}, " pertence a S-1-5-21-1-2-3-1001" + kNotOwner},
    {"owned by the Users", "S-1-5-32-545", {}, " pertence a S-1-5-32-545 (Usuários)" + kNotOwner},
    {"owned by nobody known", "", {}, " pertence a uma conta desconhecida" + kNotOwner},
    {"the creator's group's share", kAdmins, {{"S-1-3-1", 0x2, true, true}}, ": S-1-3-1 pode criar arquivos ou gravar"},
    {"a drive's root, unpacked there", kAdmins, {{"S-1-5-11", kModify}},
     ": S-1-5-11 (Usuários autenticados) pode apagar ou renomear, criar arquivos ou gravar, criar pastas ou acrescentar"},
    {"a junction", kAdmins, {}, " é um ponto de junção ou um link simbólico", true},
    {"a path that leads elsewhere", kAdmins, {}, " leva a outro lugar (C:\\Quarvel)", false, true},
    {"no access list", kAdmins, {}, " não tem lista de acesso: qualquer um pode mudá-la", false, false, true},
};
// clang-format on

void SetRow(TestProgram& program, const std::string& path, const Row& row) {
    std::vector<AccessEntry> entries = kPrivate;
    entries.insert(entries.end(), row.more.begin(), row.more.end());
    platform::AccessList list{row.owner, entries, row.reparse, row.moved ? "C:\\Quarvel" : path};
    if (row.noList) list.entries.reset();
    program.files.SetAccess(path, list);
}

// One right at a time, granted to each account a student is, on each path an
// elevated program judges: the backup folder and the one that holds it (for
// the backups), the program's folder and DErodu.exe (for the logon entry).
TEST(AccessTrust, EveryRightThatLetsAnotherChangeAPathIsRefusedAlone) {
    // clang-format off
    const std::pair<std::uint32_t, const char*> rights[] = {
        {0x10000000, "fazer tudo"}, {0x40000000, "gravar"}, {0x10000, "apagar ou renomear"},
        {0x40000, "mudar as permissões"}, {0x80000, "tomar posse"}, {0x40, "apagar o que ela contém"},
        {0x2, "criar arquivos ou gravar"}, {0x4, "criar pastas ou acrescentar"},
        // Reading, running, synchronizing: harmless.
        {0x1, ""}, {0x8, ""}, {0x20, ""}, {0x80, ""}, {0x20000, ""}, {0x100000, ""},
        {0x80000000, ""}, {0x20000000, ""}};
    const std::pair<std::string, std::string> others[] = {  // "" for the elevated administrator
        {kStudent, kStudent}, {"S-1-5-11", "S-1-5-11 (Usuários autenticados)"},
        {"S-1-5-32-545", "S-1-5-32-545 (Usuários)"}, {"S-1-1-0", "S-1-1-0 (Todos)"},
        {"S-1-5-21-1-2-3-500", ""}};
    // clang-format on
    Computer computer;
    platform::StdFiles& files = computer.files;
    files.elevated = "S-1-5-21-1-2-3-500";
    const std::string backups = undo::BackupFolder(files), program = files.ProgramFolder();
    std::filesystem::create_directories(backups);
    std::ofstream(program + "\\DErodu.exe") << "MZ";
    for (auto [path, backup] : {std::pair{backups, true},
                                {core::ParentOf(backups), true},
                                {program, false},
                                {program + "\\DErodu.exe", false}}) {
        for (auto& [sid, named] : others)
            for (auto [right, words] : rights)
                for (bool inheritOnly : {false, true}) {
                    SetRow(computer, path, {"", kAdmins, {{sid, right, true, inheritOnly}}, ""});
                    EXPECT_EQ(
                        backup ? core::FolderDistrust(files, backups)
                               : core::ProgramDistrust(files, "\\DErodu.exe"),
                        *words && !named.empty() ? path + ": " + named + " pode " + words : "")
                        << sid << " " << right << (inheritOnly ? " inherited only" : "");
                }
        SetRow(computer, path, {"", kAdmins, {}, ""});
    }
}

// Each folder or file an elevated program relies on, as a student may have
// made it: the backup folder or its parent (the import backs up in SYSTEM's
// profile instead, says so, and undo takes it back from there); the program's
// folder, its parent or the companions (no logon entry starts them).
TEST(AccessTrust, NothingStartsOrIsKeptWhereAnotherMayChangeIt) {
    for (const Row& row : kRows) {
        for (int judged : {0, 1, 2, 3, 4}) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(judged));
            const bool refused = !row.why.empty(), backups = judged < 2;
            Computer computer;
            const std::string usual = undo::BackupFolder(computer.files);
            const std::string fallback = SystemProfileBackups(computer.accounts.system32);
            const std::string folder = computer.files.ProgramFolder();
            const std::string companions[] = {folder + "\\DErodu.exe", folder + "\\limpaico.exe"};
            const std::string paths[] = {usual, core::ParentOf(usual), folder,
                                         core::ParentOf(folder)};
            std::filesystem::create_directories(usual);
            for (const std::string& companion : companions) {
                std::ofstream(companion) << "MZ";
                if (judged == 4) SetRow(computer, companion, row);
            }
            if (judged < 4) SetRow(computer, paths[judged], row);
            // What is said of a logon entry ("" at the start of the program).
            auto said = [&](const std::string& entry, const char* title) {
                std::string at = judged < 4 ? paths[judged] : companions[entry[0] == 'D'];
                return std::vector<ShownMessage>{
                    {"O Quarvel está numa pasta que outros usuários podem mudar (" + at + row.why +
                         (entry.empty() ? "): enquanto estiver nela, ele não grava as entradas "
                                          "de logon do bloqueio de pastas/janelas nem da limpeza "
                                          "do cache de ícones."
                                        : "): a entrada de logon " + entry +
                                              " não foi gravada, pois qualquer um poderia trocar "
                                              "o programa que ela inicia.") +
                         " Instale o Quarvel com o instalador, em Arquivos de Programas.",
                     title, entry.empty() ? 48 : 16}};
            };
            const bool entries = backups || !refused;
            auto& blocking = computer.screens.Open<restrictions::frmRestF>(computer.context);
            blocking.Text1.UserType("Jogos");
            auto& icons = computer.screens.Open<personalization::frmNovo>(computer.context);
            core::WarnOfProgramFolder(computer.files, computer.dialogs);
            EXPECT_EQ(computer.dialogs.messages, std::vector<ShownMessage>()) << "not elevated";
            computer.files.elevated = "S-1-5-21-1-2-3-500";
            core::WarnOfProgramFolder(computer.files, computer.dialogs);
            EXPECT_EQ(computer.dialogs.messages,
                      entries ? std::vector<ShownMessage>() : said("", "Quarvel"));
            EXPECT_EQ(RunCommands(computer, blocking, {"Label4"}),
                      entries ? std::vector{kBlocked} : said("TvalueT", "Erro"));
            EXPECT_EQ(RunCommands(computer, icons, {"Label45"}).size(), 1u);
            if (!entries) {
                EXPECT_EQ(computer.dialogs.messages, said("DelIconCache", "Erro"));
            }
            computer.dialogs.messages.clear();
            std::vector<ShownMessage> imported = {kImported};
            if (!entries) imported = said("TvalueT", "Quarvel²");
            if (backups && refused)
                imported.insert(
                    imported.begin(),
                    {"A pasta das cópias de segurança não é segura (" + paths[judged] + row.why +
                         "): ela não foi usada, e a cópia desta importação "
                         "foi guardada em " +
                         fallback +
                         ". Apague essa pasta; o "
                         "Quarvel a cria de novo só para os Administradores.",
                     "Quarvel²", 48});
            EXPECT_EQ(computer.Import({"QV09novo", "QV03C:\\Outros"}),
                      refused ? ImportStatus::Partial : ImportStatus::Done);
            EXPECT_EQ(computer.dialogs.messages, imported);
            for (const char* entry : {"TvalueT", "DelIconCache"})
                EXPECT_EQ(computer.registry.ValueExists(kLM, kRun, entry), entries) << entry;
            EXPECT_NE(computer.BlockList().find("Outros"), std::string::npos) << "the list is";
            EXPECT_EQ(computer.files.FileNames(usual).size(), backups && refused ? 0u : 1u);
            EXPECT_EQ(computer.files.FileNames(fallback).size(), backups && refused ? 1u : 0u);
            EXPECT_EQ(computer.Undo(ImportStatus::Done), std::vector<ShownMessage>{kUndone});
            computer.Expect({{kLM, kCurrentVersion, "SYSNOT", kAbsent}});
            for (const std::string& companion : companions) std::filesystem::remove(companion);
        }
    }
}

}  // namespace
