// Quarvel.exe's switches: each run's exit code and report; the Group Policy
// files hold exactly what the import writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/TransferVerbs.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

TEST(CommandLine, EachRunEndsWithItsExitCode) {
    Lab lab;
    // clang-format off
    const std::string good = lab.File("good.qvc", "QV09\r\nQV07Laboratório\r\n"), out = lab.File("out.qvc"),
        junk = lab.File("junk.qvc", "nada\r\n"), cache = lab.File("cache.qvc", "QV06Desktop\r\n"),
        one = lab.File("one.qvc", "QV09um\r\n"), two = lab.File("two.qvc", "QV09dois\r\n"),
        on = lab.File("on.qvc", "QV04001\r\n"), off = lab.File("off.qvc", "QV04000\r\n"),
        log = lab.File("lab.log");  // on a shared folder: never the lock code
    lab.registry.DeleteKey(kLM, "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates");
    lab.registry.CreateKey(Hive::ClassesRoot, "*");
    const struct { std::vector<std::string> arguments; int code; const char* report; } cases[] = {
        {{"/?"}, 0, "Uso:\r\n  Quarvel.exe /importar ARQUIVO"},
        {{"/desfazer", "/sEnHa:Segredo"}, 5, "Não há importação para desfazer. (código 5)\r\n"},
        // A key deleted and made again is written again.
        {{"/importar", on}, 0, "Configurações"}, {{"/importar", off}, 0, "Configurações"}, {{"/importar", on}, 0, "Configurações"},
        // A switch the line cannot take is named by its place: it may be the code itself.
        {{"/bogus"}, 1, "Linha de comando errada: opção desconhecida: a 1ª opção;"},
        {{"/desfazer", "/snha:Segredo"}, 1, "Linha de comando errada: opção desconhecida: a 2ª"},
        {{"/desfazer", "/Segredo"}, 1, "Linha de comando errada: opção desconhecida: a 2ª opção;"},
        {{"/importar", good, "/Senha=Segredo"}, 1, "Linha de comando errada: a 3ª opção parece ser "
                                                   "/senha, que leva \":\" antes do valor (/senha:...);"},
        {{"/desfazer", "/senhaSegredo"}, 1, "Linha de comando errada: a 2ª opção parece ser /senha,"},
        {{"/desfazer", "-LOG=Segredo"}, 1, "Linha de comando errada: a 2ª opção parece ser /log,"},
        {{"/desfazer", "/senha", "Segredo"}, 1, "Linha de comando errada: a opção /senha precisa de "
                                                "\":\" antes do valor (/senha:...);"},
        {{"/desfazer", "/senha:A", "/SENHA:Segredo"}, 1, "Linha de comando errada: opção repetida"},
        {{"/desfazer:Segredo"}, 1, "Linha de comando errada: a opção /desfazer não leva valor;"},
        {{"/importar"}, 1, "Linha de comando errada: falta o nome do arquivo"},
        {{"/importar", good, "Segredo"}, 1, "Linha de comando errada: argumento a mais; nada"},
        {{"/importar", good, "/desfazer"}, 1, "Linha de comando errada"}, {{"/importar", good, "/grupos:1"}, 1, "Linha de comando errada"},
        {{"/exportar", out, "/grupos:1,0"}, 1, "Linha de comando errada"}, {{"/exportar", out, "/grupos:1,"}, 1, "Linha de comando errada"},
        {{"/politicas", good}, 1, "Linha de comando errada"},
        {{"/?", "/log:" + lab.File("x.log")}, 1, "Linha de comando errada"},
        // An empty argument is no path (an unset variable): nothing is written at a root.
        {{"/importar", ""}, 1, "Linha de comando errada: nome de arquivo ou pasta vazio"}, {{"/exportar", ""}, 1, "Linha de comando errada: nome de arquivo ou pasta vazio"},
        {{"/politicas", good, ""}, 1, "Linha de comando errada: nome de arquivo ou pasta vazio"},
        {{"/politicas", "", lab.File("gpo")}, 1, "Linha de comando errada: nome de arquivo"},
        {{"/importar", good, "/LOG:"}, 1, "Linha de comando errada: falta o nome do arquivo em"}, {{"/importar", good, "/para:"}, 1, "Linha de comando errada: falta a conta em /para:;"},
        {{"/importar", good, "/para:a", "/PARA:b"}, 1, "Linha de comando errada: opção repetida"},
        {{"/politicas", good, out, "/para:comuns"}, 1, "Linha de comando errada: /para vale só"},
        {{"/IMPORTAR", lab.File("missing.qvc")}, 2, "O arquivo "},
        {{"-importar", junk}, 2, "O arquivo não contém configurações do Quarvel"},
        {{"/Importar", good}, 0, "Configurações importadas com sucesso. (código 0)"}, {{"/importar", good}, 0, "Nada a mudar. (código 0)\r\n"},
        // A key only Windows 95 to Me had: nothing written, no backup taken.
        {{"/importar", cache}, 0, "Nada a mudar; sem efeito neste Windows: FS Templates. (código 0)"},
        {{"/exportar", out, "/GRUPOS:7", "-Senha:Segredo", "/Para:eu"}, 0, "O Arquivo de"},
        {{"/exportar", out, "/grupos:2"}, 4, "Nada foi exportado"},
        {{"/desfazer"}, 0, "A última importação foi desfeita"},
        // A file that carried another code: undo opens with the one before it too.
        {{"/importar", one}, 0, "Configurações importadas com sucesso"}, {{"/importar", two, "/senha:um"}, 0, "Configurações importadas com sucesso"},
        {{"/desfazer", "/senha:tres"}, 3, "Código-trava ausente ou errado; nada foi feito."}, {{"/desfazer", "/senha:um"}, 0, "A última importação foi desfeita"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0] + (c.arguments.size() > 1 ? " " + c.arguments[1] : ""));
        auto arguments = c.arguments;
        if (arguments.size() > 1 || arguments[0] != "/?") arguments.push_back("/LOG:" + log);
        EXPECT_EQ(lab.Run(arguments), c.code);
        EXPECT_TRUE(lab.shown.starts_with(c.report)) << lab.shown;
        EXPECT_EQ(lab.shown.find("Segredo"), std::string::npos) << lab.shown;
    }
    EXPECT_EQ(lab.Run({"/?x", "/log:" + lab.File("no/such/folder.log")}), 1);
    EXPECT_NE(lab.shown.find(" O registro desta execução não pôde ser gravado em " +
                             lab.File("no/such/folder.log") + ".\r\n"),
              std::string::npos)
        << lab.shown;
    const std::string logged = FileBytes(log);
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), std::size(cases) - 1) << logged;
    EXPECT_EQ(logged.find("Segredo"), std::string::npos) << logged;
    // Each switch whose value the log shows, in another case; the code masked in any.
    EXPECT_NE(logged.find(" /GRUPOS:7 -Senha:*** /Para:eu /LOG:" + log + ": O Arquivo"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(lab.folder / "gpo"));
    EXPECT_EQ(lab.codec.FromAnsi(FileBytes(out)), "QV07Laboratório\r\nQVa7\r\nQVb70\r\n");
    lab.Expect({{Hive::ClassesRoot, "*\\Shell\\OpenWith", "", "QV - Abrir com..."},
                {kLM, kWinlogon, "LegalNoticeCaption", kAbsent},  // undone
                {kLM, kCurrentVersion, "SYSNOT", "um"}});
}

