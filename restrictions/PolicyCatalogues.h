#pragma once
// The per-user Windows policies that the three policy screens switch, one
// check box each. The configuration file carries the same values in the same
// order (system, desktop, explorer), so each key and value name is written
// only here.
#include <array>
#include <cstdint>
#include <string_view>

namespace restrictions {

inline constexpr std::string_view kExplorerPolicyKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr std::string_view kNetworkPolicyKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
inline constexpr std::string_view kSystemPolicyKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline constexpr std::string_view kWinOldAppPolicyKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp";

// Created, in this order, before any policy is written (HKEY_CURRENT_USER);
// no value lives under WinOldApp, but Windows looks for the key.
inline constexpr std::array<std::string_view, 4> kPolicyKeys = {
    kSystemPolicyKey, kNetworkPolicyKey, kWinOldAppPolicyKey, kExplorerPolicyKey};

// Every policy is a REG_DWORD under HKEY_CURRENT_USER: `on` (1, or a mask)
// or 0 off.
struct PolicyEntry {
    std::string_view checkBox;
    std::string_view caption;
    std::string_view key;
    std::string_view valueName;
    std::int32_t on = 1;
    // A mask: another tool's mask (any but 0) shows the policy on, and is
    // kept while it stays on.
    bool IsMask() const { return on != 1; }
};

// Whether the stored value (as its text reads) has the policy on: exactly
// "1", or for a mask anything but 0.
inline bool IsOn(const PolicyEntry& entry, std::string_view stored) {
    return entry.IsMask() ? !stored.empty() && stored != "0" : stored == "1";
}

inline constexpr std::array<PolicyEntry, 11> kSystemPolicies = {{
    {"CheckS1", "Oculta as opções de pasta no explorer", kExplorerPolicyKey, "NoFolderOptions"},
    {"CheckS2", "Não permite que as impressoras sejam deletadas", kExplorerPolicyKey,
     "NoDeletePrinter"},
    {"CheckS3", "Desliga a adição de novas impressoras", kExplorerPolicyKey, "NoAddPrinter"},
    // A mask of drive letters, A: in its lowest bit: on hides every letter.
    {"CheckS4", "Esconde os drives em Meu Computador", kExplorerPolicyKey, "NoDrives", 0x03FFFFFF},
    {"CheckS5", "Oculta o menu de arquivo no explorer", kExplorerPolicyKey, "NoFileMenu"},
    {"CheckS6", "Remove as pastas das sentenças (painel de controle, rede dial-up...)",
     kExplorerPolicyKey, "NoSetFolders"},
    {"CheckS7", "Bloqueia o acesso ao site do Windows Update.", kExplorerPolicyKey,
     "NoWindowsUpdate"},
    {"CheckS8", "Bloqueia as conexões de rede e Dial-up ", kExplorerPolicyKey,
     "NoNetworkConnections"},
    {"CheckS9", "Esconde os computadores da rede local.", kNetworkPolicyKey, "NoWorkgroupContents"},
    {"CheckS10", "Desliga o botão de Alterar Senha na tela de segurança Ctrl+Alt+Del (Logon)",
     kSystemPolicyKey, "DisableChangePassword"},
    {"CheckS11", "Desligar o botão de travar estação da tela de segurança Ctrl+Alt+Del (Logon)",
     kSystemPolicyKey, "DisableLockWorkstation"},
}};

inline constexpr std::array<PolicyEntry, 15> kDesktopPolicies = {{
    {"CheckD1", "Esconde todos os Ícones no Desktop", kExplorerPolicyKey, "NoDesktop"},
    {"CheckD2", "Esconde o ambiente de rede", kExplorerPolicyKey, "NoNetHood"},
    {"CheckD3", "Remove o ícone do Internet Explorer no desktop", kExplorerPolicyKey,
     "NoInternetIcon"},
    {"CheckD4", "Esconde o menu Favoritos", kExplorerPolicyKey, "NoFavoritesMenu"},
    {"CheckD5", "Desliga as alterações no menu iniciar", kExplorerPolicyKey, "NoChangeStartMenu"},
    {"CheckD6", "Limpa o histórico de documentos", kExplorerPolicyKey, "NoRecentDocsHistory"},
    {"CheckD7", "Esconde os documentos recentes no menu iniciar", kExplorerPolicyKey,
     "NoRecentDocsMenu"},
    {"CheckD8", "Desliga o comando executar", kExplorerPolicyKey, "NoRun"},
    {"CheckD9", "Remove a barra de tarefas ( sent. Iniciar)", kExplorerPolicyKey, "NoSetTaskbar"},
    {"CheckD10", "Remove o comando pesquisar", kExplorerPolicyKey, "NoFind"},
    {"CheckD11", "Esvazia a pasta de documentos recentes ao encerrar", kExplorerPolicyKey,
     "ClearRecentDocsOnExit"},
    {"CheckD12", "Esconde o grupo de programas comuns do menu iniciar", kExplorerPolicyKey,
     "NoCommonGroups"},
    // Without saved settings, icons added to the desktop are gone at the next
    // logon. The explorer screen's "Não salva as configurações ao sair" is the
    // same value, and the configuration file carries it at this place too.
    {"CheckD13", "Desligar a adição de novos ícones ao desktop", kExplorerPolicyKey,
     "NoSaveSettings"},
    {"CheckD14", "Remove a opção de ajuda do menu iniciar", kExplorerPolicyKey, "NoSMHelp"},
    {"CheckD15", "Remove o ítem do Active Desktop da página de configurações", kExplorerPolicyKey,
     "NoSetActiveDesktop"},
}};

inline constexpr std::array<PolicyEntry, 17> kExplorerPolicies = {{
    {"CheckE1", "Desabilita o desligar", kExplorerPolicyKey, "NoClose"},
    {"CheckE2", "Não salva as configurações ao sair", kExplorerPolicyKey, "NoSaveSettings"},
    {"CheckE3", "Desliga as ferramentas de edição de registro", kSystemPolicyKey,
     "DisableRegistryTools"},
    {"CheckE4", "Esconde a página de Identificação de Rede", kNetworkPolicyKey, "NoNetSetupIDPage"},
    {"CheckE5", "Desligar os controles de compartilhamento de impressoras", kNetworkPolicyKey,
     "NoPrintSharing"},
    {"CheckE6", "Desligar os controles de compartilhamento de arquivos", kNetworkPolicyKey,
     "NoFileSharingControl"},
    {"CheckE7", "Desligar a rede do painel de controle", kNetworkPolicyKey, "NoNetSetup"},
    {"CheckE8", "Esconder o gerenciador de dispositivos", kSystemPolicyKey, "NoDevMgrPage"},
    {"CheckE9", "Esconder a página de configurações de usuários", kSystemPolicyKey,
     "NoProfilePage"},
    {"CheckE10", "Esconder a página de administração remota", kSystemPolicyKey, "NoAdminPage"},
    {"CheckE11", "Esconder a página de alteração de password", kSystemPolicyKey, "NoPwdPage"},
    {"CheckE12", "Desligar o controle de passwords do painel de controle", kSystemPolicyKey,
     "NoSecCPL"},
    {"CheckE13", "Desligar o painel de controle de Vídeo", kSystemPolicyKey, "NoDispCPL"},
    {"CheckE14", "Esconder a página de sentenças (Vídeo)", kSystemPolicyKey, "NoDispSettingsPage"},
    {"CheckE15", "Esconder a página de aparência (Vídeo)", kSystemPolicyKey,
     "NoDispAppearancePage"},
    {"CheckE16", "Esconder a página de proteção de tela (Vídeo)", kSystemPolicyKey,
     "NoDispScrSavPage"},
    {"CheckE17", "Esconder a página de plano de fundo (Vídeo)", kSystemPolicyKey,
     "NoDispBackgroundPage"},
}};

}  // namespace restrictions
