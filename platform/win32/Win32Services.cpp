#include "platform/win32/Win32Services.h"

#include <windows.h>

#include "platform/win32/Wide.h"

namespace platform::win32 {

ServiceStart Win32Services::StartAutomatically(const std::string& name) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return ServiceStart::NotAutomatic;
    SC_HANDLE service = OpenServiceW(manager, Widen(name).c_str(),
                                     SERVICE_CHANGE_CONFIG | SERVICE_START | SERVICE_QUERY_STATUS);
    ServiceStart result = ServiceStart::NotAutomatic;
    if (service) {
        if (ChangeServiceConfigW(service, SERVICE_NO_CHANGE, SERVICE_AUTO_START, SERVICE_NO_CHANGE,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)) {
            result = StartServiceW(service, 0, nullptr) ||
                             GetLastError() == ERROR_SERVICE_ALREADY_RUNNING
                         ? ServiceStart::Running
                         : ServiceStart::NotStarted;
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

bool Win32Services::RefreshComputerPolicy() {
    // Looked up when needed: not every Windows the program starts on has it.
    HMODULE userenv = LoadLibraryW(L"userenv.dll");
    if (!userenv) return false;
    using RefreshPolicyEx = BOOL WINAPI(BOOL, DWORD);
    auto* refresh = reinterpret_cast<RefreshPolicyEx*>(
        reinterpret_cast<void*>(GetProcAddress(userenv, "RefreshPolicyEx")));
    constexpr DWORD kForce = 1;  // RP_FORCE: every extension again, changed or not
    bool asked = refresh && refresh(TRUE, kForce);
    FreeLibrary(userenv);
    return asked;
}

}  // namespace platform::win32
