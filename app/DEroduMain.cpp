// DErodu.exe: while the block-list file exists, closes every visible window
// whose title is a listed name. No window of its own, no messages.
#include <windows.h>

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

std::wstring LongPath(const std::wstring& path) {
    wchar_t full[MAX_PATH * 2] = {};
    DWORD size = GetLongPathNameW(path.c_str(), full, MAX_PATH * 2);
    return size > 0 && size < MAX_PATH * 2 ? std::wstring(full, size) : path;
}

std::optional<Stamp> StampOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    return Stamp{data.ftLastWriteTime,
                 (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

// The full path of a process's executable: QueryFullProcessImageNameW where
// Windows has it (Vista on: it needs only the limited query right, which
// an elevated Quarvel grants the user), else the path of the process's first
// module (XP). Both are looked up at run time, so that DErodu still starts
// on XP. Short names are made long, so that the path compares whole.
std::wstring ImagePath(DWORD process) {
    using QueryFull = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
    using ModuleName = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
    constexpr DWORD kQueryLimited = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION, Vista on
    auto find = [](const wchar_t* library, const char* name) {
        HMODULE module = GetModuleHandleW(library);
        if (!module) module = LoadLibraryW(library);
        return module ? reinterpret_cast<void (*)()>(GetProcAddress(module, name)) : nullptr;
    };
    static const auto queryFull =
        reinterpret_cast<QueryFull>(find(L"kernel32.dll", "QueryFullProcessImageNameW"));
    static const auto moduleName =
        queryFull ? nullptr
                  : reinterpret_cast<ModuleName>(find(L"psapi.dll", "GetModuleFileNameExW"));
    HANDLE handle = OpenProcess(
        queryFull ? kQueryLimited : PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process);
    if (!handle) return L"";
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    bool read = queryFull ? queryFull(handle, 0, path, &size) != 0
                          : moduleName && moduleName(handle, nullptr, path, size) != 0;
    CloseHandle(handle);
    return read ? LongPath(path) : L"";
}

// The owner, not the title, tells the program's own windows apart (a listed
// "Quarvel - Resgate" must never shut out the way back): its process's
// executable, read only when a title matched, once per process and look.
class Owners {
  public:
    explicit Owners(const std::string& ownFolder) : ownFolder_(ownFolder) {}
    bool IsOwnProgram(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) return true;
        auto found = own_.find(process);
        if (found == own_.end()) {
            std::string path = platform::win32::Narrow(ImagePath(process));
            found = own_.emplace(process, companions::IsOwnProgram(path, ownFolder_)).first;
        }
        return found->second;
    }

  private:
    const std::string& ownFolder_;
    std::map<DWORD, bool> own_;
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
    const std::string ownFolder =
        platform::win32::Narrow(LongPath(platform::win32::Widen(files.ProgramFolder())));
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
            Look look{rule, Owners(ownFolder)};
            EnumWindows(CloseIfBlocked, reinterpret_cast<LPARAM>(&look));
        }
        Sleep(kPollMs);
    }
    CloseHandle(instance);
    return 0;
}
