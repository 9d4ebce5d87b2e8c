#include "platform/MemoryRegistry.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr long KeyDeleted = 1018;

std::string Fold(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
    });
    return folded;
}

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty() || path.empty()) parts.push_back(part);
    if (path.empty()) parts.clear();
    return parts;
}

}  // namespace

struct MemoryRegistry::Node {
    std::map<std::string, std::shared_ptr<Node>> children;  // by folded name
    std::map<std::string, std::pair<std::string, StoredValue>> values;
    Node* parent = nullptr;
    bool deleted = false;
};

MemoryRegistry::MemoryRegistry() {
    for (std::uint32_t hive : {0x80000000u, 0x80000001u, 0x80000002u, 0x80000003u})
        hives_[hive] = std::make_unique<Node>();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Node* MemoryRegistry::Resolve(KeyHandle key) const {
    auto hive = hives_.find(static_cast<std::uint32_t>(key));
    if (key <= 0xFFFFFFFFu && hive != hives_.end()) return hive->second.get();
    auto open = handles_.find(key);
    return open == handles_.end() ? nullptr : open->second;
}

MemoryRegistry::Node* MemoryRegistry::Walk(Node* from, const std::string& path, bool create,
                                           long& status) {
    if (!path.empty() && path.front() == '\\') {
        status = 161;  // ERROR_BAD_PATHNAME
        return nullptr;
    }
    Node* node = from;
    for (const std::string& part : Components(path)) {
        if (part.empty()) {
            status = 161;
            return nullptr;
        }
        auto found = node->children.find(Fold(part));
        if (found == node->children.end()) {
            if (!create) {
                status = status::FileNotFound;
                return nullptr;
            }
            if (denyWrites_) {
                status = status::AccessDenied;
                return nullptr;
            }
            auto child = std::make_shared<Node>();
            child->parent = node;
            found = node->children.emplace(Fold(part), child).first;
        }
        node = found->second.get();
    }
    status = status::Success;
    return node;
}

KeyHandle MemoryRegistry::NewHandle(Node* node) {
    KeyHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = node;
    return handle;
}

long MemoryRegistry::OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t,
                             KeyHandle& result) {
    result = 0;
    Node* from = Resolve(parent);
    if (!from) return status::InvalidHandle;
    if (from->deleted) return KeyDeleted;
    long status = 0;
    Node* node = Walk(from, subKey, false, status);
    if (!node) return status;
    result = NewHandle(node);
    return status::Success;
}

long MemoryRegistry::CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t,
                               KeyHandle& result) {
    result = 0;
    Node* from = Resolve(parent);
    if (!from) return status::InvalidHandle;
    if (from->deleted) return KeyDeleted;
    long status = 0;
    Node* node = Walk(from, subKey, true, status);
    if (!node) return status;
    result = NewHandle(node);
    return status::Success;
}

long MemoryRegistry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
    Node* node = Resolve(key);
    if (!node) return status::InvalidHandle;
    if (node->deleted) return KeyDeleted;
    if (data && !size) return status::InvalidParameter;
    auto found = node->values.find(Fold(name));
    if (found == node->values.end()) return status::FileNotFound;
    const StoredValue& value = found->second.second;
    if (type) *type = value.type;
    auto needed = static_cast<std::uint32_t>(value.data.size());
    if (!size) return status::Success;
    if (data && *size < needed) {
        *size = needed;
        return status::MoreData;
    }
    if (data && needed) std::memcpy(data, value.data.data(), needed);
    *size = needed;
    return status::Success;
}

long MemoryRegistry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    Node* node = Resolve(key);
    if (!node) return status::InvalidHandle;
    if (node->deleted) return KeyDeleted;
    if (denyWrites_) return status::AccessDenied;
    StoredValue value{type, std::vector<std::uint8_t>(data, data + (data ? size : 0))};
    node->values[Fold(name)] = {name, std::move(value)};
    return status::Success;
}

long MemoryRegistry::DeleteKey(KeyHandle parent, const std::string& subKey) {
    Node* from = Resolve(parent);
    if (!from) return status::InvalidHandle;
    if (from->deleted) return KeyDeleted;
    long status = 0;
    Node* node = Walk(from, subKey, false, status);
    if (!node) return status;
    if (node == from || !node->parent) return status::AccessDenied;
    if (!node->children.empty() || denyWrites_) return status::AccessDenied;
    node->deleted = true;
    auto& siblings = node->parent->children;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
        if (it->second.get() == node) {
            // Open handles keep pointing at a node marked deleted, as Windows
            // answers KeyDeleted through them; keep it alive for them.
            graveyard_.push_back(it->second);
            siblings.erase(it);
            break;
        }
    }
    return status::Success;
}

long MemoryRegistry::DeleteValue(KeyHandle key, const std::string& name) {
    Node* node = Resolve(key);
    if (!node) return status::InvalidHandle;
    if (node->deleted) return KeyDeleted;
    if (denyWrites_) return status::AccessDenied;
    return node->values.erase(Fold(name)) ? status::Success : status::FileNotFound;
}

long MemoryRegistry::CloseKey(KeyHandle key) {
    return handles_.erase(key) ? status::Success : status::InvalidHandle;
}

}  // namespace platform
