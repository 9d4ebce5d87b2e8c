#include "policyoutput/FileSet.h"

namespace policyoutput {
namespace {

constexpr char kNew[] = ".novo~";
constexpr char kAside[] = ".antigo~";

}  // namespace

bool WriteAllOrNone(platform::Files& files,
                    const std::vector<std::pair<std::string, std::string>>& set) {
    std::vector<std::string> written, setAside, placed;
    auto undo = [&] {
        for (const std::string& path : placed) files.Delete(path);
        for (const std::string& path : setAside) files.Rename(path + kAside, path);
        for (const std::string& path : written) files.Delete(path + kNew);
        return false;
    };
    for (const auto& [path, bytes] : set) {
        if (!files.WriteBytes(path + kNew, bytes)) return undo();
        written.push_back(path);
    }
    for (const auto& [path, bytes] : set) {
        if (files.Exists(path)) {
            if (!files.Rename(path, path + kAside)) return undo();
            setAside.push_back(path);
        }
        if (!files.Rename(path + kNew, path)) return undo();
        placed.push_back(path);
    }
    for (const std::string& path : setAside) files.Delete(path + kAside);
    return true;
}

}  // namespace policyoutput
