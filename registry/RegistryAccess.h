#pragma once
// The registry layer: stateless operations in hives, key paths, value names
// and texts. Every operation opens its key, does one thing and closes it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"

enum class Hive : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

enum class ValueType : std::uint32_t {
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    MultiString = 7,
};

using RegistryStatus = std::int32_t;

constexpr RegistryStatus kUnsupportedType = -1;
constexpr RegistryStatus kNotANumber = 13;  // ERROR_INVALID_DATA
// A text the ANSI code page cannot hold: nothing is written, since Windows
// would store '?' or a look-alike in place of those characters.
constexpr RegistryStatus kNotStorable = 1113;  // ERROR_NO_UNICODE_TRANSLATION

// A value as stored, type and bytes, to be put back exactly.
struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const StoredValue&) const = default;
};

// Key paths and value names as Windows compares them: letter case aside
// (the program's own names are plain ASCII).
std::string Lowered(std::string_view text);
inline bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && Lowered(a) == Lowered(b);
}

// The texts a REG_DWORD is written from: optional blanks around an optional
// sign and decimal digits, within the signed 32-bit range.
std::optional<std::int32_t> ParseSigned32(std::string_view text);

class RegistryAccess {
  public:
    RegistryAccess(platform::RegistryApi& api, const platform::AnsiCodec& codec)
        : api_(api), codec_(codec) {}

    RegistryStatus CreateKey(Hive hive, std::string_view path);
    RegistryStatus DeleteKey(Hive hive, std::string_view path);
    RegistryStatus DeleteValue(Hive hive, std::string_view path, std::string_view name);
    RegistryStatus SetValue(Hive hive, std::string_view path, std::string_view name,
                            std::string_view value, ValueType type);
    RegistryStatus SetValue(Hive hive, std::string_view path, std::string_view name,
                            std::int32_t value);

    std::string GetValue(Hive hive, std::string_view path, std::string_view name);
    std::string GetValueText(Hive hive, std::string_view path, std::string_view name);
    std::string GetValueTextOrZero(Hive hive, std::string_view path, std::string_view name);

    // Whether the key, or the value in it, is there at all: an empty value
    // exists, a deleted one does not.
    bool KeyExists(Hive hive, std::string_view path);
    bool ValueExists(Hive hive, std::string_view path, std::string_view name);
    // Whether deleting the value, absent now, would still write something
    // (a policy object that never mentioned it records the deletion).
    bool DeletionWrites(Hive hive, std::string_view path, std::string_view name);

    // The value as stored; nothing when it is absent. Restore puts it back
    // as it was, type included, or deletes it when it was absent.
    std::optional<StoredValue> Snapshot(Hive hive, std::string_view path, std::string_view name);
    RegistryStatus Restore(Hive hive, std::string_view path, std::string_view name,
                           const std::optional<StoredValue>& value);

    // The conversion every stored text goes through; screens check a text
    // against it before they write anything.
    const platform::AnsiCodec& codec() const { return codec_; }

  private:
    RegistryStatus SetValueOnKey(platform::KeyHandle key, const std::string& name, ValueType type,
                                 std::string_view value);
    std::optional<std::string> ReadFixed(Hive hive, std::string_view path, std::string_view name);
    std::string Ansi(std::string_view text) const { return codec_.ToAnsi(text); }

    platform::RegistryApi& api_;
    const platform::AnsiCodec& codec_;
};
