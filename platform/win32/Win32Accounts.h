#pragma once
#include "platform/Accounts.h"

namespace platform::win32 {

// The accounts as Windows knows them: the process token, the session's
// user, the local accounts of the security database.
class Win32Accounts : public Accounts {
  public:
    Account Running() override;
    std::optional<Account> LoggedOn() override;
    std::vector<Account> Local() override;
    std::optional<std::string> SidOf(const std::string& name) override;
    std::string System32() override;
    bool HasPolicyObjectsPerAccount() override;
    bool IsHomeEdition() override;
    WindowsVersion Windows() override;
    bool IsAdministrator(const std::string& sid) override;
    std::string ComputerDomain() override;
};

}  // namespace platform::win32