// Every group; the window title empty, so that a value is deleted.
constexpr char kEveryGroup[] =
    "QV0110000000000000000000000000000000000000000001\r\nQV02jogo.exe\r\nQV02editor.exe\r\n"
    "QV03C:\\Jogos\r\nQV04011\r\nQV0510101\r\nQVa5C:\\Baixados\r\nQV06Desktop\r\n"
    "QV07Laboratório\r\nQVa7Uso restrito.\r\nQVb71\r\nQV0801010\r\nQVa8http://escola\r\n"
    "QVb8\r\nQV09x\r\n";

TEST(PolicyFiles, HoldWhatTheImportWritesOnAnEmptyComputer) {
    // What the import writes, seen on an empty computer, for the users an object restricts:
    // the blocking companion starts from their own Run policy, not from the computer's.
    Computer imported;
    imported.values.target = {core::TargetKind::NonAdministrators, ""};
    imported.registry.CreateKey(kCU, std::string(kExplorer) + "\\Run");
    imported.File("every.qvc", kEveryGroup);
    ASSERT_EQ(transfer::ImportFile(imported.context, imported.Folder() + "/every.qvc",
                                   {.takeBackup = false}),
              changes::ImportStatus::Done);

    Lab admin;
    // Group Policy creates the keys it writes into: a key this computer lacks is no matter.
    admin.registry.DeleteKey(kLM, "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates");
    const std::string gpo = admin.File("gpo");
    ASSERT_EQ(admin.Run({"/politicas", admin.File("every.qvc", kEveryGroup), gpo}), 0)
        << admin.shown;
    EXPECT_NE(admin.shown.find("restt.qvn"), std::string::npos) << "the block list";
    EXPECT_NE(admin.shown.find("todo usuário do domínio pode ler"), std::string::npos);
    for (auto [hive, file] : {std::pair{kCU, "User"}, {kLM, "Machine"}}) {
        SCOPED_TRACE(file);
        auto entries = ReadPolicyFile(FileBytes(gpo + "/" + file + "/Registry.pol"));
        ASSERT_TRUE(entries.has_value());
        std::vector<PolicyEntry> got,
            expected = imported.registryApi.writes[static_cast<platform::KeyHandle>(hive)];
        for (PolicyEntry& entry : expected)  // the logon entry names the writing computer's folder
            if (entry.value == "TvalueT")
                entry.data = std::string("\"") + admin.Folder() + "\\DErodu.exe\"";
        int replaced = 0;
        for (PolicyEntry entry : *entries) {
            EXPECT_TRUE(entry.type != 1 || entry.data.ends_with(std::string(2, '\0'))) << entry;
            if (entry.value.starts_with("**del.")) entry.data.clear();
            if (entry.type == 1 && !entry.value.starts_with("**"))
                entry.data = PolicyText(entry.data);
            if (entry.value == "**delvals.") {
                // The list replaces every computer's own, just before its first program.
                EXPECT_EQ(entry.key, kAllowList);
                ++replaced;
                EXPECT_EQ((*entries)[got.size() + replaced].value, "1") << "before the list";
                continue;
            }
            got.push_back(entry);
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(replaced, hive == kCU ? 1 : 0);
    }
    std::string reg = admin.codec.FromAnsi(FileBytes(gpo + "/Quarvel.reg"));
    for (const char* line : {"REGEDIT4\r\n", "[-HKEY_CURRENT_USER\\" /* the list, replaced */,
                             "\"6\"=\"jogo.exe\"\r\n",
                             "[HKEY_CLASSES_ROOT\\*\\Shell\\OpenWith]\r\n@=\"QV - Abrir com...\"",
                             "\"Window Title\"=-\r\n", "\"NoFolderOptions\"=dword:00000001\r\n",
                             "\"LegalNoticeCaption\"=\"Laboratório\"\r\n"})
        EXPECT_NE(reg.find(line), std::string::npos) << line;
}

// All three or none, over an earlier set too; the report is one log line.
TEST(PolicyFiles, AllOrNoneOverAnEarlierSetTooAndTheReportIsOneLogLine) {
    Lab admin;
    const std::string gpo = admin.File("gpo"), log = admin.File("gpo.log");
    auto files = [](const std::string& folder) {  // nothing half-written, no temporary left
        return std::distance(fs::recursive_directory_iterator(folder), {});
    };
    EXPECT_EQ(admin.Run({"/politicas", admin.File("junk.qvc", "nada\r\n"), gpo}), 2);
    const std::string good = admin.File("a.qvc", kEveryGroup);
    EXPECT_EQ(admin.Run({"/politicas", good, admin.File("taken", "a file, not a folder")}), 4);
    EXPECT_EQ(files(admin.Folder()), 3) << "a.qvc, junk.qvc, taken";
    auto set = [&] {  // the three files' bytes
        return FileBytes(gpo + "/User/Registry.pol") + "|" +
               FileBytes(gpo + "/Machine/Registry.pol") + "|" + FileBytes(gpo + "/Quarvel.reg");
    };
    ASSERT_EQ(admin.Run({"/politicas", good, gpo}), 0);
    const std::string earlier = set();
    std::string tooMany;  // one program past the allow-list's 594: a message of many lines
    for (int i = 0; i < 595; ++i) tooMany += "QV02p" + std::to_string(i) + ".exe\r\n";
    const std::string later = admin.File("b.qvc", tooMany.c_str());
    // Each move of a file over another fails in turn, until none is left to fail.
    int step = 0;
    for (; (admin.files.refusedMove = step) < 20; ++step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(admin.Run({"/politicas", later, gpo, "/log:" + log}), 4);
        if (admin.files.refusedMove >= 0) break;  // nothing was refused: the new set is in
        EXPECT_TRUE(admin.shown.starts_with("Não foi possível gravar ") &&
                    admin.shown.find(" em " + gpo) != std::string::npos)
            << admin.shown;
        EXPECT_TRUE(set() == earlier);
        EXPECT_EQ(files(gpo), 5) << "User, Machine, their Registry.pol, Quarvel.reg";
    }
    EXPECT_GE(step, 6) << "three written, then put in place";
    EXPECT_NE(admin.shown.find("Estes não foram importados: p594.exe"), std::string::npos);
    EXPECT_TRUE(set() != earlier) << "the new set replaced the earlier one";
    const std::string written = FileBytes(log);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), step + 1);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), step + 1);
}

}  // namespace
