#pragma once
// Where the browser and the mail program keep the settings both the
// personalisation and the optimisation screens change.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/LongValues.h"
#include "core/WindowsSupport.h"
#include "platform/Accounts.h"
#include "registry/RegistryAccess.h"

namespace personalization {

inline constexpr std::string_view kBrowserMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr std::string_view kIdentitiesKey = "Identities";
inline constexpr std::string_view kDefaultUserId = "Default User ID";
// Why the mail program's keys cannot be written for another account.
inline constexpr std::string_view kIdentityReason =
    "a chave do programa de e-mail depende da identidade de cada conta.";
inline constexpr std::string_view kMailProgramPath = "\\Software\\Microsoft\\Outlook Express\\";

// What the browser and mail screens say at their top on Windows 10 and 11;
// empty on an older Windows.
std::string RetiredProgramsNotice(platform::Accounts& accounts);

// The mail program versions a screen can address.
inline constexpr std::string_view kMailVersions[] = {"4.0", "5.0", "6.0"};
inline constexpr std::string_view kXpVersionHint =
    "Se o seu sistema operacional for o Windows XP, selecione a versão 5.0";

// A browser switch: a pair "Ligado"/"Desligado" that writes "yes" or "no"
// into one value of the browser key; exactly "yes" reads as on.
struct BrowserSwitch {
    std::string_view heading;
    std::string_view onControl;
    std::string_view offControl;
    Hive hive;
    std::string_view valueName;
};

// Text values of the browser key (HKEY_CURRENT_USER).
inline constexpr std::string_view kStartPage = "Start Page";
inline constexpr std::string_view kBlankPage = "about:blank";
inline constexpr std::string_view kWindowTitle = "Window Title";
inline constexpr std::string_view kSaveDirectory = "Save Directory";

// The longest text each box holds: a title is one line, an address as long
// as the browser takes one, a folder a Windows path.
inline constexpr core::TextLimit kBrowserTitleLimit = {"o título do Internet Explorer", 255};
inline constexpr core::TextLimit kMailTitleLimit = {"o título do Outlook Express", 255};
inline constexpr core::TextLimit kStartPageLimit = {"a página inicial", 2083};
inline constexpr core::TextLimit kSaveDirectoryLimit = {"o diretório de salvamento", 260};

// The switches of a screen as settings of the table of Windows versions.
std::vector<core::CaptionedSetting> SwitchSettings(std::span<const BrowserSwitch> switches);

inline constexpr std::string_view kSwitchOn = "yes";
inline constexpr std::string_view kSwitchOff = "no";

// The switches of the browser personalisation screen, top to bottom.
inline constexpr std::array<BrowserSwitch, 5> kPersonalBrowserSwitches = {{
    {"Salvar histórico da seção ao sair:", "Label8", "Label9", Hive::CurrentUser,
     "Save_Session_History_On_Exit"},
    {"Depuração de Scripts:", "Label10", "Label11", Hive::CurrentUser, "Disable Script Debugger"},
    {"Perguntar sobre a gravação de senha:", "Label12", "Label13", Hive::CurrentUser,
     "FormSuggest PW Ask"},
    {"Sugestões:", "Label14", "Label15", Hive::CurrentUser, "Use FormSuggest"},
    {"Mensagens sobre Erros", "Label16", "Label17", Hive::CurrentUser,
     "Error Dlg Displayed On Every Error"},
}};

// The switches of the browser optimisation screen, top to bottom; three of
// them are machine-wide.
inline constexpr std::array<BrowserSwitch, 5> kTuningBrowserSwitches = {{
    {"Habilitar o Cache de Disco:", "LabelT", "Label7", Hive::LocalMachine, "Enable_Disk_Cache"},
    {"Deletar arquivos temporários ao sair:", "Label10", "Label11", Hive::LocalMachine,
     "Delete_Temp_Files_On_Exit"},
    {"Usar DNS Assíncrono:", "Label8", "Label9", Hive::LocalMachine, "Use_Async_DNS"},
    {"Mostrar URL completa:", "Label14", "Label16", Hive::CurrentUser, "Show_FullURL"},
    {"Iniciando em Tela Cheia:", "Label12", "Label13", Hive::CurrentUser, "FullScreen"},
}};

// The mail program's key of one identity and version, under HKEY_CURRENT_USER.
// An empty version would leave a trailing backslash, which the registry
// reads as the mail program's own key: callers choose a version first.
inline std::string MailProgramKey(std::string_view identity, std::string_view version) {
    std::string key(kIdentitiesKey);
    key += '\\';
    key += identity;
    key += kMailProgramPath;
    key += version;
    return key;
}

}  // namespace personalization
