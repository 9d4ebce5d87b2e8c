#pragma once
// The accounts of this computer, as far as the program needs them: who runs
// it, who is logged on to Windows, the local accounts and their SIDs, and
// where Windows keeps its local policy objects.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The Windows this computer runs, as Windows itself reports it (never the
// version it shows to programs not declared for it).
struct WindowsVersion {
    unsigned major = 0, minor = 0, build = 0;
    unsigned edition = 0;  // the product type GetProductInfo names (0x04 Enterprise, ...)
    bool server = false;
};

struct Account {
    std::string name;
    std::string sid;             // "S-1-5-21-..."
    bool administrator = false;  // may elevate: a member of Administrators
    bool disabled = false;       // cannot log on now (Guest, DefaultAccount, one switched off)
    bool operator==(const Account&) const = default;
};

class Accounts {
  public:
    virtual ~Accounts() = default;
    // The account this program runs as.
    virtual Account Running() = 0;
    // The account logged on to Windows at this session's desktop (the owner
    // of its shell); nothing when there is none.
    virtual std::optional<Account> LoggedOn() = 0;
    // The computer's local user accounts, by name, the disabled ones marked.
    virtual std::vector<Account> Local() = 0;
    // The SID of an account by name (a domain's too, as Windows finds it);
    // nothing when there is no such account.
    virtual std::optional<std::string> SidOf(const std::string& name) = 0;
    // The real System32 folder, where Windows reads policy objects, whatever
    // folder a 32-bit program would be redirected to.
    virtual std::string System32() = 0;
    // Vista and newer: local policy objects per group and per account.
    virtual bool HasPolicyObjectsPerAccount() = 0;
    // A Home edition: no local Group Policy editor.
    virtual bool IsHomeEdition() = 0;
    virtual WindowsVersion Windows() = 0;
    // Whether the account (by SID) is a member of the local Administrators.
    virtual bool IsAdministrator(const std::string& sid) = 0;
    // The SID of the computer's own account domain ("S-1-5-21-..."): its
    // local accounts' SIDs are this and one number more; "" when unknown.
    virtual std::string ComputerDomain() = 0;
};

// Fixed answers, for tests and for a program that runs with none of this.
class FixedAccounts : public Accounts {
  public:
    Account Running() override { return running; }
    std::optional<Account> LoggedOn() override { return loggedOn; }
    std::vector<Account> Local() override { return local; }
    std::optional<std::string> SidOf(const std::string& name) override {
        for (const auto* list : {&local, &elsewhere})
            for (const Account& account : *list)
                if (account.name == name) return account.sid;
        return std::nullopt;
    }
    std::string System32() override { return system32; }
    bool HasPolicyObjectsPerAccount() override { return perAccount; }
    bool IsHomeEdition() override { return home; }
    WindowsVersion Windows() override { return windows; }
    std::string ComputerDomain() override { return computerDomain; }
    bool IsAdministrator(const std::string& sid) override {
        return std::find(administrators.begin(), administrators.end(), sid) != administrators.end();
    }

    Account running{"Administrador", "S-1-5-21-1-2-3-500", true};
    std::optional<Account> loggedOn;
    std::vector<Account> local{{"Administrador", "S-1-5-21-1-2-3-500", true},
                               {"aluno", "S-1-5-21-1-2-3-1001"}};
    std::vector<Account> elsewhere;  // found by name, not of this computer (a domain's)
    std::string system32 = "C:\\Windows\\System32";
    bool perAccount = true;
    bool home = false;
    std::vector<std::string> administrators{"S-1-5-21-1-2-3-500"};
    std::string computerDomain = "S-1-5-21-1-2-3";
    // Windows 7 SP1 Ultimate N, as Wine reports itself.
    WindowsVersion windows{6, 1, 7601, 0x1C};
};

}  // namespace platform
