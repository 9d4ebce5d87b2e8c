#include "registry/RegistryAccess.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint32_t kRights = 0x3F;
constexpr std::uint32_t kRightsWithReadControl = 0x2003F;
constexpr std::uint32_t kFixedBufferSize = 1024;

platform::KeyHandle Root(Hive hive) {
    return static_cast<platform::KeyHandle>(hive);
}

// Opens a key for the length of one operation and closes it on every path.
class OpenedKey {
  public:
    OpenedKey(platform::RegistryApi& api, Hive hive, const std::string& path, std::uint32_t rights)
        : api_(api) {
        status_ = api_.OpenKey(Root(hive), path, rights, key_);
        if (status_ != 0) key_ = 0;
    }
    ~OpenedKey() {
        if (key_) api_.CloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    platform::KeyHandle handle() const { return key_; }
    long status() const { return status_; }

  private:
    platform::RegistryApi& api_;
    platform::KeyHandle key_ = 0;
    long status_ = 0;
};

}  // namespace

std::string Lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::optional<std::int32_t> ParseSigned32(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL) return std::nullopt;
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

RegistryStatus RegistryAccess::CreateKey(Hive hive, std::string_view path) {
    platform::KeyHandle key = 0;
    long status = api_.CreateKey(Root(hive), Ansi(path), kRights, key);
    if (status == 0) api_.CloseKey(key);
    return static_cast<RegistryStatus>(status);
}

RegistryStatus RegistryAccess::DeleteKey(Hive hive, std::string_view path) {
    return static_cast<RegistryStatus>(api_.DeleteKey(Root(hive), Ansi(path)));
}

RegistryStatus RegistryAccess::DeleteValue(Hive hive, std::string_view path,
                                           std::string_view name) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    if (key.status() != 0) return static_cast<RegistryStatus>(key.status());
    return static_cast<RegistryStatus>(api_.DeleteValue(key.handle(), Ansi(name)));
}

RegistryStatus RegistryAccess::SetValue(Hive hive, std::string_view path, std::string_view name,
                                        std::string_view value, ValueType type) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    if (key.status() != 0) return static_cast<RegistryStatus>(key.status());
    return SetValueOnKey(key.handle(), Ansi(name), type, value);
}

RegistryStatus RegistryAccess::SetValue(Hive hive, std::string_view path, std::string_view name,
                                        std::int32_t value) {
    return SetValue(hive, path, name, std::to_string(value), ValueType::Dword);
}

RegistryStatus RegistryAccess::SetValueOnKey(platform::KeyHandle key, const std::string& name,
                                             ValueType type, std::string_view value) {
    if (type == ValueType::String) {
        if (!platform::Unstorable(codec_, value).empty()) return kNotStorable;
        std::string data = Ansi(value);
        return static_cast<RegistryStatus>(
            api_.SetValue(key, name, static_cast<std::uint32_t>(type),
                          reinterpret_cast<const std::uint8_t*>(data.c_str()),
                          static_cast<std::uint32_t>(data.size() + 1)));
    }
    if (type == ValueType::Dword) {
        auto number = ParseSigned32(value);
        if (!number) return kNotANumber;
        auto bits = static_cast<std::uint32_t>(*number);
        std::uint8_t data[4] = {
            static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
        return static_cast<RegistryStatus>(
            api_.SetValue(key, name, static_cast<std::uint32_t>(type), data, 4));
    }
    return 0;
}

std::string RegistryAccess::GetValue(Hive hive, std::string_view path, std::string_view name) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    std::string ansiName = Ansi(name);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (api_.QueryValue(key.handle(), ansiName, &type, nullptr, &size) != 0) return {};
    if (type == static_cast<std::uint32_t>(ValueType::Dword)) {
        std::uint8_t data[4] = {};
        std::uint32_t got = sizeof data;
        if (api_.QueryValue(key.handle(), ansiName, &type, data, &got) != 0 || got != 4) return {};
        std::uint32_t bits = data[0] | (data[1] << 8) | (data[2] << 16) |
                             (static_cast<std::uint32_t>(data[3]) << 24);
        return std::to_string(static_cast<std::int32_t>(bits));
    }
    if (type != static_cast<std::uint32_t>(ValueType::String) || size == 0) return {};
    std::vector<std::uint8_t> data(size);
    std::uint32_t got = size;
    if (api_.QueryValue(key.handle(), ansiName, &type, data.data(), &got) != 0) return {};
    data.resize(std::min(got, size));
    // The stored terminating zero is not part of the text; data written
    // without one keeps its last character.
    if (!data.empty() && data.back() == 0) data.pop_back();
    return codec_.FromAnsi(std::string(data.begin(), data.end()));
}

