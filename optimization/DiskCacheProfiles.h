#pragma once
// The file-system cache templates Windows offers, as the default value of
// the FS Templates key of the local machine.
#include <array>
#include <string_view>

namespace optimization {

inline constexpr std::string_view kFsTemplatesKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";

struct DiskCacheProfile {
    std::string_view control;
    std::string_view caption;
    std::string_view storedText;
};

inline constexpr std::array<DiskCacheProfile, 3> kDiskCacheProfiles = {{
    {"Option1", "Servidor de Rede ( Melhor Performance)", "Server"},
    {"Option2", "Sistema Móvel ( Arquivos pequenos com rápido acesso)", "Mobile"},
    {"Option3", "Usuário Doméstico ( Padrão do Windows)", "Desktop"},
}};

}  // namespace optimization
