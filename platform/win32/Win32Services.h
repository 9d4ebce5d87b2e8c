#pragma once
#include "platform/Services.h"

namespace platform::win32 {

// The service control manager, and Group Policy's refresh.
class Win32Services : public Services {
  public:
    ServiceStart StartAutomatically(const std::string& service) override;
    bool RefreshComputerPolicy() override;
};

}  // namespace platform::win32