std::optional<std::string> RegistryAccess::ReadFixed(Hive hive, std::string_view path,
                                                     std::string_view name) {
    OpenedKey key(api_, hive, Ansi(path), kRightsWithReadControl);
    if (key.status() != 0) return std::nullopt;
    std::vector<std::uint8_t> buffer(kFixedBufferSize + 1, 0);
    std::uint32_t type = 0;
    std::uint32_t size = kFixedBufferSize;
    if (api_.QueryValue(key.handle(), Ansi(name), &type, buffer.data(), &size) != 0)
        return std::nullopt;
    const char* text = reinterpret_cast<const char*>(buffer.data());
    switch (static_cast<ValueType>(type)) {
        case ValueType::String:
        case ValueType::ExpandString:
            return codec_.FromAnsi(std::string(text, strnlen(text, kFixedBufferSize)));
        case ValueType::Dword: {
            std::uint32_t bits = buffer[0] | (buffer[1] << 8) | (buffer[2] << 16) |
                                 (static_cast<std::uint32_t>(buffer[3]) << 24);
            return std::to_string(static_cast<std::int32_t>(bits));
        }
        default:
            return std::string();
    }
}

std::optional<StoredValue> RegistryAccess::Snapshot(Hive hive, std::string_view path,
                                                    std::string_view name) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    if (key.status() != 0) return std::nullopt;
    std::string ansiName = Ansi(name);
    StoredValue value;
    std::uint32_t size = 0;
    if (api_.QueryValue(key.handle(), ansiName, &value.type, nullptr, &size) != 0)
        return std::nullopt;
    value.data.resize(size);
    if (size > 0 &&
        api_.QueryValue(key.handle(), ansiName, &value.type, value.data.data(), &size) != 0)
        return std::nullopt;
    value.data.resize(std::min<std::size_t>(size, value.data.size()));
    return value;
}

RegistryStatus RegistryAccess::Restore(Hive hive, std::string_view path, std::string_view name,
                                       const std::optional<StoredValue>& value) {
    if (!value) {
        RegistryStatus status = DeleteValue(hive, path, name);
        return status == 2 ? 0 : status;  // already absent is what was asked
    }
    OpenedKey key(api_, hive, Ansi(path), kRights);
    if (key.status() != 0) return static_cast<RegistryStatus>(key.status());
    return static_cast<RegistryStatus>(
        api_.SetValue(key.handle(), Ansi(name), value->type, value->data.data(),
                      static_cast<std::uint32_t>(value->data.size())));
}

bool RegistryAccess::KeyExists(Hive hive, std::string_view path) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    return key.status() == 0;
}

bool RegistryAccess::ValueExists(Hive hive, std::string_view path, std::string_view name) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    if (key.status() != 0) return false;
    std::uint32_t type = 0, size = 0;
    return api_.QueryValue(key.handle(), Ansi(name), &type, nullptr, &size) == 0;
}

bool RegistryAccess::DeletionWrites(Hive hive, std::string_view path, std::string_view name) {
    OpenedKey key(api_, hive, Ansi(path), kRights);
    return key.status() == 0 && api_.DeletionWrites(key.handle(), Ansi(name));
}

std::string RegistryAccess::GetValueText(Hive hive, std::string_view path, std::string_view name) {
    return ReadFixed(hive, path, name).value_or(std::string());
}

std::string RegistryAccess::GetValueTextOrZero(Hive hive, std::string_view path,
                                               std::string_view name) {
    return ReadFixed(hive, path, name).value_or(std::string("0"));
}
