// The configuration transfer under Wine with the real registry: export and
// import of a file with every group, 594 allow-list entries and 1000
// block-list lines, beside Wine's `reg import` of a .reg file that sets the
// same registry values. Prints one line per figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

#include "app/Program.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "restrictions/PolicyCatalogues.h"
#include "tests/support/ScriptedDialogs.h"
#include "transfer/ConfigExport.h"
#include "transfer/ConfigFile.h"
#include "transfer/ConfigImport.h"
#include "transfer/ConfigRecords.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;

double Millis(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string RegEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

// The same registry values as the configuration file, as a .reg file.
std::string RegFile(const std::vector<std::string>& programs, const std::string& companion) {
    std::string reg = "REGEDIT4\r\n\r\n";
    std::string explorer =
        "[HKEY_CURRENT_USER\\" + std::string(restrictions::kExplorerPolicyKey) + "]\r\n";
    for (const auto* policy : transfer::PoliciesInFileOrder())
        reg += "[HKEY_CURRENT_USER\\" + std::string(policy->key) + "]\r\n\"" +
               std::string(policy->valueName) + "\"=dword:00000001\r\n";
    reg += explorer + "\"RestrictRun\"=dword:00000001\r\n";
    reg += "[HKEY_CURRENT_USER\\" + std::string(restrictions::allow_list::kListKey) + "]\r\n";
    reg += "\"1\"=\"Quarvel.exe\"\r\n\"2\"=\"Resgate.exe\"\r\n\"3\"=\"DErodu.exe\"\r\n";
    for (std::size_t i = 0; i < programs.size(); ++i) {
        reg += '"';
        reg += std::to_string(6 + i);
        reg += "\"=\"" + programs[i] + "\"\r\n";
    }
    reg +=
        "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
        "\"TvalueT\"=\"" +
        RegEscape(companion) + "\"\r\n";
    reg += "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n\"MenuShowDelay\"=\"0\"\r\n";
    reg +=
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\r\n\"SYSNOT\"=\"\"\r\n";
    return reg;
}

}  // namespace

int main() {
    app::Program program(GetModuleHandleW(nullptr));
    testing_support::ScriptedDialogs quiet;
    core::Context context{program.registry, quiet, program.files, program.pictures, program.values};
    program.values.baseFolder = program.files.ProgramFolder();
    RegistryAccess& registry = program.registry;

    std::vector<std::string> programs;
    for (int i = 0; i < 594; ++i) programs.push_back("programa" + std::to_string(i) + ".exe");
    restrictions::allow_list::PrepareList(registry);
    restrictions::allow_list::WriteUserList(registry, programs);
    std::string blockText;
    for (int i = 0; i < 1000; ++i) {
        if (i) blockText += "\r\n";
        blockText += "C:\\Pasta " + std::to_string(i);
    }
    restrictions::block_list::Write(
        program.files, restrictions::block_list::FilePath(program.values.baseFolder), blockText);

    std::string file = program.files.ProgramFolder() + "\\bench.qvc";
    std::vector<double> exports, imports, regImports;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        transfer::ConfigText text;
        for (const auto& group : transfer::kExportGroups)
            transfer::CollectGroup(group.group, context, text);
        program.files.WriteText(file, text.FileContent());
        exports.push_back(Millis(start));

        start = Clock::now();
        transfer::ImportFile(context, file);
        imports.push_back(Millis(start));
    }

    std::string regPath = program.files.ProgramFolder() + "\\bench.reg";
    std::ofstream(regPath, std::ios::binary)
        << RegFile(programs, program.files.ProgramFolder() + "\\DErodu.exe");
    for (int run = 0; run < kRuns; ++run) {
        std::wstring command =
            L"reg.exe import \"" + std::wstring(regPath.begin(), regPath.end()) + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        auto start = Clock::now();
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                            nullptr, nullptr, &startup, &process))
            break;
        WaitForSingleObject(process.hProcess, INFINITE);
        regImports.push_back(Millis(start));
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    std::printf("export (all groups, 594 programs, 1000 lines)  median %.1f ms\n", Median(exports));
    std::printf("import of that file                           median %.1f ms\n", Median(imports));
    if (!regImports.empty())
        std::printf("reg import of the same values                 median %.1f ms\n",
                    Median(regImports));
    DeleteFileA(file.c_str());
    DeleteFileA(regPath.c_str());
    return 0;
}
