// DErodu.exe, Resgate.exe and limpaico.exe started as processes, against
// real windows, the real registry and real files.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/win32/Win32Codec.h"
#include "tests/support/ScreenTables.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace testing_support;
using namespace testing_support::screens;
using namespace wine_tests;

const std::filesystem::path kListPath = BuildFolder() + L"\\restt.qvn";

// The list as Quarvel writes it: its signature line, then names, in ANSI.
void WriteList(const std::string& names) {
    std::ofstream(kListPath, std::ios::binary) << platform::win32::SystemAnsiCodec().ToAnsi(
        "Quarvel by Ostrelvan - www.quarvel.com.br\r\n" + names);
}

// A window of another program's kind, shown with the title.
HWND OpenWindow(const wchar_t* title) {
    return CreateWindowW(L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

ULONGLONG BusyTime(HANDLE process) {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    return (ULONGLONG(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
           (ULONGLONG(user.dwHighDateTime) << 32 | user.dwLowDateTime);
}

// A list naming the rescue window too: a window of that title from another
// program goes, Resgate's own stays, so the way back is never shut.
TEST(DErodu, ClosesListedWindowsButNeverItsOwnFollowsTheListAndEndsWithIt) {
    WriteList("paciência\r\nC:\\Arquivos\\Jogos\\\r\nQuarvel - Resgate\r\n");
    Process rescue(L"Resgate.exe");
    HWND own = FindTopLevel("Quarvel - Resgate", rescue.info.dwProcessId);
    ASSERT_NE(own, nullptr);
    // Resgate itself, copied to another folder by a student: not the program's own.
    const std::filesystem::path copied = BuildFolder() + L"\\outra pasta\\Resgate.exe";
    std::filesystem::create_directories(copied.parent_path());
    std::filesystem::copy_file(ProgramPath(L"Resgate.exe"), copied,
                               std::filesystem::copy_options::overwrite_existing);
    Process copy(copied.c_str());
    HWND impostor = FindTopLevel("Quarvel - Resgate", copy.info.dwProcessId);
    ASSERT_NE(impostor, nullptr);
    HWND game = OpenWindow(L"Paciência"), folder = OpenWindow(L"Jogos");
    HWND notes = OpenWindow(L"Bloco de notas");
    Process process(L"DErodu.exe");
    EXPECT_TRUE(
        Within(1500, [&] { return !IsWindow(game) && !IsWindow(folder) && !IsWindow(impostor); }));
    copy.Ends(2000);
    std::filesystem::remove_all(copied.parent_path());
    EXPECT_TRUE(IsWindow(notes)) << "a title that is not listed stays";
    EXPECT_TRUE(IsWindow(own)) << "Resgate.exe's window is spared";
    EXPECT_TRUE(Process(L"DErodu.exe").Ends(3000)) << "one at a time";
    HWND late = OpenWindow(L"PACIÊNCIA");
    EXPECT_TRUE(Within(1500, [&] { return !IsWindow(late); })) << "a window opened later";
    WriteList("Bloco de notas\r\nmais um nome bem comprido para mudar o tamanho\r\n");
    EXPECT_TRUE(Within(2000, [&] { return !IsWindow(notes); })) << "a changed list";

    // Idle, it should barely register.
    ULONGLONG before = BusyTime(process.info.hProcess);
    Within(3000, [] { return false; });
    double cpuPercent = (BusyTime(process.info.hProcess) - before) / 1e4 / 3000.0 * 100.0;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    std::printf("DErodu idle: %.2f%% of one core, working set %.1f MB, private %.1f MB\n",
                cpuPercent, memory.WorkingSetSize / 1048576.0, memory.PrivateUsage / 1048576.0);
    // Well under 1 % on a quiet machine (the figure goes in the README); the
    // bound leaves room for a busy test machine and still catches a busy loop.
    EXPECT_LT(cpuPercent, 5.0);
    EXPECT_TRUE(IsWindow(own)) << "Resgate.exe's window is spared, seconds later too";
    rescue.Ends(0);

    // A list of binary junk closes nothing it should not, and ends no one.
    std::string junk;
    for (unsigned i = 0; i < 300000; ++i) junk += static_cast<char>(i * 7919u % 256u);
    std::ofstream(kListPath, std::ios::binary) << junk;
    HWND other = OpenWindow(L"Bloco de notas");
    Within(800, [] { return false; });
    EXPECT_TRUE(IsWindow(other));
    EXPECT_EQ(WaitForSingleObject(process.info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    std::filesystem::remove(kListPath);
    EXPECT_TRUE(process.Ends(3000)) << "ends with the list";
    DestroyWindow(other);
    EXPECT_TRUE(Process(L"DErodu.exe").Ends(3000)) << "without a list there is nothing to do";
}

// The icon cache, read-only, hidden and system, in the Windows folder the
// system reports (Wine, like the NT family, keeps no SystemRoot in the 9x place).
TEST(Limpaico, DeletesTheIconCacheAndItsOwnRunEntry) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    ASSERT_TRUE(testing_support::IsAbsent(registry, HKLM, kCurrentVersion, "SystemRoot"));
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string cache = std::string(windows) + "\\ShellIconCache";
    std::ofstream(cache, std::ios::binary) << "cache";
    SetFileAttributesA(cache.c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    testing_support::PutText(registry, HKLM, kRun, "DelIconCache", "limpaico.exe");
    for (int round = 0; round < 2; ++round) {  // the second finds nothing to do: no error
        EXPECT_TRUE(Process(L"limpaico.exe").Ends(5000));
        EXPECT_EQ(GetFileAttributesA(cache.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_TRUE(testing_support::IsAbsent(registry, HKLM, kRun, "DelIconCache"));
    }
}

}  // namespace
