#include "platform/win32/Win32Files.h"

#include <windows.h>
// After windows.h.
#include <shlobj.h>
// After windows.h.
#include <aclapi.h>

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

// Who may own and change the backups: Administrators, SYSTEM, and the
// account running the program when it is an administrator (what an
// administrator made is his; Wine, which keeps no access lists on disk,
// shows every file as the running account's).
class TrustedSids {
  public:
    TrustedSids() {
        SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
        AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
                                 0, 0, 0, 0, &administrators);
        AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &system);
        HANDLE token = nullptr;
        if (administrators && OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
            if (IsAdministrator(token)) user_ = Information(token, TokenUser);
            CloseHandle(token);
        }
    }
    ~TrustedSids() {
        if (administrators) FreeSid(administrators);
        if (system) FreeSid(system);
    }
    TrustedSids(const TrustedSids&) = delete;
    TrustedSids& operator=(const TrustedSids&) = delete;
    bool Made() const { return administrators && system; }
    bool Holds(PSID sid) const {
        if (!sid || !IsValidSid(sid) || !Made()) return false;
        if (EqualSid(sid, administrators) || EqualSid(sid, system)) return true;
        return !user_.empty() &&
               EqualSid(sid, reinterpret_cast<const TOKEN_USER*>(user_.data())->User.Sid);
    }
    PSID administrators = nullptr;
    PSID system = nullptr;

  private:
    static std::vector<BYTE> Information(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
        DWORD size = 0;
        GetTokenInformation(token, kind, nullptr, 0, &size);
        std::vector<BYTE> information(size);
        if (!size || !GetTokenInformation(token, kind, information.data(), size, &size))
            information.clear();
        return information;
    }
    // Administrators among the token's groups, enabled (not for denial
    // only, as in an administrator's token before elevation).
    bool IsAdministrator(HANDLE token) const {
        std::vector<BYTE> groups = Information(token, TokenGroups);
        if (groups.empty()) return false;
        const auto* list = reinterpret_cast<const TOKEN_GROUPS*>(groups.data());
        for (DWORD i = 0; i < list->GroupCount; ++i)
            if (EqualSid(list->Groups[i].Sid, administrators))
                return (list->Groups[i].Attributes & SE_GROUP_ENABLED) &&
                       !(list->Groups[i].Attributes & SE_GROUP_USE_FOR_DENY_ONLY);
        return false;
    }
    std::vector<BYTE> user_;
};

// Any right that changes the folder, what it holds or who may do so.
constexpr ACCESS_MASK kChangingRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA |
                                        FILE_WRITE_ATTRIBUTES | FILE_DELETE_CHILD | DELETE |
                                        WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

// Owned by a trusted account, and no access entry lets anyone else change
// anything. No access list at all lets everybody do everything.
bool KeepsOthersOut(PSID owner, PACL list, const TrustedSids& trusted) {
    if (!trusted.Holds(owner) || !list) return false;
    for (DWORD i = 0; i < list->AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(list, i, &entry)) return false;
        auto* header = static_cast<ACE_HEADER*>(entry);
        // Denials take rights away; any other kind of grant is not ours.
        if (header->AceType == ACCESS_DENIED_ACE_TYPE) continue;
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) return false;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        if ((allowed->Mask & kChangingRights) && !trusted.Holds(&allowed->SidStart)) return false;
    }
    return true;
}

// The list just set, read back through the same handle as Windows keeps it.
bool SetAsPrivate(HANDLE folder, const TrustedSids& trusted, PACL list) {
    if (SetSecurityInfo(folder, SE_FILE_OBJECT,
                        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION |
                            PROTECTED_DACL_SECURITY_INFORMATION,
                        trusted.administrators, nullptr, list, nullptr) != ERROR_SUCCESS)
        return false;
    PSID owner = nullptr;
    PACL kept = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(folder, SE_FILE_OBJECT,
                        OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                        &kept, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    bool done = KeepsOthersOut(owner, kept, trusted);
    LocalFree(descriptor);
    return done;
}

}  // namespace

bool Win32Files::CreatePrivateFolder(const std::string& path) {
    if (!CreateFolder(path)) return false;
    TrustedSids trusted;
    if (!trusted.Made()) return false;
    EXPLICIT_ACCESSW entries[2] = {};
    PSID sids[2] = {trusted.administrators, trusted.system};
    for (int i = 0; i < 2; ++i) {
        entries[i].grfAccessPermissions = FILE_ALL_ACCESS;
        entries[i].grfAccessMode = SET_ACCESS;
        entries[i].grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
        entries[i].Trustee.TrusteeForm = TRUSTEE_IS_SID;
        entries[i].Trustee.TrusteeType = TRUSTEE_IS_GROUP;
        entries[i].Trustee.ptstrName = static_cast<LPWSTR>(sids[i]);
    }
    PACL list = nullptr;
    if (SetEntriesInAclW(2, entries, nullptr, &list) != ERROR_SUCCESS) return false;
    // Given again each time: a folder already there may be an earlier
    // version's, or one someone else made first.
    HANDLE folder = CreateFileW(Widen(path).c_str(), READ_CONTROL | WRITE_DAC | WRITE_OWNER,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    bool done = folder != INVALID_HANDLE_VALUE && SetAsPrivate(folder, trusted, list);
    if (folder != INVALID_HANDLE_VALUE) CloseHandle(folder);
    LocalFree(list);
    return done;
}

bool Win32Files::IsPrivate(const std::string& path) {
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::wstring wide = Widen(path);
    if (GetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                              nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    bool kept = KeepsOthersOut(owner, list, TrustedSids());
    LocalFree(descriptor);
    return kept;
}

bool Win32Files::Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace platform::win32
