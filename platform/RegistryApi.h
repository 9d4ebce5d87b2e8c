#pragma once
// The seven registry calls the registry layer needs, with their Win32 meaning:
// statuses are Win32 error codes, names and string data are bytes in the
// system's ANSI code page, and predefined hives are passed as their key values.
#include <cstdint>
#include <string>

namespace platform {

using KeyHandle = std::uintptr_t;  // 0 = no key

namespace status {
constexpr long Success = 0;
constexpr long FileNotFound = 2;
constexpr long AccessDenied = 5;
constexpr long InvalidHandle = 6;
constexpr long InvalidParameter = 87;
constexpr long MoreData = 234;
}  // namespace status

class RegistryApi {
  public:
    virtual ~RegistryApi() = default;
    virtual long OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                         KeyHandle& result) = 0;
    virtual long CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                           KeyHandle& result) = 0;
    // As RegQueryValueExA: data may be null to ask for type and size only;
    // a buffer too small gives MoreData with the needed size in `size`.
    virtual long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) = 0;
    virtual long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    virtual long DeleteKey(KeyHandle parent, const std::string& subKey) = 0;
    virtual long DeleteValue(KeyHandle key, const std::string& name) = 0;
    virtual long CloseKey(KeyHandle key) = 0;
    // Whether deleting this value, absent now, still writes something: a
    // policy object that never mentioned a value records its deletion.
    virtual bool DeletionWrites(KeyHandle /*key*/, const std::string& /*name*/) { return false; }
};

}  // namespace platform
