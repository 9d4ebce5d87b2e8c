#include "restrictions/BlockList.h"

#include "core/Settings.h"

namespace restrictions::block_list {

std::string SignatureLine() {
    return std::string(kSignature) + " - " + std::string(core::kWebAddress);
}

std::string FilePath(const std::string& baseFolder) {
    return baseFolder + std::string(kFileName);
}

std::optional<std::string> Read(platform::Files& files, const std::string& path) {
    auto lines = files.ReadLines(path);
    if (!lines) return std::nullopt;
    std::size_t size = 0;
    for (const std::string& line : *lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (i > 0) text += "\r\n";
        text += (*lines)[i];
    }
    return text;
}

std::string FileContent(const std::string& text) {
    if (text.starts_with(kSignature)) return text + "\r\n";
    return SignatureLine() + "\r\n" + text + "\r\n";
}

bool Write(platform::Files& files, const std::string& path, const std::string& text) {
    return files.WriteText(path, FileContent(text));
}

std::string LogonCommand(const std::string& programFolder) {
    return "\"" + programFolder + std::string(kCompanion) + "\"";
}

LogonPlace LogonPlaceFor(const core::Target& target) {
    if (target.IsPolicyObject()) return {Hive::CurrentUser, kPolicyRunKey};
    return {Hive::LocalMachine, kRunKey};
}

bool SetLogonEntry(RegistryAccess& registry, platform::Files& files, const core::Target& target) {
    LogonPlace place = LogonPlaceFor(target);
    return registry.SetValue(place.hive, place.key, kLogonEntry,
                             LogonCommand(files.ProgramFolder()), ValueType::String) == 0;
}

bool RemoveLogonEntry(RegistryAccess& registry, const core::Target& target) {
    LogonPlace place = LogonPlaceFor(target);
    registry.DeleteValue(place.hive, place.key, kLogonEntry);
    return !registry.ValueExists(place.hive, place.key, kLogonEntry);
}

}  // namespace restrictions::block_list
