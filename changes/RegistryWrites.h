#pragma once
// The registry writes an import would do, recorded instead of done: the
// import runs as ever over a registry that reads this computer's registry
// and keeps every write, in order: for the Group Policy files, and for the
// import itself, which compares them with what is stored before it writes.
// Every key opens, since Group Policy creates the keys it writes into: a
// value is recorded whatever keys this computer has. A key missing here
// holds no values.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"
#include "registry/RegistryAccess.h"

namespace changes {

struct RegistryWrite {
    enum class Kind { CreateKey, SetValue, DeleteValue, DeleteKey };
    Kind kind = Kind::SetValue;
    Hive hive = Hive::CurrentUser;
    std::string key;   // UTF-8, as the import named it
    std::string name;  // UTF-8; empty: the default value
    ValueType type = ValueType::String;
    std::string text;          // REG_SZ: the text, UTF-8
    std::uint32_t number = 0;  // REG_DWORD
    std::string bytes;         // the data exactly as it would be stored
};

class RecordedWrites : public platform::RegistryApi {
  public:
    RecordedWrites(platform::RegistryApi& reads, const platform::AnsiCodec& codec)
        : reads_(reads), codec_(codec) {}

    long OpenKey(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                 platform::KeyHandle& result) override;
    long CreateKey(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                   platform::KeyHandle& result) override;
    long QueryValue(platform::KeyHandle key, const std::string& name, std::uint32_t* type,
                    std::uint8_t* data, std::uint32_t* size) override;
    long SetValue(platform::KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override;
    long DeleteKey(platform::KeyHandle parent, const std::string& subKey) override;
    long DeleteValue(platform::KeyHandle key, const std::string& name) override;
    long CloseKey(platform::KeyHandle key) override;

    std::vector<RegistryWrite> writes;

  private:
    using Path = std::pair<Hive, std::string>;  // the key as the import named it (ANSI)
    long Open(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
              platform::KeyHandle& result, bool create);

    platform::RegistryApi& reads_;
    const platform::AnsiCodec& codec_;
    std::map<platform::KeyHandle, Path> opened_;
    std::set<platform::KeyHandle> real_;  // handles of this computer's keys
    std::set<Path> deleted_;              // lower-case paths
    platform::KeyHandle nextFake_ = 0x7F000000;
};

}  // namespace changes
