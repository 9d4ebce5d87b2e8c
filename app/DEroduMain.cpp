// DErodu.exe: while the block-list file exists, closes every visible window
// whose title is a listed name. No window of its own, no messages.
#include <windows.h>

#include <optional>

#include "companions/BlockRule.h"
#include "platform/win32/Wide.h"
#include "platform/win32/WindowText.h"
#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"
#include "restrictions/BlockList.h"
#include "core/Settings.h"

namespace {

constexpr DWORD kPollMs = 250;                // a window goes well within a second of appearing
constexpr ULONGLONG kLargestList = 4u << 20;  // a real list is a few lines

struct Stamp {
    FILETIME written;
    ULONGLONG size;
    bool operator==(const Stamp& other) const {
        return CompareFileTime(&written, &other.written) == 0 && size == other.size;
    }
};

std::optional<Stamp> StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return Stamp{data.ftLastWriteTime,
                 (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

BOOL CALLBACK CloseIfBlocked(HWND window, LPARAM blocked) {
    if (!IsWindowVisible(window)) return TRUE;
    std::wstring title = platform::win32::WindowText(window);
    if (title.empty()) return TRUE;
    auto& rule = *reinterpret_cast<const companions::BlockRule*>(blocked);
    if (rule.Blocks(platform::win32::Narrow(title))) PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // One at a time: a second start (a second logon entry, say) just ends.
    HANDLE instance = CreateMutexW(nullptr, FALSE, L"Local\\Quarvel.DErodu");
    if (!instance || GetLastError() == ERROR_ALREADY_EXISTS) return 0;

    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry(api, codec);
    platform::win32::Win32Files files(codec);
    std::string base =
        registry.GetValue(Hive::LocalMachine, core::kCurrentVersion, core::kSystemRoot);
    if (base.empty()) base = files.ProgramFolder();
    const std::string path = restrictions::block_list::FilePath(base);
    const std::wstring widePath = platform::win32::Widen(path);

    std::optional<Stamp> loaded;
    companions::BlockRule rule;
    for (;;) {
        std::optional<Stamp> now = StampOf(widePath);
        if (!now) break;  // the list is gone: so is the blocking
        if (!loaded || !(*now == *loaded)) {
            // A list being written or locked is read again at the next turn.
            if (now->size > kLargestList) {
                rule = {};
                loaded = now;
            } else if (auto lines = files.ReadLines(path)) {
                rule = companions::BlockRule(*lines);
                loaded = now;
                SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1),
                                         static_cast<SIZE_T>(-1));
            }
        }
        if (!rule.empty()) EnumWindows(CloseIfBlocked, reinterpret_cast<LPARAM>(&rule));
        Sleep(kPollMs);
    }
    CloseHandle(instance);
    return 0;
}
