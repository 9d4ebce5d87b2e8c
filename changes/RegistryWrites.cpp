#include "changes/RegistryWrites.h"

namespace changes {
namespace {

RegistryWrite Write(RegistryWrite::Kind kind, Hive hive, std::string key, std::string name) {
    RegistryWrite write;
    write.kind = kind;
    write.hive = hive;
    write.key = std::move(key);
    write.name = std::move(name);
    return write;
}

}  // namespace

long RecordedWrites::Open(platform::KeyHandle parent, const std::string& subKey,
                          std::uint32_t rights, platform::KeyHandle& result, bool create) {
    // The import opens every key from a hive's root.
    Hive hive = static_cast<Hive>(parent);
    Path lower{hive, Lowered(subKey)};
    if (create) {
        writes.push_back(Write(RegistryWrite::Kind::CreateKey, hive, codec_.FromAnsi(subKey), ""));
        deleted_.erase(lower);
    }
    if (deleted_.contains(lower) ||
        reads_.OpenKey(parent, subKey, rights & 0x20019, result) != platform::status::Success)
        result = nextFake_++;
    else
        real_.insert(result);
    opened_[result] = {hive, subKey};
    return platform::status::Success;
}

long RecordedWrites::OpenKey(platform::KeyHandle parent, const std::string& subKey,
                             std::uint32_t rights, platform::KeyHandle& result) {
    return Open(parent, subKey, rights, result, false);
}

long RecordedWrites::CreateKey(platform::KeyHandle parent, const std::string& subKey,
                               std::uint32_t rights, platform::KeyHandle& result) {
    return Open(parent, subKey, rights, result, true);
}

long RecordedWrites::QueryValue(platform::KeyHandle key, const std::string& name,
                                std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    if (!real_.contains(key)) return platform::status::FileNotFound;
    return reads_.QueryValue(key, name, type, data, size);
}

long RecordedWrites::SetValue(platform::KeyHandle key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    auto found = opened_.find(key);
    if (found == opened_.end()) return platform::status::InvalidHandle;
    RegistryWrite write = Write(RegistryWrite::Kind::SetValue, found->second.first,
                                codec_.FromAnsi(found->second.second), codec_.FromAnsi(name));
    write.type = static_cast<ValueType>(type);
    write.bytes.assign(reinterpret_cast<const char*>(data), size);
    if (write.type == ValueType::Dword && size == 4) {
        write.number = data[0] | (data[1] << 8) | (data[2] << 16) |
                       (static_cast<std::uint32_t>(data[3]) << 24);
    } else {
        std::string ansi(reinterpret_cast<const char*>(data), size);
        if (!ansi.empty() && ansi.back() == '\0') ansi.pop_back();
        write.text = codec_.FromAnsi(ansi);
    }
    writes.push_back(std::move(write));
    return platform::status::Success;
}

long RecordedWrites::DeleteKey(platform::KeyHandle parent, const std::string& subKey) {
    Hive hive = static_cast<Hive>(parent);
    writes.push_back(Write(RegistryWrite::Kind::DeleteKey, hive, codec_.FromAnsi(subKey), ""));
    deleted_.insert({hive, Lowered(subKey)});
    return platform::status::Success;
}

long RecordedWrites::DeleteValue(platform::KeyHandle key, const std::string& name) {
    auto found = opened_.find(key);
    if (found == opened_.end()) return platform::status::InvalidHandle;
    writes.push_back(Write(RegistryWrite::Kind::DeleteValue, found->second.first,
                           codec_.FromAnsi(found->second.second), codec_.FromAnsi(name)));
    return platform::status::Success;
}

long RecordedWrites::CloseKey(platform::KeyHandle key) {
    opened_.erase(key);
    if (real_.erase(key)) return reads_.CloseKey(key);
    return platform::status::Success;
}

}  // namespace changes
