// Quarvel.exe as a start-up script runs it: the real process, its exit code,
// its report, the real registry and files, and no window at any moment. Undo
// through /desfazer and through the main menu's real entry.
#include <gtest/gtest.h>

#include <fstream>

#include "menus/frnINI.h"
#include "personalization/LogonNotice.h"
#include "platform/win32/Wide.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/wine/support/WindowDriver.h"
#include "transfer/ConfigExport.h"
#include "transfer/ConfigImport.h"

namespace {

using namespace testing_support;
using namespace wine_tests;

constexpr char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kAllowList[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";
// Another computer's configuration: every group, a lock code left out.
constexpr char kOtherComputer[] =
    "QV0100000000000000000010000000000000000000000001\r\nQV02jogo.exe\r\nQV02editor.exe\r\n"
    "QV03C:\\Jogos\r\nQV04100\r\nQV0511111\r\nQVa5C:\\Baixados\r\nQV06Desktop\r\n"
    "QV07Laboratório\r\nQVa7Uso restrito.\r\nQVb71\r\nQV0811111\r\nQVa8http://escola\r\n"
    "QVb8Escola\r\n";

struct ProcessRun {
    DWORD code = 259;
    std::string output;
    bool windowSeen = false;
};

BOOL CALLBACK AnyWindowOf(HWND window, LPARAM data) {
    auto* run = reinterpret_cast<std::pair<DWORD, bool>*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == run->first && IsWindowVisible(window)) run->second = true;
    return !run->second;
}

class CommandLine : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = platform::win32::Narrow(BuildFolder());
        registry.DeleteValue(Hive::LocalMachine, kCurrentVersion, "SYSNOT");
        DeleteFileA(Log().c_str());
    }
    void TearDown() override {
        registry.DeleteValue(Hive::LocalMachine, kCurrentVersion, "SYSNOT");
        for (const char* name : {"\\a.qvc", "\\b.qvc", "\\other.qvc", "\\run.out"})
            DeleteFileA((folder + name).c_str());
    }
    std::string Log() { return folder + "\\command line.log"; }
    std::string Write(const char* name, const std::string& ansi) {
        std::string path = folder + name;
        std::ofstream(path, std::ios::binary) << ansi;
        return path;
    }
    // Runs Quarvel.exe with the arguments and a log, its output redirected to
    // a file, looking for a window of it all the while.
    ProcessRun Quarvel(const std::string& arguments) {
        ProcessRun run;
        std::wstring out = platform::win32::Widen(folder + "\\run.out");
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE file = CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                  CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError = file;
        std::wstring command =
            L"\"" + ProgramPath(L"Quarvel.exe") + L"\" " + platform::win32::Widen(arguments);
        if (arguments != "/?") command += platform::win32::Widen(" \"/log:" + Log() + "\"");
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   nullptr, &startup, &process));
        CloseHandle(file);
        std::pair<DWORD, bool> search{process.dwProcessId, false};
        // A run that waits for someone to answer it never ends by itself.
        for (int waited = 0; WaitForSingleObject(process.hProcess, 2) == WAIT_TIMEOUT; ++waited) {
            EnumWindows(AnyWindowOf, reinterpret_cast<LPARAM>(&search));
            if (waited == 5000) TerminateProcess(process.hProcess, 259);
        }
        run.windowSeen = search.second;
        GetExitCodeProcess(process.hProcess, &run.code);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        std::ifstream in(folder + "\\run.out", std::ios::binary);
        run.output = std::string((std::istreambuf_iterator<char>(in)), {});
        return run;
    }
    std::size_t LogLines() {
        std::ifstream in(Log(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
            ++lines;
        return lines;
    }
    std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    std::string folder;
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry{api, codec};
};

TEST_F(CommandLine, ImportExportAndUndoLeaveTheComputerAsItWas) {
    std::string other = Write("\\other.qvc", codec.ToAnsi(kOtherComputer));
    std::string a = folder + "\\a.qvc", b = folder + "\\b.qvc";
    struct Step {
        std::string arguments;
        DWORD code;
        const char* report;
    };
    const Step steps[] = {
        {"/exportar \"" + a + "\"", 0, "O Arquivo de configurações foi gerado com sucesso!"},
        {"/IMPORTAR \"" + other + "\"", 0, "Configurações importadas com sucesso."},
        {"-desfazer", 0, "A última importação foi desfeita"},
        {"/exportar \"" + b + "\" /grupos:1,2,3,4,5,6,7,8,9", 0, "O Arquivo de configurações"},
        {"/importar \"" + folder + "\\none.qvc\"", 2, "O arquivo "},
        {"/importar", 1, "Linha de comando errada: falta o nome do arquivo"},
        {"/?", 0, "Uso:\r\n"},
    };
    std::size_t lines = LogLines();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.arguments);
        ProcessRun run = Quarvel(step.arguments);
        EXPECT_EQ(run.code, step.code);
        EXPECT_EQ(codec.FromAnsi(run.output).rfind(step.report, 0), 0u) << run.output;
        EXPECT_FALSE(run.windowSeen);
        if (step.arguments != "/?") {
            EXPECT_EQ(LogLines(), ++lines) << "one line per run";
        }
        if (step.arguments.starts_with("/IMPORTAR")) {
            EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kAllowList, "7", "editor.exe"));
            EXPECT_TRUE(HasValue(registry, Hive::LocalMachine,
                                 *personalization::LogonNoticeKey(registry), "LegalNoticeCaption",
                                 "Laboratório"));
        }
    }
    EXPECT_EQ(Bytes(b), Bytes(a)) << "export, import, undo, export: the same file";
    EXPECT_NE(Bytes(a), "");
}

