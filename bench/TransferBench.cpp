// The configuration import under Wine with the real registry, as a start-up
// script runs it: the whole process `Quarvel.exe /importar` of a file with
// the policies, 594 allow-list entries and 1000 block-list lines, applied
// once and then again and again (nothing changes after the first run),
// beside a whole-process `/exportar` of the same computer (which reads the
// same values) and Wine's `reg import` of a .reg file setting the same
// registry values: alternating runs, medians. Then, inside one process, what
// each part of a first import costs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/HeldKeys.h"
#include "platform/RecordedDialogs.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "transfer/ConfigImport.h"
#include "transfer/ConfigRecords.h"
#include "undo/Backup.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 31;

double Millis(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string RegEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

std::vector<std::string> Programs() {
    std::vector<std::string> programs;
    for (int i = 0; i < 594; ++i) programs.push_back("programa" + std::to_string(i) + ".exe");
    return programs;
}

std::string ConfigFile() {
    std::string file = "QV01" + std::string(44, '1') + "\r\n";
    for (const std::string& program : Programs()) file += "QV02" + program + "\r\n";
    for (int i = 0; i < 1000; ++i) file += "QV03C:\\Pasta " + std::to_string(i) + "\r\n";
    return file;
}

// The registry values that importing the file writes, as a .reg file.
std::string RegFile(const std::string& companion) {
    std::string reg = "REGEDIT4\r\n\r\n";
    for (const auto* policy : transfer::PoliciesInFileOrder())
        reg += "[HKEY_CURRENT_USER\\" + std::string(policy->key) + "]\r\n\"" +
               std::string(policy->valueName) + "\"=dword:00000001\r\n";
    reg += "[HKEY_CURRENT_USER\\" + std::string(restrictions::kExplorerPolicyKey) + "]\r\n";
    reg += "\"RestrictRun\"=dword:00000001\r\n";
    reg += "[HKEY_CURRENT_USER\\" + std::string(restrictions::allow_list::kListKey) + "]\r\n";
    reg += "\"1\"=\"Quarvel.exe\"\r\n\"2\"=\"Resgate.exe\"\r\n\"3\"=\"DErodu.exe\"\r\n";
    std::vector<std::string> programs = Programs();
    for (std::size_t i = 0; i < programs.size(); ++i) {
        reg += '"';
        reg += std::to_string(6 + i);
        reg += "\"=\"" + programs[i] + "\"\r\n";
    }
    reg += "[HKEY_LOCAL_MACHINE\\" + std::string(restrictions::block_list::kRunKey) + "]\r\n";
    reg += "\"TvalueT\"=\"" + RegEscape(companion) + "\"\r\n";
    return reg;
}

// A whole process, from its start to its end.
double Process(std::wstring command) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    auto start = Clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process))
        return 0;
    WaitForSingleObject(process.hProcess, INFINITE);
    double took = Millis(start);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return took;
}

double InProcess(const std::function<void()>& work) {
    auto start = Clock::now();
    work();
    return Millis(start);
}

}  // namespace

int main() {
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    platform::HeldKeys keys(api);
    platform::win32::Win32Files files(codec);
    platform::FixedAccounts accounts;
    platform::FixedServices services;
    grouppolicy::TargetRegistry target(keys, files, codec);
    RegistryAccess registry(target, codec);
    platform::RecordedDialogs dialogs;
    struct : platform::PictureLoader {
        bool CanShow(const std::string&) override { return false; }
    } pictures;
    core::ProgramValues values;
    values.baseFolder = files.ProgramFolder();
    core::Context context{registry, dialogs, files, pictures, values, target, accounts, services};

    const std::string folder = files.ProgramFolder();
    const std::string qvc = folder + "\\bench.qvc", reg = folder + "\\bench.reg";
    std::ofstream(qvc, std::ios::binary) << ConfigFile();
    // The bench lies in tests\, beside the built programs' folder.
    const std::string programs = folder.substr(0, folder.find_last_of('\\'));
    // The logon entry as Quarvel.exe writes it, so that each tool finds the other's values.
    std::ofstream(reg, std::ios::binary) << RegFile(programs + "\\DErodu.exe");
    const std::wstring quarvel = L"\"" + platform::win32::Widen(programs) + L"\\Quarvel.exe\"";

    const std::string exported = folder + "\\bench-export.qvc";
    Process(quarvel + L" /importar \"" + platform::win32::Widen(qvc) + L"\"");  // the first run
    std::vector<double> imports, exports, regImports, emptyRuns;
    for (int run = 0; run < kRuns; ++run) {
        imports.push_back(
            Process(quarvel + L" /importar \"" + platform::win32::Widen(qvc) + L"\""));
        exports.push_back(
            Process(quarvel + L" /exportar \"" + platform::win32::Widen(exported) + L"\""));
        regImports.push_back(Process(L"reg.exe import \"" + platform::win32::Widen(reg) + L"\""));
        emptyRuns.push_back(Process(quarvel + L" /desconhecida"));
    }
    double importMs = Median(imports), exportMs = Median(exports), regMs = Median(regImports);
    std::printf("whole process, medians of %d, alternating:\n", kRuns);
    std::printf("  Quarvel.exe /importar again (594 programs, 1000 lines)  %.1f ms\n", importMs);
    std::printf("  Quarvel.exe /exportar of the same computer             %.1f ms\n", exportMs);
    std::printf("  reg import of the same registry values                 %.1f ms\n", regMs);
    std::printf("  import / export                                        %.2f\n",
                importMs / exportMs);
    std::printf("  import / reg import                                    %.2f\n",
                importMs / regMs);
    std::printf("  Quarvel.exe with a wrong switch (start and end)        %.1f ms\n",
                Median(emptyRuns));

    // The parts of a first import, each timed in the same round: the
    // registry writes with neither comparison nor backup, the block-list file.
    std::vector<double> writes, blockLists;
    std::string text = codec.FromAnsi(ConfigFile());
    std::string blockText;
    for (int i = 0; i < 1000; ++i) blockText += "C:\\Pasta " + std::to_string(i) + "\r\n";
    keys.Hold(true);
    for (int run = 0; run < kRuns; ++run) {
        writes.push_back(InProcess([&] {
            transfer::ImportText(context, text, true,
                                 {.takeBackup = false, .blockListFile = false});
        }));
        blockLists.push_back(InProcess([&] {
            restrictions::block_list::Write(files, restrictions::block_list::FilePath(folder),
                                            blockText);
        }));
        keys.Release();
    }
    std::printf("inside one process, medians of %d:\n", kRuns);
    std::printf("  the registry writes, all of them                       %.1f ms\n",
                Median(writes));
    std::printf("  the block-list file                                    %.1f ms\n",
                Median(blockLists));
    undo::UndoLastImport(context);
    DeleteFileA(exported.c_str());
    DeleteFileA(qvc.c_str());
    DeleteFileA(reg.c_str());
    return 0;
}
