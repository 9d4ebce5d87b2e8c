#pragma once
// The entries of the main menu: which framed group each belongs to, its
// caption and its tool tip.
#include <array>
#include <string_view>

#include "core/ScreenCommands.h"

namespace menus {

using core::MenuCommand;

enum class MenuGroup { Restrictions, Optimization, Personalization, Export, Import, Options };

struct MenuGroupInfo {
    MenuGroup group;
    std::string_view caption;
};

struct MenuEntry {
    std::string_view control;
    MenuGroup group;
    std::string_view caption;
    std::string_view toolTip;
    core::MenuCommand command;
};

inline constexpr std::array<MenuGroupInfo, 6> kMenuGroups = {{
    {MenuGroup::Restrictions, "Restrições"},
    {MenuGroup::Optimization, "Otimização"},
    {MenuGroup::Personalization, "Personalização"},
    {MenuGroup::Export, "Exportar configurações:"},
    {MenuGroup::Import, "Importar configurações:"},
    {MenuGroup::Options, "Opções do programa"},
}};

inline constexpr std::array<MenuEntry, 18> kMenuEntries = {{
    {"Label9", MenuGroup::Restrictions, "Executáveis",
     "Abre a página de restrições de Executávies do tipo *.exe, *.com, *.bat e *.pif",
     core::MenuCommand::AllowList},
    {"Label8", MenuGroup::Restrictions, "Sistema",
     "Abre a página de restrições dos componentes de sistema do Windows",
     core::MenuCommand::SystemRestrictions},
    {"Label7", MenuGroup::Restrictions, "Desktop",
     "Abre a página de restrições para os componentes do Desktop do Windows",
     core::MenuCommand::DesktopRestrictions},
    {"Label6", MenuGroup::Restrictions, "Explorer",
     "Abre a página de restrições dos componentes Explorer do Windows",
     core::MenuCommand::ExplorerRestrictions},
    {"Label5", MenuGroup::Restrictions, "Pastas/Janelas",
     "Abre a página de restrições de Diretórios e janelas do Windows",
     core::MenuCommand::FolderBlocking},
    {"Label15", MenuGroup::Optimization, "Sistema",
     "Abre a página de opções para a otmização do sistema", core::MenuCommand::SystemOptimization},
    {"Label14", MenuGroup::Optimization, "Desktop",
     "Abre a página de opções para a otmização do Desktop( Área de trabalho )",
     core::MenuCommand::DesktopOptimization},
    {"Label13", MenuGroup::Optimization, "Internet Explorer",
     "Abre a página de opções para a otmização do Internet Explorer e Outlook Express",
     core::MenuCommand::BrowserOptimization},
    {"Label18", MenuGroup::Personalization, "Ícones",
     "Abre a página de opções para a personalização dos ícones do computador",
     core::MenuCommand::Icons},
    {"Label17", MenuGroup::Personalization, "Desktop",
     "Abre a página de opções para a personalização do Desktop (Área de trabalho)",
     core::MenuCommand::DesktopPersonalization},
    {"Label16", MenuGroup::Personalization, "Internet Explorer",
     "Abre a página de opções para a personalização do Internet Explorer e Outlook Express",
     core::MenuCommand::BrowserPersonalization},
    {"Label23", MenuGroup::Export, "Abrir o assistente...",
     "Abre a página com um assistente para exportar as configurações atuais para outro "
     "software Quarvel",
     core::MenuCommand::ExportWizard},
    {"Label24", MenuGroup::Import, "Importar do disquete",
     "Importa as configurações de outro Quarvel a partir de um disquete",
     core::MenuCommand::ImportFromFloppy},
    {"Label25", MenuGroup::Import, "Outros locais...",
     "Importa as configurações de outro Quarvel em um local específico",
     core::MenuCommand::ImportFromFile},
    {"Label27", MenuGroup::Import, "Desfazer importação",
     "Desfaz a última importação, devolvendo as configurações que havia antes dela",
     core::MenuCommand::UndoImport},
    {"Label26", MenuGroup::Options, "Inicialização",
     "Escolhe os parâmetros de inicialização do software Quarvel",
     core::MenuCommand::StartUpOptions},
    {"Label19", MenuGroup::Options, "Alterar Senha",
     "Abre a página de senhas para alterar ou remover a senha ao iniciar o Quarvel",
     core::MenuCommand::ChangeLockCode},
    {"Label28", MenuGroup::Options, "Destino...",
     "Escolhe de quem são as configurações: desta conta, dos usuários comuns ou de uma conta local",
     core::MenuCommand::ChooseTarget},
}};

}  // namespace menus
