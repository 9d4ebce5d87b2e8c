// Quarvel.exe's switches: what each run does, its exit code and its report.
// The real process under Wine is in tests/wine/CommandLineTest.cpp.
#include <gtest/gtest.h>

#include "tests/support/TransferVerbs.h"
#include "transfer/Backup.h"
#include "transfer/ConfigFile.h"

namespace {

using namespace testing_support;

TEST(CommandLine, EachRunEndsWithItsExitCode) {
    Lab lab;
    const std::string good = lab.File("good.qvc", "QV09\r\nQV07Laboratório\r\n");
    const std::string junk = lab.File("junk.qvc", "nada\r\n"), out = lab.File("out.qvc");
    const struct {
        std::vector<std::string> arguments;
        int code;
        const char* report;
    } cases[] = {
        {{"/?"}, 0, "Uso:\r\n  Quarvel.exe /importar ARQUIVO"},
        {{"/desfazer"}, 5, "Não há importação para desfazer. (código 5)\r\n"},
        {{"/bogus"}, 1, "Linha de comando errada: opção desconhecida /bogus"},
        {{"/importar"}, 1, "Linha de comando errada: falta o nome do arquivo"},
        {{"/importar", good, "b"}, 1, "Linha de comando errada"},
        {{"/importar", good, "/desfazer"}, 1, "Linha de comando errada"},
        {{"/importar", good, "/grupos:1"}, 1, "Linha de comando errada"},
        {{"/exportar", out, "/grupos:1,0"}, 1, "Linha de comando errada"},
        {{"/?", "/log:" + lab.File("x.log")}, 1, "Linha de comando errada"},
        {{"/politicas", good}, 1, "Linha de comando errada"},
        {{"/IMPORTAR", lab.File("missing.qvc")}, 2, "O arquivo "},
        {{"-importar", junk}, 2, "O arquivo não contém configurações do Quarvel"},
        {{"/Importar", good}, 0, "Configurações importadas com sucesso. (código 0)"},
        {{"/exportar", out, "/grupos:7"}, 0, "O Arquivo de configurações foi gerado"},
        {{"/exportar", out, "/grupos:2"}, 4, "Nada foi exportado"},
        {{"/desfazer"}, 0, "A última importação foi desfeita"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0] + (c.arguments.size() > 1 ? " " + c.arguments[1] : ""));
        EXPECT_EQ(lab.Run(c.arguments), c.code);
        EXPECT_TRUE(lab.shown.starts_with(c.report)) << lab.shown;
    }
    EXPECT_EQ(lab.codec.FromAnsi(FileBytes(out)), "QV07Laboratório\r\nQVa7\r\nQVb70\r\n");
    lab.Expect({{kLM, kWinlogon, "LegalNoticeCaption", kAbsent}});  // undone
}

TEST(CommandLine, AStoredLockCodeMustBeGivenExactly) {
    Lab lab;
    PutText(lab.registry, kLM, kCurrentVersion, "SYSNOT", "Segredo");
    const std::string file = lab.File("lab.qvc", "QV09\r\n"), log = "/log:" + lab.File("lab.log");
    for (std::string code : {"", "/senha:segredo", "/senha:"}) {
        std::vector<std::string> arguments = {"/importar", file, log};
        if (!code.empty()) arguments.push_back(code);
        EXPECT_EQ(lab.Run(arguments), 3) << code;
    }
    lab.Expect({{kLM, kCurrentVersion, "SYSNOT", "Segredo"}});
    EXPECT_TRUE(lab.files.FileNames(transfer::BackupFolder(lab.files)).empty()) << "no backup";
    EXPECT_EQ(lab.Run({"/importar", file, "/SENHA:Segredo", log}), 0);
    lab.Expect({{kLM, kCurrentVersion, "SYSNOT", ""}});

    // One line per run, dated, and never the code itself.
    std::string written = lab.codec.FromAnsi(FileBytes(lab.File("lab.log")));
    auto lines = transfer::SplitConfigLines(written);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].size() > 20 && lines[0][4] == '-' && lines[0][13] == ':') << lines[0];
    EXPECT_NE(lines[0].find("Código-trava ausente ou errado; nada foi feito. (código 3)"),
              std::string::npos);
    EXPECT_EQ(written.find("Segredo"), std::string::npos);
    EXPECT_NE(lines[3].find("(código 0)"), std::string::npos);
}

TEST(CommandLine, AKeyDeletedAndMadeAgainIsWrittenAgain) {
    Lab lab;
    lab.registry.CreateKey(Hive::ClassesRoot, "*");
    const std::string on = lab.File("on.qvc", "QV04001\r\n"),
                      off = lab.File("off.qvc", "QV04000\r\n");
    for (const std::string& file : {on, off, on}) EXPECT_EQ(lab.Run({"/importar", file}), 0);
    EXPECT_TRUE(
        HasValue(lab.registry, Hive::ClassesRoot, "*\\Shell\\OpenWith", "", "QV - Abrir com..."));
}

}  // namespace
