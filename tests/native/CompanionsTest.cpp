// The companions' portable parts: which windows DErodu closes, and what the
// emergency program lifts, after the lock code when one is stored.
#include <gtest/gtest.h>

#include "companions/BlockRule.h"
#include "companions/frmResgate.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/support/PolicyTable.h"
#include "tests/support/ScreenTables.h"
#include "tests/support/ScreenVerbs.h"

namespace {

using namespace testing_support;
using namespace testing_support::screens;

TEST(BlockRule, ANameMatchesATitleWhateverTheLetterCaseAndBlanks) {
    struct {
        std::string title, name;
        bool matches;
    } rows[] = {
        {"Paciência", "paciência", true},
        {"  PACIÊNCIA ", "Paciência\t", true},
        {"Jogos", "C:\\Arquivos\\Jogos\\", true},
        {"C:\\Arquivos\\Jogos", "c:\\arquivos\\jogos", true},
        {std::string(600, 'A'), std::string(600, 'a'), true},
        {"Paciência Spider", "Paciência", false},
        {"Jogos", "Jogo", false},
        {"", "", false},
        {"Bloco de notas", "   ", false},
        {"x", "\\", false},
        {"\xff\xfe", "\xff", false},  // not UTF-8
    };
    for (const auto& row : rows)
        EXPECT_EQ(companions::TitleMatches(row.title, row.name), row.matches) << row.title;
    EXPECT_EQ(companions::BlockedNames({"Quarvel by Ostrelvan - x", "", "  ", " Jogos ",
                                        "Quarvel by Ostrelvan", "Paint"}),
              (std::vector<std::string>{"Jogos", "Paint"}))
        << "the signature line and blank lines are no names";
}

// A window is spared only when its process runs one of the program's own
// executables from the program's own folder, compared whole.
TEST(BlockRule, SparesOnlyTheProgramsOwnFilesInItsOwnFolder) {
    const std::string own = "C:\\Arquivos de Programas\\Quarvel";
    for (const std::string& path : {own + "\\Quarvel.exe", own + "\\Resgate.exe",
                                    std::string("c:\\ARQUIVOS DE PROGRAMAS\\quarvel\\DERODU.EXE")})
        EXPECT_TRUE(companions::IsOwnProgram(path, own)) << path;
    // limpaico has no window; a game copied to an own name elsewhere; prefix tricks.
    for (const std::string& path :
         {own + "\\limpaico.exe", own + "\\jogo.exe", std::string("C:\\Jogos\\Quarvel.exe"),
          std::string("C:\\Arquivos de Programas\\QuarvelX\\Quarvel.exe"),
          own + "\\Quarvel.exe.evil\\x", own + "\\Sub\\Resgate.exe", own + "Quarvel.exe",
          std::string("Quarvel.exe"), std::string()})
        EXPECT_FALSE(companions::IsOwnProgram(path, own)) << path;
    EXPECT_FALSE(companions::IsOwnProgram("\\Quarvel.exe", "")) << "no folder known: none";
}

class Rescue : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* key : {kExplorer, kSystem, kNetwork}) registry.CreateKey(HKCU, key);
        PutNumber(registry, HKCU, kExplorer, "RestrictRun", 1);
        PutNumber(registry, HKCU, kExplorer, "NoRun", 1);
        PutNumber(registry, HKCU, kExplorer, "NoSaveSettings", 1);  // on two screens: one
        PutText(registry, HKCU, std::string(kExplorer) + "\\RestrictRun", "6", "calc.exe");
        PutText(registry, HKLM, kRun, "TvalueT", "C:\\Quarvel\\DErodu.exe");
        registry.CreateKey(HKLM, kCurrentVersion);
    }
    std::vector<ShownMessage> Lift(const char* code = nullptr) {
        forms::Form& screen = OpenScreen<companions::frmResgate>(program);
        EXPECT_EQ(screen.Find("Text1")->visible(), code != nullptr);
        if (code) TextBoxOf(screen, "Text1").UserType(code);
        program.renderer.quit = false;
        auto said = RunCommands(program, screen, {"Label1"});
        EXPECT_TRUE(program.renderer.quit) << "it ends after one try";
        return said;
    }
    static ShownMessage Report(const std::string& lines) {
        return {lines.empty() ? "Nenhuma restrição do Quarvel estava em vigor nesta conta."
                              : "Restrições desfeitas:" + lines +
                                    "\r\nAs alterações valem a partir do próximo logon.",
                "Quarvel - Resgate", 64};
    }
    TestProgram program;
    RegistryAccess& registry = program.registry;
};

