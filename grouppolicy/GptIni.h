#pragma once
// gpt.ini of a local Group Policy object: Windows applies the object again
// only when its Version has grown (Version = user half x 65536 + computer
// half), and runs for its user half only the client extensions that
// gPCUserExtensionNames names.
#include <cstdint>
#include <string>
#include <string_view>

namespace grouppolicy {

// The registry extension, and the tools that write registry policy for it,
// as Group Policy's own editors name them: the user half's Administrative
// Templates; for the computer half, the application-control rules and the
// computer's Administrative Templates.
inline constexpr std::string_view kRegistryExtension = "{35378EAC-683F-11D2-A89A-00C04FBBCFA2}";
inline constexpr std::string_view kTemplatesTool = "{D02B1F73-3407-48AE-BA88-E8213C6761F1}";
inline constexpr std::string_view kAppLockerTool = "{62C1845D-C4A6-4ACB-BBB0-C895FD090385}";
inline constexpr std::string_view kMachineTemplatesTool = "{D02B1F72-3407-48AE-BA88-E8213C6761F1}";

// One half of an object: its share of Version and its list of extensions.
struct GptHalf {
    std::string_view extensionsKey;
    int shift;  // the half's place in Version
    std::string_view tools[2];
};
inline constexpr GptHalf kUserHalf{"gPCUserExtensionNames", 16, {kTemplatesTool, {}}};
inline constexpr GptHalf kMachineHalf{
    "gPCMachineExtensionNames", 0, {kAppLockerTool, kMachineTemplatesTool}};

// The Version of a gpt.ini text; 0 when it has none.
std::uint32_t GptVersion(std::string_view text);

// The text with one half of Version raised by one (it stays at its 16-bit
// top, which Windows cannot count past) and the registry extension with the
// half's tools named in its list; every other line kept. An empty text gives
// a new file.
std::string RaisedGptIni(std::string_view text, const GptHalf& half = kUserHalf);

}  // namespace grouppolicy
