#include "platform/win32/Win32Files.h"

#include <windows.h>
// After windows.h.
#include <shlobj.h>

#include "platform/win32/Wide.h"

namespace platform::win32 {

std::string ProgramFolderOfThisProcess() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    auto slash = path.find_last_of(L"\\/");
    return Narrow(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

Win32Files::Win32Files(const AnsiCodec& codec) : StdFiles(codec, ProgramFolderOfThisProcess()) {}

std::string Win32Files::WindowsFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    UINT length = GetWindowsDirectoryW(folder, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH) return {};
    std::wstring path(folder, length);
    while (!path.empty() && path.back() == L'\\') path.pop_back();
    return Narrow(path);
}

std::string Win32Files::CommonAppDataFolder() {
    // Where the shell writes it down for older programs: read here without
    // loading the shell library, which would cost a scripted run its speed.
    wchar_t folder[MAX_PATH + 1] = {};
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD type = 0, size = sizeof folder - sizeof(wchar_t);
        LONG status = RegQueryValueExW(key, L"Common AppData", nullptr, &type,
                                       reinterpret_cast<BYTE*>(folder), &size);
        RegCloseKey(key);
        if (status == ERROR_SUCCESS && type == REG_SZ && folder[0]) return Narrow(folder);
        folder[0] = 0;
    }
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, folder))) return {};
    return Narrow(folder);
}

LocalTime Win32Files::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear,   now.wMonth,  now.wDay,         now.wHour,
            now.wMinute, now.wSecond, now.wMilliseconds};
}

std::optional<std::uint32_t> Win32Files::GetAttributes(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool Win32Files::SetAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesW(Widen(path).c_str(), attributes) != 0;
}

bool Win32Files::Delete(const std::string& path) {
    return DeleteFileW(Widen(path).c_str()) != 0;
}

bool Win32Files::Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace platform::win32