TEST_F(Rescue, AsksForTheLockCodeOfAnyTypeLiftsTheRestrictionsKeepsTheListsAndSaysWhat) {
    PutText(registry, HKLM, kCurrentVersion, "SYSNOT", "Segredo");
    EXPECT_EQ(Lift("segredo"),
              (std::vector<ShownMessage>{{"Seu código é inválido, para maiores informações, "
                                          "envie um E-mail para suporte@quarvel.com.br",
                                          "Erro de Autenticação", 0}}));
    EXPECT_TRUE(HasValue(registry, HKCU, kExplorer, "NoRun", "1")) << "nothing is lifted";
    PutNumber(registry, HKLM, kCurrentVersion, "SYSNOT", 42);
    EXPECT_EQ(
        Lift("42"),
        (std::vector{Report("\r\n- a restrição de executáveis foi desligada\r\n- 2 restrições do "
                            "Windows foram desligadas\r\n- o bloqueio de pastas/janelas não será "
                            "mais iniciado com o Windows")}));
    for (const char* name : {"RestrictRun", "NoRun", "NoFolderOptions"})
        EXPECT_TRUE(HasValue(registry, HKCU, kExplorer, name, "0")) << name;
    EXPECT_TRUE(KeyIsAbsent(registry, HKCU, kWinOldApp)) << "no key is created";
    EXPECT_TRUE(IsAbsent(registry, HKLM, kRun, "TvalueT"));
    EXPECT_TRUE(
        HasValue(registry, HKCU, std::string(kExplorer) + "\\RestrictRun", "6", "calc.exe"));
    registry.DeleteValue(HKLM, kCurrentVersion, "SYSNOT");  // no code: nothing asked
    EXPECT_EQ(Lift(), std::vector{Report("")});
    PutNumber(registry, HKCU, kExplorer, "NoDrives", 0x03FFFFFF);  // a drive mask is on too
    // The logon entry as written now (quoted) goes as the older form above did.
    PutText(registry, HKLM, kRun, "TvalueT", "\"C:\\Program Files\\Quarvel\\DErodu.exe\"");
    EXPECT_EQ(Lift(), std::vector{Report("\r\n- 1 restrição do Windows foi desligada\r\n- o "
                                         "bloqueio de pastas/janelas não será mais iniciado com "
                                         "o Windows")});
    EXPECT_TRUE(HasValue(registry, HKCU, kExplorer, "NoDrives", "0"));
    EXPECT_TRUE(IsAbsent(registry, HKLM, kRun, "TvalueT"));
    // The students' and an account's objects still restrict: named, with the way out.
    const std::string objects = program.accounts.system32 + "\\GroupPolicyUsers\\";
    PutObjectFile(objects + "S-1-5-32-545", {{kExplorer, "NoRun", 4, PolDword(1)}});
    PutObjectFile(objects + "S-1-5-21-1-2-3-1001", {{kExplorer, "**del.NoRun", 1, PolData(" ")}});
    PutObjectFile(objects + "S-1-5-21-1-2-3-500", {{kExplorer, "NoRun", 4, PolDword(1)}});
    EXPECT_EQ(Lift(), (std::vector<ShownMessage>{
                          {"Nenhuma restrição do Quarvel estava em vigor nesta conta.\r\nAinda "
                           "restringem, pela política local do Windows:\r\n- Usuários comuns (" +
                               objects + "S-1-5-32-545)\r\n- Conta Administrador (" + objects +
                               "S-1-5-21-1-2-3-500)\r\nPara desfazê-las, abra o Quarvel, escolha "
                               "esse destino em \"Destino...\" e desmarque as restrições, ou "
                               "apague a pasta do objeto.",
                           "Quarvel - Resgate", 64}}));
}

}  // namespace
