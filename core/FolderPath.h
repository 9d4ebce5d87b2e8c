#pragma once
// A name in a folder, joined with the folder's own separator: "\" on Windows,
// "/" for the folders of native tests.
#include <string>
#include <string_view>

namespace core {

inline std::string InFolder(const std::string& folder, std::string_view name) {
    bool slashes = folder.find('\\') == std::string::npos && folder.find('/') != std::string::npos;
    return folder + (slashes ? "/" : "\\") + std::string(name);
}

}  // namespace core