TEST_F(CommandLine, AStoredLockCodeIsNeededAndAWrongOneChangesNothing) {
    std::string other = Write("\\other.qvc", codec.ToAnsi(kOtherComputer));
    PutText(registry, Hive::LocalMachine, kCurrentVersion, "SYSNOT", "Segredo");
    registry.DeleteValue(Hive::CurrentUser, kAllowList, "7");
    for (const char* code : {"", " /senha:segredo", " \"/senha:Segredo \""}) {
        ProcessRun run = Quarvel("/importar \"" + other + "\"" + code);
        EXPECT_EQ(run.code, 3u) << code;
        EXPECT_FALSE(run.windowSeen);
        EXPECT_TRUE(IsAbsent(registry, Hive::CurrentUser, kAllowList, "7"));
    }
    EXPECT_EQ(Quarvel("/desfazer").code, 3u);
    EXPECT_EQ(Bytes(Log()).find("Segredo"), std::string::npos) << "no log keeps the code";
    ProcessRun run = Quarvel("/importar \"" + other + "\" /senha:Segredo");
    EXPECT_EQ(run.code, 0u);
    EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kAllowList, "7", "editor.exe"));
    EXPECT_EQ(Quarvel("/desfazer /Senha:Segredo").code, 0u);
}

// The lines of a configuration file that carry the given record keys.
std::string Records(const std::string& file, std::initializer_list<const char*> keys) {
    std::string records;
    for (std::size_t at = 0; at < file.size();) {
        std::size_t end = file.find("\r\n", at);
        std::string line = file.substr(at, end - at);
        for (const char* key : keys)
            if (line.rfind(key, 0) == 0) records += line + "\r\n";
        at = end == std::string::npos ? file.size() : end + 2;
    }
    return records;
}

TEST_F(CommandLine, ThePolicyFilesRegFileSetsWhatTheImportWould) {
    std::string other = Write("\\other.qvc", codec.ToAnsi(kOtherComputer));
    std::string a = folder + "\\a.qvc", b = folder + "\\b.qvc", gpo = folder + "\\gpo";
    // Windows has it; a fresh Wine does not, and the import writes into no missing key.
    registry.CreateKey(Hive::LocalMachine,
                       "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates");
    ASSERT_EQ(Quarvel("/exportar \"" + a + "\"").code, 0u);
    ProcessRun run = Quarvel("/politicas \"" + other + "\" \"" + gpo + "\"");
    EXPECT_EQ(run.code, 0u) << run.output;
    EXPECT_NE(run.output.find("restt.qvn"), std::string::npos) << "the block list is said";
    for (const char* file : {"\\User\\Registry.pol", "\\Machine\\Registry.pol"})
        EXPECT_EQ(Bytes(gpo + file).substr(0, 8), std::string("PReg\x01\0\0\0", 8)) << file;

    PROCESS_INFORMATION process = {};
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring command = L"reg.exe import \"" + platform::win32::Widen(gpo) + L"\\Quarvel.reg\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_EQ(code, 0u);

    ASSERT_EQ(Quarvel("/exportar \"" + b + "\" /grupos:1,2,4,5,6").code, 0u);
    const auto groups = {"QV01", "QV02", "QV04", "QV05", "QVa5", "QV06"};
    EXPECT_EQ(Records(Bytes(b), groups), Records(codec.ToAnsi(kOtherComputer), groups));
    EXPECT_EQ(Quarvel("/importar \"" + a + "\"").code, 0u);  // as it was
    for (const char* file : {"\\User\\Registry.pol", "\\Machine\\Registry.pol", "\\Quarvel.reg"})
        DeleteFileA((gpo + file).c_str());
}

TEST_F(CommandLine, TheMainMenusUndoEntryBringsBackTheStateBefore) {
    PutText(registry, Hive::CurrentUser, kCurrentVersion, "Tb", "0");
    RealProgram real;
    core::Context& context = real.program.context;
    // The menu's load sets the base folder that the import and undo then share.
    auto& menu = real.program.screens.Open<menus::frnINI>(context);
    real.Pump();
    std::vector<transfer::ExportGroup> all;
    for (const auto& group : transfer::kExportGroups) all.push_back(group.group);
    std::string before = transfer::CollectFile(context, all);
    std::string other = Write("\\other.qvc", codec.ToAnsi(kOtherComputer));
    {
        MessageBoxAnswerer answers;
        EXPECT_EQ(transfer::ImportFile(context, other), transfer::ImportStatus::Done);
    }
    forms::Control* entry = menu.Find("Label27");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(WindowTextUtf8(real.Window(*entry)), "Desfazer importação");
    MessageBoxAnswerer answers;
    real.ClickAndPump(*entry);
    EXPECT_EQ(answers.Seen(),
              (std::vector<SeenMessage>{{"A última importação foi desfeita: as configurações "
                                         "anteriores foram restauradas.",
                                         "Quarvel²"}}));
    EXPECT_EQ(transfer::CollectFile(context, all), before);
}

}  // namespace
