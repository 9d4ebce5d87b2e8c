#include "platform/win32/Win32Files.h"

#include <windows.h>
// After windows.h.
#include <shlobj.h>
// After windows.h.
#include <aclapi.h>
// After windows.h.
#include <sddl.h>

#include <vector>

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

namespace {

std::vector<BYTE> TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
    DWORD size = 0;
    GetTokenInformation(token, kind, nullptr, 0, &size);
    std::vector<BYTE> information(size);
    if (!size || !GetTokenInformation(token, kind, information.data(), size, &size))
        information.clear();
    return information;
}

std::string SidText(PSID sid) {
    LPWSTR text = nullptr;
    if (!sid || !IsValidSid(sid) || !ConvertSidToStringSidW(sid, &text)) return {};
    std::string narrow = Narrow(text);
    LocalFree(text);
    return narrow;
}

// The handle's owner and access entries; an entry of a kind this program
// does not know counts as one granting everything to nobody it trusts.
bool Describe(HANDLE handle, AccessList& access) {
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(handle, SE_FILE_OBJECT,
                        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                        &list, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    access.owner = SidText(owner);
    if (list) {
        access.entries.emplace();
        for (DWORD i = 0; i < list->AceCount; ++i) {
            void* entry = nullptr;
            if (!GetAce(list, i, &entry)) continue;
            auto* header = static_cast<ACE_HEADER*>(entry);
            bool inheritOnly = (header->AceFlags & INHERIT_ONLY_ACE) != 0;
            if (header->AceType == ACCESS_ALLOWED_ACE_TYPE ||
                header->AceType == ACCESS_DENIED_ACE_TYPE) {
                auto* known = static_cast<ACCESS_ALLOWED_ACE*>(entry);
                access.entries->push_back({SidText(&known->SidStart), known->Mask,
                                           header->AceType == ACCESS_ALLOWED_ACE_TYPE,
                                           inheritOnly});
            } else {
                access.entries->push_back({"?", GENERIC_ALL, true, inheritOnly});
            }
        }
    }
    LocalFree(descriptor);
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!GetFileInformationByHandle(handle, &information)) return false;
    access.reparsePoint = (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    // Looked up at run time: Windows XP has no such call, and there the
    // path is taken as it was asked (the reparse check still holds).
    using FinalPath = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
    auto finalPath = reinterpret_cast<FinalPath>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetFinalPathNameByHandleW")));
    if (finalPath) {
        std::wstring path(32768, L'\0');
        DWORD length = finalPath(handle, path.data(), static_cast<DWORD>(path.size()), 0);
        if (length == 0 || length >= path.size()) return false;
        path.resize(length);
        if (path.starts_with(L"\\\\?\\UNC\\"))
            path = L"\\" + path.substr(7);
        else if (path.starts_with(L"\\\\?\\"))
            path = path.substr(4);
        access.finalPath = Narrow(path);
    }
    return true;
}

HANDLE OpenNotFollowing(const std::string& path, DWORD rights, DWORD sharing) {
    return CreateFileW(Widen(path).c_str(), rights, sharing, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

}  // namespace

std::string Win32Files::ElevatedAccount() {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0,
                                  0, 0, 0, 0, 0, &administrators))
        return {};
    std::string sid;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        // Administrators enabled, not for denial only as before elevation.
        std::vector<BYTE> groups = TokenInformation(token, TokenGroups);
        bool elevated = false;
        if (!groups.empty()) {
            const auto* list = reinterpret_cast<const TOKEN_GROUPS*>(groups.data());
            for (DWORD i = 0; i < list->GroupCount; ++i)
                if (EqualSid(list->Groups[i].Sid, administrators))
                    elevated = (list->Groups[i].Attributes & SE_GROUP_ENABLED) &&
                               !(list->Groups[i].Attributes & SE_GROUP_USE_FOR_DENY_ONLY);
        }
        std::vector<BYTE> user = TokenInformation(token, TokenUser);
        if (elevated && !user.empty())
            sid = SidText(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
        CloseHandle(token);
    }
    FreeSid(administrators);
    return sid;
}

bool Win32Files::CreatePrivateFolder(const std::string& path) {
    // Owner Administrators; both groups full control, inherited by what the
    // folder holds; nothing inherited from above. Made in the same step as
    // the folder, so nobody can slip in between.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)", SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor, FALSE};
    bool made = CreateDirectoryW(Widen(path).c_str(), &attributes) != 0;
    DWORD error = made ? ERROR_SUCCESS : GetLastError();
    LocalFree(descriptor);
    if (made) return true;
    // One already there is judged by the caller, never taken over.
    DWORD found = GetFileAttributesW(Widen(path).c_str());
    return error == ERROR_ALREADY_EXISTS && found != INVALID_FILE_ATTRIBUTES &&
           (found & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<AccessList> Win32Files::Access(const std::string& path) {
    HANDLE handle = OpenNotFollowing(path, READ_CONTROL | FILE_READ_ATTRIBUTES,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    AccessList access{{}, {}, false, path};
    bool described = Describe(handle, access);
    CloseHandle(handle);
    if (!described) return std::nullopt;
    return access;
}

std::optional<std::string> Win32Files::ReadBytesIf(
    const std::string& path, const std::function<bool(const AccessList&)>& trusted) {
    // Shared for reading only: while it is held nobody writes, renames or
    // deletes the file, so what was judged is what is read.
    HANDLE handle = OpenNotFollowing(path, GENERIC_READ | READ_CONTROL, FILE_SHARE_READ);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    AccessList access{{}, {}, false, path};
    std::optional<std::string> bytes;
    LARGE_INTEGER size = {};
    if (Describe(handle, access) && trusted(access) && GetFileSizeEx(handle, &size) &&
        size.QuadPart < (1LL << 30)) {
        std::string read(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD done = 0;
        if (read.empty() ||
            (ReadFile(handle, read.data(), static_cast<DWORD>(read.size()), &done, nullptr) &&
             done == read.size()))
            bytes = std::move(read);
    }
    CloseHandle(handle);
    return bytes;
}

bool Win32Files::Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace platform::win32
