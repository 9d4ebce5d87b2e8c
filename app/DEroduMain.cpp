// DErodu.exe: while the block-list file exists, closes every visible window
// whose title is a listed name. No window of its own, no messages.
#include <windows.h>
#include <tlhelp32.h>

#include <map>
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

// The executables of the running processes, read at most once per look and
// only when a title matched: the owner, not the title, tells the program's
// own windows apart (a listed "Quarvel - Resgate" must never shut out the
// way back).
class Owners {
  public:
    bool IsOwnProgram(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) return true;
        if (!read_) Read();
        auto found = executables_.find(process);
        return found != executables_.end() && companions::IsOwnProgram(found->second);
    }

  private:
    void Read() {
        read_ = true;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE) return;
        PROCESSENTRY32W entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more;
             more = Process32NextW(snapshot, &entry))
            executables_[entry.th32ProcessID] = platform::win32::Narrow(entry.szExeFile);
        CloseHandle(snapshot);
    }

    bool read_ = false;
    std::map<DWORD, std::string> executables_;
};

struct Look {
    const companions::BlockRule& rule;
    Owners owners;
};

BOOL CALLBACK CloseIfBlocked(HWND window, LPARAM context) {
    if (!IsWindowVisible(window)) return TRUE;
    std::wstring title = platform::win32::WindowText(window);
    if (title.empty()) return TRUE;
    auto& look = *reinterpret_cast<Look*>(context);
    if (look.rule.Blocks(platform::win32::Narrow(title)) && !look.owners.IsOwnProgram(window))
        PostMessageW(window, WM_CLOSE, 0, 0);
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
        if (!rule.empty()) {
            Look look{rule, {}};
            EnumWindows(CloseIfBlocked, reinterpret_cast<LPARAM>(&look));
        }
        Sleep(kPollMs);
    }
    CloseHandle(instance);
    return 0;
}
