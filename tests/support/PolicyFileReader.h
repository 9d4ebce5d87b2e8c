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

// UTF-16LE text as UTF-8, up to its terminating null.
inline std::string PolicyText(const std::string& utf16) {
    std::u32string text;  // the files here hold no characters beyond the first plane
    for (std::size_t i = 0; i + 1 < utf16.size() && (utf16[i] || utf16[i + 1]); i += 2)
        text += static_cast<unsigned char>(utf16[i]) | static_cast<unsigned char>(utf16[i + 1])
                                                           << 8;
    return platform::EncodeUtf8(text);
}

// Nothing when the bytes are not a whole policy file.
inline std::optional<std::vector<PolicyEntry>> ReadPolicyFile(const std::string& bytes) {
    std::size_t at = 8;
    auto dword = [&](std::size_t from, std::uint32_t& out) {
        out = 0;
        for (int i = 3; i >= 0 && from + 4 <= bytes.size(); --i)
            out = out << 8 | static_cast<unsigned char>(bytes[from + i]);
        return from + 4 <= bytes.size() ? (at = from + 4, true) : false;
    };
    auto character = [&](char expected) {  // a data size past the end fails at its "]"
        bool there = at + 2 <= bytes.size() && bytes[at] == expected && bytes[at + 1] == 0;
        return there ? (at += 2, true) : false;
    };
    auto string = [&](std::string& out) {
        std::size_t start = at;
        while (at + 2 <= bytes.size() && (bytes[at] || bytes[at + 1])) at += 2;
        out = PolicyText(bytes.substr(start, at - start));
        return character('\0');
    };
    std::uint32_t version = 0, size = 0;
    if (bytes.substr(0, 4) != "PReg" || !dword(4, version) || version != 1) return std::nullopt;
    std::vector<PolicyEntry> entries;
    for (PolicyEntry e; at < bytes.size(); entries.push_back(e)) {
        if (!character('[') || !string(e.key) || !character(';') || !string(e.value) ||
            !character(';') || !dword(at, e.type) || !character(';') || !dword(at, size) ||
            !character(';'))
            return std::nullopt;
        e.data = bytes.substr(at, size);
        at += size;
        if (!character(']')) return std::nullopt;
    }
    return entries;
}

}  // namespace testing_support
