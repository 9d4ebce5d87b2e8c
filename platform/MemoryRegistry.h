#pragma once
// An in-memory registry that behaves as the Windows one does for the calls of
// RegistryApi: key paths are case-insensitive, the empty name is the default
// value, a short buffer gives MoreData, and a key with subkeys cannot be
// deleted (as on the NT family). Used by native tests only.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

namespace platform {

struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class MemoryRegistry : public RegistryApi {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;

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

    // Test helpers: how many handles are open right now, and keys that refuse writes.
    std::size_t OpenHandles() const { return handles_.size(); }
    void DenyWrites(bool deny) { denyWrites_ = deny; }

  private:
    struct Node;
    Node* Resolve(KeyHandle key) const;
    Node* Walk(Node* from, const std::string& path, bool create, long& status);
    KeyHandle NewHandle(Node* node);

    std::map<std::uint32_t, std::unique_ptr<Node>> hives_;
    std::map<KeyHandle, Node*> handles_;
    std::vector<std::shared_ptr<Node>> graveyard_;
    KeyHandle nextHandle_ = 0x100;
    bool denyWrites_ = false;
};

}  // namespace platform
