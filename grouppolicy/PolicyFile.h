#pragma once
// Group Policy's registry policy file (Registry.pol): the signature "PReg",
// version 1, then entries [key;value;type;size;data]. Brackets, semicolons,
// key and value are UTF-16LE characters (key and value null-terminated), type
// and size little-endian DWORDs, data `size` raw bytes. The layout of an
// entry is described once below and both read and written from it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grouppolicy {

struct PolicyEntry {
    std::u16string key;   // as stored, letter case kept
    std::u16string name;  // "**del.X", "**delvals." and the like are markers
    std::uint32_t type = 0;
    std::string data;  // raw bytes
    bool operator==(const PolicyEntry&) const = default;
};

// Nothing when the bytes are not a whole registry policy file: another
// tool's file is never half read and then written back short. An empty file
// holds no entry.
std::optional<std::vector<PolicyEntry>> ParsePolicyFile(std::string_view bytes);
std::string PolicyFileBytes(const std::vector<PolicyEntry>& entries);

// Text as the file stores it: UTF-16 code units, and back to UTF-8.
std::u16string Utf16Of(std::string_view utf8);
std::string Utf8Of(std::u16string_view utf16);
// A text value's data: UTF-16LE bytes with the terminating null.
std::string TextData(std::string_view utf8);
// A REG_DWORD's data: four bytes, little-endian.
std::string DwordData(std::uint32_t number);
// What a marker (**del., **delvals.) carries: one blank, as Group Policy's
// own editor writes them.
inline std::string MarkerData() {
    return TextData(" ");
}
// The text of such data, up to its first null.
std::string TextOfData(std::string_view data);

// Keys and value names compare as Windows compares them: letter case aside.
bool SameName(std::u16string_view a, std::u16string_view b);

}  // namespace grouppolicy
