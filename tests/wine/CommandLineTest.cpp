// Quarvel.exe as a start-up script runs it: the real process, its exit code,
// its report, the real registry and files, and no window at any moment.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/AccessTrust.h"
#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"
#include "transfer/ConfigFile.h"
#include "undo/Backup.h"

namespace {

using namespace testing_support;
using namespace wine_tests;
using platform::win32::Narrow;

// Another computer's configuration: every group, a lock code left out.
constexpr char kOtherComputer[] =
    "QV0100000000000000000010000000000000000000000001\r\nQV02jogo.exe\r\nQV02editor.exe\r\n"
    "QV03C:\\Jogos\r\nQV04100\r\nQV0511111\r\nQVa5C:\\Baixados\r\nQV06Desktop\r\n"
    "QV07Laboratório\r\nQVa7Uso restrito.\r\nQVb71\r\nQV0811111\r\nQVa8http://escola\r\n"
    "QVb8Escola\r\n";

// Where a policy object starts the blocking companion (kept names outlive the test).
constexpr char kPolicyRun[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\Run";

struct ProcessRun {
    DWORD code;
    std::string output;
    bool windowSeen = false;
};

class CommandLine : public ::testing::Test {
  protected:
    void SetUp() override {
        kept.Set({kLM, kCurrentVersion, "SYSNOT"});
        DeleteFileA(log.c_str());
        std::ofstream(other, std::ios::binary) << codec.ToAnsi(kOtherComputer);
    }
    void TearDown() override {
        for (const std::string& file : {a, b, other}) DeleteFileA(file.c_str());
    }
    // Runs the program, its output redirected to a file of its own: Wine may
    // signal a process's end a moment before it lets go of its files.
    ProcessRun Run(const wchar_t* program, const std::string& arguments) {
        const std::string out = folder + "\\run" + std::to_string(++runs) + ".out";
        Process process(program, arguments, out);
        EXPECT_TRUE(process.started) << arguments << ": not started, error " << process.error;
        process.Ends(10000);  // a run that waits for someone to answer it never ends by itself
        ProcessRun run{process.code, FileBytes(out), process.windowSeen};
        DeleteFileA(out.c_str());
        return run;
    }
    ProcessRun Quarvel(const std::string& arguments) {
        return Run(L"Quarvel.exe",
                   arguments == "/?" ? arguments : arguments + " \"/log:" + log + "\"");
    }

    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    platform::win32::SystemAnsiCodec& codec = real.program.codec;
    KeptRegistry kept{registry};
    const std::string folder = Narrow(BuildFolder()), log = folder + "\\command line.log";
    const std::string a = folder + "\\a.qvc", b = folder + "\\b.qvc", other = folder + "\\o.qvc";
    int runs = 0;
};

TEST_F(CommandLine, ImportExportAndUndoLeaveTheComputerAsItWas) {
    // clang-format off
    const struct { std::string arguments; DWORD code; const char* report; } steps[] = {
        {"/exportar \"" + a + "\"", 0, "O Arquivo de configurações foi gerado com sucesso!"},
        // Windows 7 (what Wine says it is) has no FS Templates.
        {"/IMPORTAR \"" + other + "\"", 0,
         "Configurações importadas com sucesso; sem efeito neste Windows: FS Templates. (código "
         "0)"},
        {"/importar \"" + other + "\"", 0,
         "Nada a mudar; sem efeito neste Windows: FS Templates. (código 0)"},
        {"-desfazer", 0, "A última importação foi desfeita"},
        {"/exportar \"" + b + "\" /grupos:1,2,3,4,5,6,7,8,9", 0, "O Arquivo de configurações"},
        {"/importar \"" + folder + "\\none.qvc\"", 2, "O arquivo "},
        {"/?", 0, "Uso:\r\n"},
    };
    // clang-format on
    auto logLines = [&] { return std::ranges::count(FileBytes(log), '\n'); };
    auto lines = logLines();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.arguments);
        ProcessRun run = Quarvel(step.arguments);
        EXPECT_EQ(run.code, step.code);
        EXPECT_EQ(codec.FromAnsi(run.output).rfind(step.report, 0), 0u) << run.output;
        EXPECT_FALSE(run.windowSeen);
        EXPECT_EQ(logLines(), step.arguments == "/?" ? lines : ++lines) << "one line per run";
    }
    EXPECT_EQ(FileBytes(b), FileBytes(a)) << "export, import, undo, export: the same file";
    EXPECT_NE(FileBytes(a), "");
    // Wine keeps no access lists on disk (the native tests type them): here the
    // real seam's judgment of the folder the real process made.
    const std::string copies = undo::BackupFolder(real.program.files);
    EXPECT_EQ(core::FolderDistrust(real.program.files, copies), "") << copies;
}

