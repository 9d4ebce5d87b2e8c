#pragma once
// The entries of the configuration wizard menu: its groups, each entry's
// sentence and icon, and what a click on either does.
#include <array>
#include <string_view>

#include "menus/MainMenuEntries.h"

namespace menus {

enum class WizardGroup { Blocking, Personalize, Optimize, Transfer, Options };

enum class WizardCommand {
    MenuEntry,    // the main menu's command of the same screen or import
    AreaChooser,  // the chooser of the three policy screens
    NormalMode,   // back to the main menu
};

inline constexpr int kAcross = -1;  // a group that spans both columns

struct WizardGroupInfo {
    WizardGroup group;
    std::string_view caption;
    int column;  // 0, 1 or kAcross
};

struct WizardEntry {
    std::string_view label;
    std::string_view picture;  // empty: the entry has no icon
    std::string_view icon;     // file in the program's images folder
    WizardGroup group;
    std::string_view caption;
    WizardCommand command;
    core::MenuCommand menuCommand;  // for WizardCommand::MenuEntry
};

inline constexpr std::array<WizardGroupInfo, 5> kWizardGroups = {{
    {WizardGroup::Blocking, "Opções de Bloqueio:", kAcross},
    {WizardGroup::Personalize, "Personalizar o computador:", 0},
    {WizardGroup::Optimize, "Otimizar o Computador:", 0},
    {WizardGroup::Transfer, "Importar/Exportar configurações:", 1},
    {WizardGroup::Options, "Opções do Quarvel", 1},
}};

inline constexpr std::array<WizardEntry, 17> kWizardEntries = {{
    {"Label2", "Picture10", "bloquear-executaveis.bmp", WizardGroup::Blocking,
     "Bloquear todos os arquivos executáveis, e atribuir permissões para alguns deles.",
     WizardCommand::MenuEntry, core::MenuCommand::AllowList},
    {"Label3",
     "Picture11",
     "bloquear-areas.bmp",
     WizardGroup::Blocking,
     "Bloquear diversas áreas do Windows, impedindo o uso incorreto do Computador.",
     WizardCommand::AreaChooser,
     {}},
    {"Label4", "Picture12", "bloquear-pastas.bmp", WizardGroup::Blocking,
     "Bloquear Pastas e Janelas do Windows, aumentando o poder de controle sobre o usuário.",
     WizardCommand::MenuEntry, core::MenuCommand::FolderBlocking},
    {"Label5", "Picture7", "personalizar-icones.bmp", WizardGroup::Personalize,
     "Personalizar os ícones do computador.", WizardCommand::MenuEntry, core::MenuCommand::Icons},
    {"Label6", "Picture8", "personalizar-navegador.bmp", WizardGroup::Personalize,
     "Personalizar o Internet Explorer.", WizardCommand::MenuEntry,
     core::MenuCommand::BrowserPersonalization},
    {"Label7", "Picture9", "personalizar-area.bmp", WizardGroup::Personalize,
     "Personalizar a Área de Trabalho.", WizardCommand::MenuEntry,
     core::MenuCommand::DesktopPersonalization},
    {"Label8", "Picture4", "otimizar-navegador.bmp", WizardGroup::Optimize,
     "Otimizar o Internet Explorer.", WizardCommand::MenuEntry,
     core::MenuCommand::BrowserOptimization},
    {"Label9", "Picture5", "otimizar-area.bmp", WizardGroup::Optimize,
     "Otimizar a Área de Trabalho.", WizardCommand::MenuEntry,
     core::MenuCommand::DesktopOptimization},
    {"Label10", "Picture6", "otimizar-sistema.bmp", WizardGroup::Optimize,
     "Otimizar a performance do computador.", WizardCommand::MenuEntry,
     core::MenuCommand::SystemOptimization},
    {"Label11", "Picture16", "importar-disquete.bmp", WizardGroup::Transfer,
     "Importar configurações de outro Quarvel apartir do Disquete.", WizardCommand::MenuEntry,
     core::MenuCommand::ImportFromFloppy},
    {"Label12", "Picture15", "importar-rede.bmp", WizardGroup::Transfer,
     "Importar configurações de outro Quarvel apartir da rede, outros...", WizardCommand::MenuEntry,
     core::MenuCommand::ImportFromFile},
    {"Label17", "Picture17", "desfazer-importacao.bmp", WizardGroup::Transfer,
     "Desfazer a última importação, voltando às configurações de antes.", WizardCommand::MenuEntry,
     core::MenuCommand::UndoImport},
    {"Label13", "Picture14", "exportar.bmp", WizardGroup::Transfer,
     "Exportar configurações atuais do Quarvel para outro computador.", WizardCommand::MenuEntry,
     core::MenuCommand::ExportWizard},
    {"Label14", "Picture18", "senha.bmp", WizardGroup::Options,
     "Alterar a senha de entrada do Quarvel", WizardCommand::MenuEntry,
     core::MenuCommand::ChangeLockCode},
    {"Label15", "Picture19", "inicializacao.bmp", WizardGroup::Options,
     "Alterar as opções de inicialização do Quarvel", WizardCommand::MenuEntry,
     core::MenuCommand::StartUpOptions},
    {"Label18", "Picture20", "destino.bmp", WizardGroup::Options,
     "Escolher de quem são as configurações.",
     WizardCommand::MenuEntry, core::MenuCommand::ChooseTarget},
    {"Label16", "", "", WizardGroup::Options, "Modo normal", WizardCommand::NormalMode, {}},
}};

}  // namespace menus
