#pragma once
// The registry calls with opened keys held for a whole job: a run of values
// under one key then costs one open and one close instead of one each, and a
// value read once is answered from memory until a write touches it (the
// layer asks a value's size, then its data). Every value read or written
// stays the same. Holding is for a job that runs start to end with no one
// else writing in between (the command line); otherwise each call passes
// straight through.
#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/RegistryApi.h"

namespace platform {

class HeldKeys : public RegistryApi {
  public:
    explicit HeldKeys(RegistryApi& api) : api_(api) {}
    ~HeldKeys() override { Release(); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    void Hold(bool on) {
        holding_ = on;
        if (!on) Release();
    }
    void Release() {
        for (auto& [path, key] : held_) api_.CloseKey(key);
        held_.clear();
        pathOf_.clear();
        known_.clear();
    }

    // What a value held: its status, type and data, as a query answered it.
    struct Read {
        long status = status::FileNotFound;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    // A value read elsewhere (ahead of the job, say) through a held key.
    void Keep(KeyHandle key, const std::string& name, Read read) {
        auto path = pathOf_.find(key);
        if (path != pathOf_.end()) known_[{path->second, Lower(name)}] = std::move(read);
    }

    long OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                 KeyHandle& result) override {
        return Held(parent, subKey, rights, result, &RegistryApi::OpenKey);
    }
    long CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                   KeyHandle& result) override {
        return Held(parent, subKey, rights, result, &RegistryApi::CreateKey);
    }
    long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        auto path = pathOf_.find(key);
        if (!holding_ || !size || path == pathOf_.end())
            return api_.QueryValue(key, name, type, data, size);
        auto found = known_.find({path->second, Lower(name)});
        if (found == known_.end()) {
            Read read;
            std::uint8_t buffer[kQueried];
            std::uint32_t got = sizeof buffer;
            read.status = api_.QueryValue(key, name, &read.type, buffer, &got);
            // Longer values are asked each time.
            if (read.status == status::MoreData)
                return api_.QueryValue(key, name, type, data, size);
            if (read.status == status::Success) read.data.assign(buffer, buffer + got);
            found =
                known_.emplace(std::make_pair(path->second, Lower(name)), std::move(read)).first;
        }
        const Read& read = found->second;
        if (read.status != status::Success) return read.status;
        if (type) *type = read.type;
        std::uint32_t room = *size;
        *size = static_cast<std::uint32_t>(read.data.size());
        if (!data) return status::Success;
        if (room < read.data.size()) return status::MoreData;
        std::copy(read.data.begin(), read.data.end(), data);
        return status::Success;
    }
    long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override {
        Forget(key, name);
        return api_.SetValue(key, name, type, data, size);
    }
    long DeleteKey(KeyHandle parent, const std::string& subKey) override {
        // A held handle of the key, or of one below it, must not outlive it.
        std::string gone = Lower(subKey);
        for (auto it = held_.begin(); it != held_.end();) {
            const std::string& path = std::get<1>(it->first);
            bool under =
                std::get<0>(it->first) == parent && (path == gone || path.starts_with(gone + "\\"));
            if (!under) {
                ++it;
                continue;
            }
            api_.CloseKey(it->second);
            pathOf_.erase(it->second);
            it = held_.erase(it);
        }
        known_.clear();
        return api_.DeleteKey(parent, subKey);
    }
    long DeleteValue(KeyHandle key, const std::string& name) override {
        Forget(key, name);
        return api_.DeleteValue(key, name);
    }
    long CloseKey(KeyHandle key) override {
        if (holding_ && pathOf_.contains(key)) return status::Success;
        return api_.CloseKey(key);
    }

  private:
    using Path = std::tuple<KeyHandle, std::string, std::uint32_t>;
    using KeyPath = std::pair<KeyHandle, std::string>;  // hive and lower-case path
    static constexpr std::size_t kMostHeld = 64;
    static constexpr std::size_t kQueried = 1024;

    static std::string Lower(const std::string& text) {
        std::string lower = text;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return lower;
    }

    void Forget(KeyHandle key, const std::string& name) {
        auto path = pathOf_.find(key);
        if (path != pathOf_.end())
            known_.erase({path->second, Lower(name)});
        else
            known_.clear();
    }

    long Held(KeyHandle parent, const std::string& subKey, std::uint32_t rights, KeyHandle& result,
              long (RegistryApi::*open)(KeyHandle, const std::string&, std::uint32_t, KeyHandle&)) {
        if (!holding_) return (api_.*open)(parent, subKey, rights, result);
        Path path{parent, Lower(subKey), rights};
        if (auto found = held_.find(path); found != held_.end()) {
            result = found->second;
            return status::Success;
        }
        long status = (api_.*open)(parent, subKey, rights, result);
        if (status != status::Success) return status;
        if (held_.size() >= kMostHeld) Release();
        held_[path] = result;
        pathOf_[result] = {parent, std::get<1>(path)};
        return status;
    }

    RegistryApi& api_;
    bool holding_ = false;
    std::map<Path, KeyHandle> held_;
    std::map<KeyHandle, KeyPath> pathOf_;
    std::map<std::pair<KeyPath, std::string>, Read> known_;
};

}  // namespace platform
