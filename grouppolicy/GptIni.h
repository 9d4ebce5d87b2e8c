#pragma once
// gpt.ini of a local Group Policy object: Windows applies the object again
// only when its Version has grown (Version = user half x 65536 + computer
// half), and runs for its user half only the client extensions that
// gPCUserExtensionNames names.
#include <cstdint>
#include <string>
#include <string_view>

namespace grouppolicy {

// The registry extension and the Administrative Templates tool, as the
// local Group Policy editor names them.
inline constexpr std::string_view kRegistryExtension = "{35378EAC-683F-11D2-A89A-00C04FBBCFA2}";
inline constexpr std::string_view kTemplatesTool = "{D02B1F73-3407-48AE-BA88-E8213C6761F1}";

// The Version of a gpt.ini text; 0 when it has none.
std::uint32_t GptVersion(std::string_view text);

// The text with the user half of Version raised by one (it stays at its
// 16-bit top, which Windows cannot count past) and the registry extension
// named for the user half; every other line kept. An empty text gives a new
// file.
std::string RaisedGptIni(std::string_view text);

}  // namespace grouppolicy
