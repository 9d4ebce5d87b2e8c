#include "changes/ValueReport.h"

#include <array>
#include <utility>

namespace changes {
namespace {

constexpr std::array<std::pair<Hive, std::string_view>, 3> kHiveNames = {{
    {Hive::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {Hive::CurrentUser, "HKEY_CURRENT_USER"},
    {Hive::LocalMachine, "HKEY_LOCAL_MACHINE"},
}};

}  // namespace

std::string KeyPath(Hive hive, std::string_view key) {
    std::string path;
    for (auto [known, hiveName] : kHiveNames)
        if (known == hive) path = std::string(hiveName);
    return path + "\\" + std::string(key);
}

std::string ValuePath(Hive hive, std::string_view key, std::string_view name) {
    return KeyPath(hive, key) + "\\" + std::string(name.empty() ? "(Padrão)" : name);
}

std::string WhyNotWritten(RegistryStatus status) {
    switch (status) {
        case 2:
            return " (a chave não existe)";
        case 5:
            return " (acesso negado)";
        case kNotStorable:
            return " (caracteres que o Windows não consegue gravar)";
        default:
            return " (erro " + std::to_string(status) + ")";
    }
}

std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += "\r\n" + item;
    return text;
}

}  // namespace changes
