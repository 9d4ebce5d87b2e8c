#include "platform/win32/Win32Accounts.h"

#include <windows.h>
#include <lm.h>
#include <ntsecapi.h>
#include <sddl.h>
#include <wtsapi32.h>

#include <memory>

#include "platform/WindowsEditions.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {
namespace {

std::string SidText(PSID sid) {
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) return {};
    std::string out = Narrow(text);
    LocalFree(text);
    return out;
}

std::string NameOf(PSID sid) {
    wchar_t name[256], domain[256];
    DWORD nameSize = 256, domainSize = 256;
    SID_NAME_USE use;
    if (!LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use)) return {};
    return Narrow(name);
}

// Entry points that older Windows lacks, looked up where they are needed so
// that the program still starts there.
template <class Function>
Function* Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    return handle
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(handle, name)))
               : nullptr;
}

OSVERSIONINFOEXW Version() {
    OSVERSIONINFOEXW version{};
    version.dwOSVersionInfoSize = sizeof version;
    // The true version, which GetVersionEx hides from programs not declared for it.
    using RtlGetVersion = LONG WINAPI(OSVERSIONINFOEXW*);
    if (auto* get = Lookup<RtlGetVersion>(L"ntdll.dll", "RtlGetVersion")) get(&version);
    return version;
}

}  // namespace

Account Win32Accounts::Running() {
    Account account;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return account;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    auto buffer = std::make_unique<BYTE[]>(size ? size : 1);
    if (size && GetTokenInformation(token, TokenUser, buffer.get(), size, &size)) {
        PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid;
        account = {NameOf(sid), SidText(sid)};
    }
    CloseHandle(token);
    return account;
}

std::optional<Account> Win32Accounts::LoggedOn() {
    auto query = [](WTS_INFO_CLASS what) {
        LPWSTR text = nullptr;
        DWORD size = 0;
        if (!WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, what,
                                         &text, &size))
            return std::string();
        std::string out = Narrow(text);
        WTSFreeMemory(text);
        return out;
    };
    std::string user = query(WTSUserName), domain = query(WTSDomainName);
    if (user.empty()) return std::nullopt;
    // By its domain: a domain's "aluno" is not this computer's "aluno".
    auto sid = SidOf(domain.empty() ? user : domain + "\\" + user);
    if (!sid) return std::nullopt;
    return Account{user, *sid, false};
}

std::vector<Account> Win32Accounts::Local() {
    std::vector<Account> accounts;
    LPBYTE buffer = nullptr;
    DWORD read = 0, total = 0, resume = 0;
    NET_API_STATUS status;
    do {
        status = NetUserEnum(nullptr, 1, FILTER_NORMAL_ACCOUNT, &buffer, MAX_PREFERRED_LENGTH,
                             &read, &total, &resume);
        if (status != NERR_Success && status != ERROR_MORE_DATA) break;
        auto* users = reinterpret_cast<USER_INFO_1*>(buffer);
        for (DWORD i = 0; i < read; ++i) {
            std::string name = Narrow(users[i].usri1_name);
            if (auto sid = SidOf(name))
                accounts.push_back({name, *sid, users[i].usri1_priv == USER_PRIV_ADMIN,
                                    (users[i].usri1_flags & UF_ACCOUNTDISABLE) != 0});
        }
        NetApiBufferFree(buffer);
        buffer = nullptr;
    } while (status == ERROR_MORE_DATA);
    return accounts;
}

std::optional<std::string> Win32Accounts::SidOf(const std::string& name) {
    if (name.empty()) return std::nullopt;
    BYTE sid[SECURITY_MAX_SID_SIZE];
    wchar_t domain[256];
    DWORD sidSize = sizeof sid, domainSize = 256;
    SID_NAME_USE use;
    if (!LookupAccountNameW(nullptr, Widen(name).c_str(), sid, &sidSize, domain, &domainSize,
                            &use) ||
        use != SidTypeUser)
        return std::nullopt;
    std::string text = SidText(sid);
    if (text.empty()) return std::nullopt;
    return text;
}

std::string Win32Accounts::System32() {
    wchar_t folder[MAX_PATH];
    using IsWow64 = BOOL WINAPI(HANDLE, PBOOL);
    BOOL wow64 = FALSE;
    if (auto* check = Lookup<IsWow64>(L"kernel32.dll", "IsWow64Process"))
        check(GetCurrentProcess(), &wow64);
    // A 32-bit program on 64-bit Windows reaches the real System32 only
    // through Sysnative: System32 itself would send it to SysWOW64.
    if (wow64) {
        UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
        if (length && length < MAX_PATH) return Narrow(folder) + "\\Sysnative";
    }
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length && length < MAX_PATH ? Narrow(folder) : std::string();
}

bool Win32Accounts::HasPolicyObjectsPerAccount() {
    return Version().dwMajorVersion >= 6;
}

bool Win32Accounts::IsHomeEdition() {
    return IsHomeProduct(Windows().edition);
}

WindowsVersion Win32Accounts::Windows() {
    OSVERSIONINFOEXW version = Version();
    using GetProductInfo = BOOL WINAPI(DWORD, DWORD, DWORD, DWORD, PDWORD);
    DWORD product = 0;
    if (auto* get = Lookup<GetProductInfo>(L"kernel32.dll", "GetProductInfo"))
        get(version.dwMajorVersion, version.dwMinorVersion, version.wServicePackMajor,
            version.wServicePackMinor, &product);
    return {version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber, product,
            version.wProductType != VER_NT_WORKSTATION};
}

bool Win32Accounts::IsAdministrator(const std::string& sid) {
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof administrators;
    if (!CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size))
        return false;
    wchar_t group[256], domain[256];
    DWORD groupSize = 256, domainSize = 256;
    SID_NAME_USE use;
    if (!LookupAccountSidW(nullptr, administrators, group, &groupSize, domain, &domainSize, &use))
        return false;
    LPBYTE buffer = nullptr;
    DWORD read = 0, total = 0;
    if (NetLocalGroupGetMembers(nullptr, group, 0, &buffer, MAX_PREFERRED_LENGTH, &read, &total,
                                nullptr) != NERR_Success)
        return false;
    bool member = false;
    auto* members = reinterpret_cast<LOCALGROUP_MEMBERS_INFO_0*>(buffer);
    for (DWORD i = 0; i < read && !member; ++i) member = SidText(members[i].lgrmi0_sid) == sid;
    NetApiBufferFree(buffer);
    return member;
}

std::string Win32Accounts::ComputerDomain() {
    LSA_OBJECT_ATTRIBUTES attributes{};
    LSA_HANDLE policy = nullptr;
    if (LsaOpenPolicy(nullptr, &attributes, POLICY_VIEW_LOCAL_INFORMATION, &policy) != 0) return {};
    std::string domain;
    void* buffer = nullptr;
    if (LsaQueryInformationPolicy(policy, PolicyAccountDomainInformation, &buffer) == 0 && buffer) {
        auto* info = static_cast<POLICY_ACCOUNT_DOMAIN_INFO*>(buffer);
        if (info->DomainSid) domain = SidText(info->DomainSid);
        LsaFreeMemory(buffer);
    }
    LsaClose(policy);
    return domain;
}

}  // namespace platform::win32
