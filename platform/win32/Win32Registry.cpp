#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace platform::win32 {
namespace {

// Hives travel as their 32-bit constants; Windows wants them sign-extended.
HKEY ToHkey(KeyHandle key) {
    if (key >= 0x80000000u && key <= 0x80000005u)
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(key)));
    return reinterpret_cast<HKEY>(key);
}

KeyHandle FromHkey(HKEY key) {
    return reinterpret_cast<KeyHandle>(key);
}

}  // namespace

long Win32Registry::OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                            KeyHandle& result) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, rights, &key);
    result = status == ERROR_SUCCESS ? FromHkey(key) : 0;
    return status;
}

long Win32Registry::CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                              KeyHandle& result) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    LONG status = RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, rights, nullptr, &key, &disposition);
    result = status == ERROR_SUCCESS ? FromHkey(key) : 0;
    return status;
}

long Win32Registry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                               std::uint8_t* data, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data,
                                   size ? &valueSize : nullptr);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return status;
}

long Win32Registry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32Registry::DeleteKey(KeyHandle parent, const std::string& subKey) {
    return RegDeleteKeyA(ToHkey(parent), subKey.c_str());
}

long Win32Registry::DeleteValue(KeyHandle key, const std::string& name) {
    return RegDeleteValueA(ToHkey(key), name.c_str());
}

long Win32Registry::CloseKey(KeyHandle key) {
    return RegCloseKey(ToHkey(key));
}

}  // namespace platform::win32