TEST_F(CommandLine, AStoredLockCodeIsNeededAndAWrongOneChangesNothing) {
    PutText(registry, kLM, kCurrentVersion, "SYSNOT", "Segredo");
    registry.DeleteValue(kCU, kAllowList, "7");
    platform::win32::Win32Files& files = real.program.files;
    const auto backups = files.FileNames(undo::BackupFolder(files));
    for (const char* code : {"", " /senha:segredo", " \"/senha:Segredo \"", " /senha:"}) {
        ProcessRun run = Quarvel("/importar \"" + other + "\"" + code);
        EXPECT_EQ(run.code, 3u) << code;
        EXPECT_FALSE(run.windowSeen);
        EXPECT_TRUE(IsAbsent(registry, kCU, kAllowList, "7"));
    }
    EXPECT_EQ(Quarvel("/desfazer").code, 3u);
    EXPECT_EQ(files.FileNames(undo::BackupFolder(files)), backups) << "no backup taken";
    // One dated line per run, and never the code itself.
    std::string written = codec.FromAnsi(FileBytes(log));
    EXPECT_TRUE(written.size() > 20 && written[4] == '-' && written[13] == ':') << written;
    EXPECT_NE(written.find("Código-trava ausente ou errado; nada foi feito. (código 3)\r\n"),
              std::string::npos);
    EXPECT_EQ(written.find("Segredo"), std::string::npos) << "no log keeps the code";
    EXPECT_EQ(Quarvel("/importar \"" + other + "\" /SENHA:Segredo").code, 0u);
    EXPECT_TRUE(HasValue(registry, kCU, kAllowList, "7", "editor.exe"));
    EXPECT_EQ(Quarvel("/desfazer /Senha:Segredo").code, 0u);
}

TEST_F(CommandLine, ThePolicyFilesRegFileSetsWhatTheImportWould) {
    const std::string gpo = folder + "\\gpo";
    ASSERT_EQ(Quarvel("/exportar \"" + a + "\"").code, 0u);
    ASSERT_EQ(Quarvel("/politicas \"" + other + "\" \"" + gpo + "\"").code, 0u);
    // The .reg file restricts the account that imports it: its logon entry goes afterwards.
    kept.Keep({kCU, kPolicyRun, "TvalueT"});
    EXPECT_EQ(Run(L"reg.exe", "import \"" + gpo + "\\Quarvel.reg\"").code, 0u);

    ASSERT_EQ(Quarvel("/exportar \"" + b + "\" /grupos:1,2,4,5,6").code, 0u);
    // The records of those groups, in the exported file and in the source.
    auto records = [](const std::string& file) {
        std::vector<std::string> kept;
        for (const std::string& line : transfer::SplitConfigLines(file))
            for (const char* key : {"QV01", "QV02", "QV04", "QV05", "QVa5"})
                if (line.starts_with(key)) kept.push_back(line);
        return kept;
    };
    EXPECT_EQ(records(FileBytes(b)), records(codec.ToAnsi(kOtherComputer)));
    // The disk cache of Windows 95 to Me is written nowhere: this computer has none to export.
    EXPECT_NE(FileBytes(b).find("\r\nQV06\r\n"), std::string::npos);
    EXPECT_EQ(Quarvel("/importar \"" + a + "\"").code, 0u);  // as it was
    for (const char* file : {"\\User\\Registry.pol", "\\Machine\\Registry.pol", "\\Quarvel.reg"})
        DeleteFileA((gpo + file).c_str());
}

}  // namespace
