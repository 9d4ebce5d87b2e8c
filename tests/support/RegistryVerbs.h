#pragma once
// The registry verbs every test speaks, on the in-memory registry and the
// real one alike: put a value as another tool would, expect it, expect it gone.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "registry/RegistryAccess.h"

namespace testing_support {

// Creates the key and stores the text (REG_SZ) or the number (REG_DWORD).
inline void PutText(RegistryAccess& registry, Hive hive, std::string_view key,
                    std::string_view name, std::string_view text) {
    registry.CreateKey(hive, key);
    ASSERT_EQ(registry.SetValue(hive, key, name, text, ValueType::String), 0) << key << " " << name;
}
inline void PutNumber(RegistryAccess& registry, Hive hive, std::string_view key,
                      std::string_view name, std::int32_t number) {
    registry.CreateKey(hive, key);
    ASSERT_EQ(registry.SetValue(hive, key, name, number), 0) << key << " " << name;
}

// The value is there and reads as the text (a REG_DWORD as its decimal text).
inline ::testing::AssertionResult HasValue(RegistryAccess& registry, Hive hive,
                                           std::string_view key, std::string_view name,
                                           std::string_view expected) {
    if (!registry.ValueExists(hive, key, name))
        return ::testing::AssertionFailure() << key << "\\" << name << " is absent";
    std::string got = registry.GetValue(hive, key, name);
    if (got != expected)
        return ::testing::AssertionFailure()
               << key << "\\" << name << " reads \"" << got << "\", not \"" << expected << "\"";
    return ::testing::AssertionSuccess();
}

// The value is not there at all (an empty value does not count as absent).
inline ::testing::AssertionResult IsAbsent(RegistryAccess& registry, Hive hive,
                                           std::string_view key, std::string_view name) {
    if (registry.ValueExists(hive, key, name))
        return ::testing::AssertionFailure() << key << "\\" << name << " is there: \""
                                             << registry.GetValue(hive, key, name) << "\"";
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult KeyIsAbsent(RegistryAccess& registry, Hive hive,
                                              std::string_view key) {
    if (registry.KeyExists(hive, key)) return ::testing::AssertionFailure() << key << " is there";
    return ::testing::AssertionSuccess();
}

// The values named "from" to "to" that exist, by number, as the layer reads them.
inline std::map<int, std::string> NumberedValues(RegistryAccess& registry, Hive hive,
                                                 std::string_view key, int from, int to) {
    std::map<int, std::string> values;
    for (int number = from; number <= to; ++number)
        if (registry.ValueExists(hive, key, std::to_string(number)))
            values[number] = registry.GetValue(hive, key, std::to_string(number));
    return values;
}

// A value exactly as stored: its type (1 REG_SZ, 4 REG_DWORD) and its data (a
// REG_SZ with its terminating zero, if it has one), as Windows itself reads
// it; type 0 and no data when absent.
inline std::pair<std::uint32_t, std::string> AsStored(platform::RegistryApi& api, Hive hive,
                                                      std::string_view key, std::string_view name) {
    platform::KeyHandle handle = 0;
    std::uint32_t type = 0, size = 0;
    if (api.OpenKey(static_cast<platform::KeyHandle>(hive), std::string(key), 0x3F, handle) != 0)
        return {0, ""};
    if (api.QueryValue(handle, std::string(name), &type, nullptr, &size) != 0) type = size = 0;
    std::string bytes(size, '\0');
    if (size > 0 && api.QueryValue(handle, std::string(name), &type,
                                   reinterpret_cast<std::uint8_t*>(bytes.data()), &size) != 0)
        type = size = 0;
    api.CloseKey(handle);
    return {type, bytes.substr(0, size)};
}
inline std::uint32_t TypeOf(platform::RegistryApi& api, Hive hive, std::string_view key,
                            std::string_view name) {
    return AsStored(api, hive, key, name).first;
}
inline std::string StoredBytes(platform::RegistryApi& api, Hive hive, std::string_view key,
                               std::string_view name) {
    return AsStored(api, hive, key, name).second;
}

// Creates the key and stores raw bytes of any type (3 is REG_BINARY), as
// another tool might.
inline void PutBytes(platform::RegistryApi& api, Hive hive, std::string_view key,
                     std::string_view name, std::uint32_t type, std::string_view bytes) {
    platform::KeyHandle handle = 0;
    ASSERT_EQ(api.CreateKey(static_cast<platform::KeyHandle>(hive), std::string(key), 0x3F, handle),
              0);
    api.SetValue(handle, std::string(name), type,
                 reinterpret_cast<const std::uint8_t*>(bytes.data()),
                 static_cast<std::uint32_t>(bytes.size()));
    api.CloseKey(handle);
}

}  // namespace testing_support
