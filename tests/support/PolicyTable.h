#pragma once
// The three policy screens as the user and Windows know them: each box, its
// caption, and the policy value it stands for.
#include <vector>

#include "tests/support/Keys.h"

namespace testing_support {

// clang-format off
struct PolicyRow { const char *box, *caption, *key, *value; };
// The screen's caption, its Aplicar, Todos and Nenhum controls, its message; its boxes.
struct PolicyScreenWords { const char *caption, *aplicar, *todos, *nenhum, *applied; std::vector<PolicyRow> rows; };

inline const PolicyScreenWords kSystemScreen{
    "Sistema", "Label1", "Label2", "Label3", "Restrições aplicadas com sucesso",
    {
        {"CheckS1", "Oculta as opções de pasta no explorer", kExplorer, "NoFolderOptions"},
        {"CheckS2", "Não permite que as impressoras sejam deletadas", kExplorer, "NoDeletePrinter"},
        {"CheckS3", "Desliga a adição de novas impressoras", kExplorer, "NoAddPrinter"},
        {"CheckS4", "Esconde os drives em Meu Computador", kExplorer, "NoDrives"},
        {"CheckS5", "Oculta o menu de arquivo no explorer", kExplorer, "NoFileMenu"},
        {"CheckS6", "Remove as pastas das sentenças (painel de controle, rede dial-up...)", kExplorer, "NoSetFolders"},
        {"CheckS7", "Bloqueia o acesso ao site do Windows Update.", kExplorer, "NoWindowsUpdate"},
        {"CheckS8", "Bloqueia as conexões de rede e Dial-up ", kExplorer, "NoNetworkConnections"},
        {"CheckS9", "Esconde os computadores da rede local.", kNetwork, "NoWorkgroupContents"},
        {"CheckS10", "Desliga o botão de Alterar Senha na tela de segurança Ctrl+Alt+Del (Logon)", kSystem, "DisableChangePassword"},
        {"CheckS11", "Desligar o botão de travar estação da tela de segurança Ctrl+Alt+Del (Logon)", kSystem, "DisableLockWorkstation"},
    }};

inline const PolicyScreenWords kDesktopScreen{
    "Desktop", "Label3", "Label4", "Label5", "As alterações foram efetuadas com sucesso",
    {
        {"CheckD1", "Esconde todos os Ícones no Desktop", kExplorer, "NoDesktop"},
        {"CheckD2", "Esconde o ambiente de rede", kExplorer, "NoNetHood"},
        {"CheckD3", "Remove o ícone do Internet Explorer no desktop", kExplorer, "NoInternetIcon"},
        {"CheckD4", "Esconde o menu Favoritos", kExplorer, "NoFavoritesMenu"},
        {"CheckD5", "Desliga as alterações no menu iniciar", kExplorer, "NoChangeStartMenu"},
        {"CheckD6", "Limpa o histórico de documentos", kExplorer, "NoRecentDocsHistory"},
        {"CheckD7", "Esconde os documentos recentes no menu iniciar", kExplorer, "NoRecentDocsMenu"},
        {"CheckD8", "Desliga o comando executar", kExplorer, "NoRun"},
        {"CheckD9", "Remove a barra de tarefas ( sent. Iniciar)", kExplorer, "NoSetTaskbar"},
        {"CheckD10", "Remove o comando pesquisar", kExplorer, "NoFind"},
        {"CheckD11", "Esvazia a pasta de documentos recentes ao encerrar", kExplorer, "ClearRecentDocsOnExit"},
        {"CheckD12", "Esconde o grupo de programas comuns do menu iniciar", kExplorer, "NoCommonGroups"},
        {"CheckD14", "Remove a opção de ajuda do menu iniciar", kExplorer, "NoSMHelp"},
        {"CheckD15", "Remove o ítem do Active Desktop da página de configurações", kExplorer, "NoSetActiveDesktop"},
        // Our choice for the fifteenth box: it stands for the value it shows.
        {"CheckD13", "Desligar a adição de novos ícones ao desktop", kExplorer, "NoSaveSettings"},
    }};

inline const PolicyScreenWords kExplorerScreen{
    "Explorer", "Label3", "Label4", "Label5", "As alterações foram efetuadas com sucesso",
    {
        {"CheckE1", "Desabilita o desligar", kExplorer, "NoClose"},
        {"CheckE2", "Não salva as configurações ao sair", kExplorer, "NoSaveSettings"},
        {"CheckE3", "Desliga as ferramentas de edição de registro", kSystem, "DisableRegistryTools"},
        {"CheckE4", "Esconde a página de Identificação de Rede", kNetwork, "NoNetSetupIDPage"},
        {"CheckE5", "Desligar os controles de compartilhamento de impressoras", kNetwork, "NoPrintSharing"},
        {"CheckE6", "Desligar os controles de compartilhamento de arquivos", kNetwork, "NoFileSharingControl"},
        {"CheckE7", "Desligar a rede do painel de controle", kNetwork, "NoNetSetup"},
        {"CheckE8", "Esconder o gerenciador de dispositivos", kSystem, "NoDevMgrPage"},
        {"CheckE9", "Esconder a página de configurações de usuários", kSystem, "NoProfilePage"},
        {"CheckE10", "Esconder a página de administração remota", kSystem, "NoAdminPage"},
        {"CheckE11", "Esconder a página de alteração de password", kSystem, "NoPwdPage"},
        {"CheckE12", "Desligar o controle de passwords do painel de controle", kSystem, "NoSecCPL"},
        {"CheckE13", "Desligar o painel de controle de Vídeo", kSystem, "NoDispCPL"},
        {"CheckE14", "Esconder a página de sentenças (Vídeo)", kSystem, "NoDispSettingsPage"},
        {"CheckE15", "Esconder a página de aparência (Vídeo)", kSystem, "NoDispAppearancePage"},
        {"CheckE16", "Esconder a página de proteção de tela (Vídeo)", kSystem, "NoDispScrSavPage"},
        {"CheckE17", "Esconder a página de plano de fundo (Vídeo)", kSystem, "NoDispBackgroundPage"},
    }};

// clang-format on

}  // namespace testing_support
