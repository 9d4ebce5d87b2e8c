#pragma once
// A reader of Group Policy's registry policy files, written from Microsoft's
// description of the format: the signature "PReg", the version 1 (a DWORD),
// then entries [key;value;type;size;data] whose brackets, semicolons, key and
// value are UTF-16LE characters (key and value null-terminated), type and
// size little-endian DWORDs, and data `size` raw bytes.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/AnsiCodec.h"

namespace testing_support {

struct PolicyEntry {
    std::string key, value;  // UTF-8
    std::uint32_t type;
    std::string data;  // raw bytes
    bool operator==(const PolicyEntry&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const PolicyEntry& e) {
        return out << "[" << e.key << ";" << e.value << ";" << e.type << ";" << e.data.size()
                   << "]";
    }
};

// A REG_SZ's data as UTF-8 text, without its terminating null.
inline std::string PolicyText(const std::string& utf16) {
    std::u32string text;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        char32_t unit =
            static_cast<unsigned char>(utf16[i]) | (static_cast<unsigned char>(utf16[i + 1]) << 8);
        if (unit == 0) break;
        text += unit;  // the files here hold no characters beyond the first plane
    }
    return platform::EncodeUtf8(text);
}

inline std::optional<std::vector<PolicyEntry>> ReadPolicyFile(const std::string& bytes) {
    std::size_t at = 0;
    auto dword = [&](std::uint32_t& out) {
        if (at + 4 > bytes.size()) return false;
        out = 0;
        for (int i = 3; i >= 0; --i) out = (out << 8) | static_cast<unsigned char>(bytes[at + i]);
        at += 4;
        return true;
    };
    auto character = [&](char expected) {
        if (at + 2 > bytes.size() || bytes[at] != expected || bytes[at + 1] != 0) return false;
        at += 2;
        return true;
    };
    auto string = [&](std::string& out) {
        std::size_t start = at;
        while (at + 2 <= bytes.size() && (bytes[at] || bytes[at + 1])) at += 2;
        if (at + 2 > bytes.size()) return false;
        out = PolicyText(bytes.substr(start, at - start) + std::string(2, '\0'));
        at += 2;
        return true;
    };
    std::uint32_t version = 0;
    if (bytes.substr(0, 4) != "PReg") return std::nullopt;
    at = 4;
    if (!dword(version) || version != 1) return std::nullopt;
    std::vector<PolicyEntry> entries;
    while (at < bytes.size()) {
        PolicyEntry entry;
        std::uint32_t size = 0;
        if (!character('[') || !string(entry.key) || !character(';') || !string(entry.value) ||
            !character(';') || !dword(entry.type) || !character(';') || !dword(size) ||
            !character(';') || at + size > bytes.size())
            return std::nullopt;
        entry.data = bytes.substr(at, size);
        at += size;
        if (!character(']')) return std::nullopt;
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace testing_support
