#pragma once
#include "platform/RegistryApi.h"

namespace platform::win32 {

// The registry seam over advapi32's ANSI functions.
class Win32Registry : public RegistryApi {
  public:
    long OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                 KeyHandle& result) override;
    long CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                   KeyHandle& result) override;
    long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override;
    long DeleteKey(KeyHandle parent, const std::string& subKey) override;
    long DeleteValue(KeyHandle key, const std::string& name) override;
    long CloseKey(KeyHandle key) override;
};

}  // namespace platform::win32
