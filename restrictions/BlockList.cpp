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

bool SetLogonEntry(RegistryAccess& registry, platform::Files& files) {
    return registry.SetValue(Hive::LocalMachine, kRunKey, kLogonEntry,
                             LogonCommand(files.ProgramFolder()), ValueType::String) == 0;
}

bool RemoveLogonEntry(RegistryAccess& registry) {
    registry.DeleteValue(Hive::LocalMachine, kRunKey, kLogonEntry);
    return !registry.ValueExists(Hive::LocalMachine, kRunKey, kLogonEntry);
}

}  // namespace restrictions::block_list
