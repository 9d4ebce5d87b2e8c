// DErodu.exe and Resgate.exe started as processes, against real windows,
// the real registry and the real block-list file.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/win32/Wide.h"
#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Registry.h"
#include "registry/RegistryAccess.h"
#include "restrictions/BlockList.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using wine_tests::BuildFolder;

std::wstring ListPath() {
    return BuildFolder() + L"\\restt.qvn";
}

// The list as Quarvel writes it, in the ANSI code page.
void WriteList(const std::string& names) {
    platform::win32::SystemAnsiCodec codec;
    std::ofstream(std::filesystem::path(ListPath()), std::ios::binary)
        << codec.ToAnsi(restrictions::block_list::SignatureLine() + "\r\n" + names);
}

HWND OpenWindow(const wchar_t* title) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QuarvelTestWindow";
        RegisterClassW(&windowClass);
        registered = true;
    }
    HWND window = CreateWindowW(L"QuarvelTestWindow", title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

// Pumps this thread's messages until the condition holds or the time is up.
template <class Condition>
bool Within(int ms, Condition condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < deadline) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

void Close(PROCESS_INFORMATION& process) {
    TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

TEST(DErodu, ClosesListedWindowsFollowsTheListAndEndsWithIt) {
    WriteList("paciência\r\nC:\\Arquivos\\Jogos\\\r\n");
    HWND game = OpenWindow(L"Paciência");
    HWND folder = OpenWindow(L"Jogos");
    HWND notes = OpenWindow(L"Bloco de notas");
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(wine_tests::Launch(L"DErodu.exe", process));
    EXPECT_TRUE(Within(1500, [&] { return !IsWindow(game) && !IsWindow(folder); }));
    EXPECT_TRUE(IsWindow(notes)) << "a title that is not listed stays";

    PROCESS_INFORMATION second = {};
    ASSERT_TRUE(wine_tests::Launch(L"DErodu.exe", second));
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 3000), WAIT_OBJECT_0) << "one at a time";
    Close(second);

    HWND late = OpenWindow(L"PACIÊNCIA");
    EXPECT_TRUE(Within(1500, [&] { return !IsWindow(late); })) << "a window opened later";

    WriteList("Bloco de notas\r\nmais um nome bem comprido para mudar o tamanho\r\n");
    EXPECT_TRUE(Within(2000, [&] { return !IsWindow(notes); })) << "a changed list";

    // Idle, it should barely register.
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
    ULONGLONG busyBefore = (ULONGLONG(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
                           (ULONGLONG(user.dwHighDateTime) << 32 | user.dwLowDateTime);
    Within(3000, [] { return false; });
    GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
    ULONGLONG busyAfter = (ULONGLONG(kernel.dwHighDateTime) << 32 | kernel.dwLowDateTime) +
                          (ULONGLONG(user.dwHighDateTime) << 32 | user.dwLowDateTime);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    double cpuPercent = (busyAfter - busyBefore) / 1e4 / 3000.0 * 100.0;
    std::printf("DErodu idle: %.2f%% of one core, working set %.1f MB, private %.1f MB\n",
                cpuPercent, memory.WorkingSetSize / 1048576.0, memory.PrivateUsage / 1048576.0);
    // Well under 1 % on a quiet machine (the figure goes in the README); the
    // bound leaves room for a busy test machine and still catches a busy loop.
    EXPECT_LT(cpuPercent, 5.0);

    DeleteFileW(ListPath().c_str());
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 3000), WAIT_OBJECT_0) << "ends with the list";
    Close(process);
}

// A list naming the rescue window: a window of that title from another
// program goes, Resgate's own stays, so the way back is never shut.
TEST(DErodu, NeverClosesAWindowOfTheProgramsOwnExecutables) {
    WriteList("Quarvel - Resgate\r\n");
    PROCESS_INFORMATION rescue = {}, blocker = {};
    ASSERT_TRUE(wine_tests::Launch(L"Resgate.exe", rescue));
    HWND own = wine_tests::FindTopLevel("Quarvel - Resgate", rescue.dwProcessId);
    ASSERT_NE(own, nullptr);
    HWND impostor = OpenWindow(L"Quarvel - Resgate");
    ASSERT_TRUE(wine_tests::Launch(L"DErodu.exe", blocker));
    EXPECT_TRUE(Within(1500, [&] { return !IsWindow(impostor); })) << "the title is listed";
    Within(500, [] { return false; });
    EXPECT_TRUE(IsWindow(own)) << "Resgate.exe's window is spared";
    DeleteFileW(ListPath().c_str());
    EXPECT_EQ(WaitForSingleObject(blocker.hProcess, 3000), WAIT_OBJECT_0);
    Close(blocker);
    Close(rescue);
}

TEST(DErodu, WithoutAListThereIsNothingToDo) {
    DeleteFileW(ListPath().c_str());
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(wine_tests::Launch(L"DErodu.exe", process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 3000), WAIT_OBJECT_0);
    Close(process);
}

TEST(DErodu, ABinaryListClosesNothingItShouldNot) {
    std::string junk;
    for (unsigned i = 0; i < 300000; ++i) junk += static_cast<char>(i * 7919u % 256u);
    std::ofstream(std::filesystem::path(ListPath()), std::ios::binary) << junk;
    HWND notes = OpenWindow(L"Bloco de notas");
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(wine_tests::Launch(L"DErodu.exe", process));
    Within(800, [] { return false; });
    EXPECT_TRUE(IsWindow(notes));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    DeleteFileW(ListPath().c_str());
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 3000), WAIT_OBJECT_0);
    Close(process);
    DestroyWindow(notes);
}

// SystemRoot is not kept in the 9x place under Wine (nor on the NT family):
// the cache is found in the Windows folder the system reports.
TEST(Limpaico, DeletesTheIconCacheAndItsOwnRunEntry) {
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry(api, codec);
    const char* run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    ASSERT_EQ(registry.GetValue(Hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                "SystemRoot"),
              "");
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string cache = std::string(windows) + "\\ShellIconCache";
    std::ofstream(cache, std::ios::binary) << "cache";
    SetFileAttributesA(cache.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    registry.SetValue(Hive::LocalMachine, run, "DelIconCache", "limpaico.exe", ValueType::String);
    PROCESS_INFORMATION process = {};
    for (int round = 0; round < 2; ++round) {  // the second finds nothing to do: no error
        ASSERT_TRUE(wine_tests::Launch(L"limpaico.exe", process));
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 5000), WAIT_OBJECT_0);
        Close(process);
        EXPECT_EQ(GetFileAttributesA(cache.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_FALSE(registry.ValueExists(Hive::LocalMachine, run, "DelIconCache"));
    }
}

}  // namespace
