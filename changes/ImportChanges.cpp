#include "changes/ImportChanges.h"

#include <map>
#include <tuple>

namespace changes {
namespace {

bool Within(const std::string& lowerKey, const std::string& lowerParent) {
    return lowerKey == lowerParent ||
           (lowerKey.starts_with(lowerParent) && lowerKey[lowerParent.size()] == '\\');
}

using KeyId = std::pair<Hive, std::string>;  // lower-case
using ValueId = std::tuple<Hive, std::string, std::string>;

struct ValueSlot {
    ValueState now;
    std::optional<StoredValue> end;
    // Absent without a word on it (a policy object that never mentioned it):
    // its deletion is a change, since Windows would leave the profile's value.
    bool unsaid = false;
    bool Changes() const { return now.stored != end || (unsaid && !end); }
};

struct KeySlot {
    bool now = false;
    bool end = false;
};

class Fold {
  public:
    explicit Fold(RegistryAccess& registry) : registry_(registry) {}

    ValueSlot& Value(Hive hive, const std::string& key, const std::string& name) {
        ValueId id{hive, Lowered(key), Lowered(name)};
        auto found = values_.find(id);
        if (found == values_.end()) {
            ValueSlot slot{{hive, key, name, registry_.Snapshot(hive, key, name)}, std::nullopt};
            slot.end = slot.now.stored;
            found = values_.emplace(id, std::move(slot)).first;
        }
        return found->second;
    }
    KeySlot& Key(Hive hive, const std::string& key) {
        KeyId id{hive, Lowered(key)};
        auto found = keys_.find(id);
        if (found == keys_.end()) {
            bool now = registry_.KeyExists(hive, key);
            found = keys_.emplace(id, KeySlot{now, now}).first;
        }
        return found->second;
    }
    void DeleteKey(Hive hive, const std::string& key, const std::vector<ValueState>& held) {
        Key(hive, key);
        std::string lower = Lowered(key);
        for (const ValueState& value : held)
            if (value.hive == hive && Within(Lowered(value.key), lower))
                Value(value.hive, value.key, value.name);
        for (auto& [id, slot] : keys_)
            if (id.first == hive && Within(id.second, lower)) slot.end = false;
        for (auto& [id, slot] : values_)
            if (std::get<0>(id) == hive && Within(std::get<1>(id), lower)) slot.end.reset();
    }

    void DeleteValue(Hive hive, const std::string& key, const std::string& name) {
        ValueSlot& slot = Value(hive, key, name);
        slot.end.reset();
        slot.unsaid |= !slot.now.stored && registry_.DeletionWrites(hive, key, name);
    }

    const std::map<ValueId, ValueSlot>& values() const { return values_; }
    const std::map<KeyId, KeySlot>& keys() const { return keys_; }

  private:
    RegistryAccess& registry_;
    std::map<ValueId, ValueSlot> values_;
    std::map<KeyId, KeySlot> keys_;
};

StoredValue Stored(const RegistryWrite& write) {
    return {static_cast<std::uint32_t>(write.type),
            std::vector<std::uint8_t>(write.bytes.begin(), write.bytes.end())};
}

}  // namespace

ImportChanges FindChanges(RegistryAccess& registry, const std::vector<RegistryWrite>& writes,
                          const std::vector<ValueState>& inDeletedKeys) {
    Fold fold(registry);
    for (const RegistryWrite& write : writes) {
        switch (write.kind) {
            case RegistryWrite::Kind::CreateKey:
                fold.Key(write.hive, write.key).end = true;
                break;
            case RegistryWrite::Kind::SetValue:
                fold.Value(write.hive, write.key, write.name).end = Stored(write);
                break;
            case RegistryWrite::Kind::DeleteValue:
                fold.DeleteValue(write.hive, write.key, write.name);
                break;
            case RegistryWrite::Kind::DeleteKey:
                fold.DeleteKey(write.hive, write.key, inDeletedKeys);
                break;
        }
    }
    ImportChanges changes;
    auto changedValue = [&](const RegistryWrite& write) {
        const ValueSlot& slot =
            fold.values().at({write.hive, Lowered(write.key), Lowered(write.name)});
        return slot.Changes();
    };
    auto key = [&](const RegistryWrite& write) {
        return fold.keys().at({write.hive, Lowered(write.key)});
    };
    for (const RegistryWrite& write : writes) {
        bool changes_something = false;
        switch (write.kind) {
            case RegistryWrite::Kind::CreateKey:
                changes_something = !key(write).now && key(write).end;
                break;
            case RegistryWrite::Kind::SetValue:
            case RegistryWrite::Kind::DeleteValue:
                changes_something = changedValue(write);
                break;
            case RegistryWrite::Kind::DeleteKey:
                changes_something = key(write).now && !key(write).end;
                break;
        }
        if (changes_something) changes.writes.push_back(write);
    }
    for (const auto& [id, slot] : fold.values())
        if (slot.Changes()) changes.before.push_back(slot.now);
    for (const auto& [id, slot] : fold.keys())
        if (!slot.now && slot.end) {
            // The name as the import wrote it.
            for (const RegistryWrite& write : writes)
                if (write.kind == RegistryWrite::Kind::CreateKey && write.hive == id.first &&
                    Lowered(write.key) == id.second) {
                    changes.createdKeys.push_back({write.hive, write.key});
                    break;
                }
        }
    return changes;
}

}  // namespace changes
