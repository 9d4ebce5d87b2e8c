#pragma once
// The registry calls with opened keys held for a whole job: a run of values
// under one key then costs one open and one close instead of one each, and a
// value's size and data, asked one after the other, come from one query;
// every value read or written stays the same. Holding is for a job that runs start to
// end with no one else writing in between (the command line); otherwise each
// call passes straight through.
#include <algorithm>
#include <map>
#include <string>
#include <vector>
#include <tuple>

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
        last_ = {};
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
        if (!holding_ || !size) return api_.QueryValue(key, name, type, data, size);
        if (data && last_.key == key && last_.name == name) {
            // The data of the value whose size was just asked.
            if (type) *type = last_.type;
            std::uint32_t room = *size;
            *size = static_cast<std::uint32_t>(last_.data.size());
            if (room < last_.data.size()) return status::MoreData;
            std::copy(last_.data.begin(), last_.data.end(), data);
            return status::Success;
        }
        if (data) return api_.QueryValue(key, name, type, data, size);
        last_ = {};
        std::uint8_t buffer[kQueried];
        std::uint32_t got = sizeof buffer, kind = 0;
        long result = api_.QueryValue(key, name, &kind, buffer, &got);
        if (result == status::MoreData) return api_.QueryValue(key, name, type, nullptr, size);
        if (result != status::Success) return result;
        last_ = {key, name, kind, std::vector<std::uint8_t>(buffer, buffer + got)};
        if (type) *type = kind;
        *size = got;
        return result;
    }
    long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override {
        last_ = {};
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
            it = held_.erase(it);
        }
        last_ = {};
        return api_.DeleteKey(parent, subKey);
    }
    long DeleteValue(KeyHandle key, const std::string& name) override {
        last_ = {};
        return api_.DeleteValue(key, name);
    }
    long CloseKey(KeyHandle key) override {
        if (holding_)
            for (const auto& entry : held_)
                if (entry.second == key) return status::Success;
        return api_.CloseKey(key);
    }

  private:
    using Path = std::tuple<KeyHandle, std::string, std::uint32_t>;
    static constexpr std::size_t kMostHeld = 64;
    static constexpr std::size_t kQueried = 1024;  // longer values are asked again

    struct Queried {
        KeyHandle key = 0;
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    static std::string Lower(const std::string& text) {
        std::string lower = text;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return lower;
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
        return status;
    }

    RegistryApi& api_;
    bool holding_ = false;
    std::map<Path, KeyHandle> held_;
    Queried last_;
};

}  // namespace platform
