#pragma once
// The personalisation, optimisation and options screens, one table each, as
// the user and Windows know them.
#include <string>

#include "tests/support/Keys.h"
#include "tests/support/ScreenTable.h"

namespace testing_support::screens {

constexpr Hive HKLM = Hive::LocalMachine;
constexpr Hive HKCU = Hive::CurrentUser;
constexpr Hive HKCR = Hive::ClassesRoot;

// Where the NT family and Wine read the logon notice (no 9x Winlogon key there).
constexpr char kRecentFiles[] = "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";
constexpr char kMailParent[] = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express";
constexpr char kMail4[] = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\4.0";
constexpr char kMail5[] = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\5.0";
constexpr char kMail6[] = "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\6.0";
constexpr char kControlDesktop[] = "Control Panel\\Desktop";
constexpr char kMetrics[] = "Control panel\\Desktop\\WindowMetrics";
constexpr char kOpenWith[] = "*\\Shell\\OpenWith";
constexpr char kOpenWithCommand[] = "*\\Shell\\OpenWith\\Command";
constexpr char kTemplates[] = "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
constexpr char kShellIcons[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";

inline ShownMessage Unstorable(const std::string& subject, const std::string& characters) {
    return {subject + " contém caracteres que o Windows não consegue gravar: " + characters +
                ". Nada foi gravado: troque esses caracteres e tente de novo.",
            "Erro", 16};
}
inline const ShownMessage kEfetuadas{"As alterações foram efetuadas com sucesso", "Quarvel", 64};
inline const ShownMessage kAplicadas{"As alterações foram aplicadas com sucesso", "Quarvel", 64};
inline const ShownMessage kTextRemoved{"O texto foi removido com sucesso", "Aviso", 0};
inline const ShownMessage kXpHint{
    "Se o seu sistema operacional for o Windows XP, selecione a versão 5.0", "Quarvel", 64};

inline const ShownMessage kNoticeCreated{
    "A mensagem de logon foi criada com sucesso, efetue logoff para conferir os resultados",
    "Quarvel", 64};
inline const ShownMessage kNoticeRemoved{"A Mensagem foi removida com sucesso", "Aviso", 0};
inline const ShownMessage kListCleared{"A lista foi limpa com sucesso", "Aviso", 64};

inline const ScreenTable kPersDesk{
    .caption = "Desktop",
    .words =
        "Label3=Criando uma mensagem de Logon:|Label4=Título:|Text3=|Label5=Conteúdo:|Text4=|"
        "Label7=Aplicar|Label2=Remover Mensagem|"
        "Label16=Menu Iniciar, Rolagem ou Múltiplas Conlunas?|~Label8=Rolagem|*Label9=Colunas|"
        "Label10=Limpar a lista de documentos recentes do Windows Media Player 7|Label11=OK",
    .tips =
        "Text3=Coloque aqui o título da sua mensagem de Logon|"
        "Text4=Coloque aqui o conteúdo da sua mensagem de Logon",
    .given = {{HKLM, kNtWinlogon, "LegalNoticeCaption", nullptr},
              {HKLM, kNtWinlogon, "LegalNoticeText", nullptr},
              {HKCU, kExplorerAdvanced, "StartMenuScrollPrograms", "yes"},
              {HKCU, kRecentFiles, "File0", "C:\\musica.mp3"}},
    .steps = {
        Type({{"Text3", "Aviso ☃ € Ω"}, {"Text4", "Linha um\r\nLinha dois"}}, "Label7",
             {Unstorable("A mensagem de logon", "☃ Ω")},
             {{HKLM, kNtWinlogon, "LegalNoticeCaption", nullptr}}),
        Type({{"Text3", "Atenção €"}}, "Label7", {kNoticeCreated},
             {{HKLM, kNtWinlogon, "LegalNoticeCaption", "Atenção €"},
              {HKLM, kNtWinlogon, "LegalNoticeText", "Linha um\r\nLinha dois"}}),
        Click("Label2", {kNoticeRemoved},
              {{HKLM, kNtWinlogon, "LegalNoticeCaption", nullptr},
               {HKLM, kNtWinlogon, "LegalNoticeText", nullptr}}),
        Click("Label2", {kNoticeRemoved}),
        // The fields kept their texts: Enter in the title writes them again.
        Click("Text3", {kNoticeCreated},
              {{HKLM, kNtWinlogon, "LegalNoticeCaption", "Atenção €"},
               {HKLM, kNtWinlogon, "LegalNoticeText", "Linha um\r\nLinha dois"}}),
        Choose("Label8", "Label9", {{HKCU, kExplorerAdvanced, "StartMenuScrollPrograms", "YES"}}),
        Choose("Label9", "Label8", {{HKCU, kExplorerAdvanced, "StartMenuScrollPrograms", "NO"}},
               true),
        Click("Label11", {kListCleared}, {{HKCU, kRecentFiles, nullptr}}),
        Click("Label11", {kListCleared}),
    }};

inline const ScreenTable kPersIE{
    .caption = "Internet Explorer",
    .words =
        "HeadingLabel8=Salvar histórico da seção ao sair:|*Label8=Ligado|~Label9=Desligado|"
        "HeadingLabel10=Depuração de Scripts:|~Label10=Ligado|*Label11=Desligado|"
        "HeadingLabel12=Perguntar sobre a gravação de senha:|~Label12=Ligado|*Label13=Desligado|"
        "HeadingLabel14=Sugestões:|~Label14=Ligado|*Label15=Desligado|"
        "HeadingLabel16=Mensagens sobre Erros|~Label16=Ligado|*Label17=Desligado|"
        "Label5=Adicionar um texto na barra de título do Outlook Express|Text11=|"
        "Label22=Aplicar|Label1=Remover|Label6=Selecione a versão do programa:|"
        "~Label2=4.0|~Label3=5.0|~Label4=6.0|Label7=Definir nova Página Inicial:|"
        "Text29=http://antiga/|Label18=Aplicar|"
        "Label19=Adicionar um texto na barra de Título do Internet Explorer:|Text10=Antigo|"
        "Label23=Aplicar|Label21=Remover",
    .given = {{HKCU, "Identities", "Default User ID", "{ID-1}"},
              {HKCU, kBrowserMain, "Save_Session_History_On_Exit", "yes"},
              {HKCU, kBrowserMain, "Disable Script Debugger", "YES"},
              {HKCU, kBrowserMain, "FormSuggest PW Ask", nullptr},
              {HKCU, kBrowserMain, "Use FormSuggest", "no"},
              {HKCU, kBrowserMain, "Error Dlg Displayed On Every Error", "Yes"},
              {HKCU, kBrowserMain, "Window Title", "Antigo"},
              {HKCU, kBrowserMain, "Start Page", "http://antiga/"},
              {HKCU, kMail4, "WindowTitle", nullptr},
              {HKCU, kMail6, "WindowTitle", "Seis"}},
    .steps = {
        Choose("Label9", "Label8", {{HKCU, kBrowserMain, "Save_Session_History_On_Exit", "no"}}),
        Choose("Label10", "Label11", {{HKCU, kBrowserMain, "Disable Script Debugger", "yes"}}),
        Choose("Label12", "Label13", {{HKCU, kBrowserMain, "FormSuggest PW Ask", "yes"}}),
        Choose("Label14", "Label15", {{HKCU, kBrowserMain, "Use FormSuggest", "yes"}}, true),
        Choose("Label16", "Label17",
               {{HKCU, kBrowserMain, "Error Dlg Displayed On Every Error", "yes"}}),
        Type(
            {{"Text11", "Correio"}}, "Label22",
            {{"O Título do Outlook Express versão: 4.0 foi definido para: Correio", "Quarvel", 64}},
            {{HKCU, kMail4, "WindowTitle", "Correio"}}),
        // 6.0 reads its title into the field; "Remover" keeps it there.
        Choose("Label4", "Label2", {}, false, {kXpHint}),
        Click("Label1", {kTextRemoved}, {{HKCU, kMail6, "WindowTitle", nullptr}}),
        Click("Label22",
              {{"O Título do Outlook Express versão: 6.0 foi definido para: Seis", "Quarvel", 64}},
              {{HKCU, kMail6, "WindowTitle", "Seis"}}),
        // No key for 5.0 under this identity: nothing is read, nor stored.
        Choose("Label3", "Label4"),
        Type({{"Text11", "Cinco"}}, "Label22",
             {{"Não foi possível gravar o título do Outlook Express: a chave "
               "Identities\\{ID-1}\\Software\\Microsoft\\Outlook Express\\5.0 não existe neste "
               "Windows.",
               "Erro", 16}},
             {{HKCU, kMail5, nullptr}}),
        Type({{"Text29", ""}}, "Label18", {kEfetuadas},
             {{HKCU, kBrowserMain, "Start Page", "about:blank"}}),
        Type({{"Text29", "http://escola.example/"}}, "Text29", {kEfetuadas},
             {{HKCU, kBrowserMain, "Start Page", "http://escola.example/"}}),
        Type({{"Text10", "Título ☃"}}, "Label23",
             {Unstorable("O título do Internet Explorer", "☃")},
             {{HKCU, kBrowserMain, "Window Title", "Antigo"}}),
        Type({{"Text10", "Navegador da Escola"}}, "Text10", {kEfetuadas},
             {{HKCU, kBrowserMain, "Window Title", "Navegador da Escola"}}),
        Click("Label21", {kTextRemoved}, {{HKCU, kBrowserMain, "Window Title", nullptr}}),
        Click("Label23", {kEfetuadas},
              {{HKCU, kBrowserMain, "Window Title", "Navegador da Escola"}}),
    }};

// The list "Relação dos números:", slot by slot.
// clang-format off
inline const char* const kIconList[] = {
    "1 - Arquivos Desconhecidos", "2 - Arquivos MSN", "3 - Aplicações Genéricas",
    "4 - Pasta fechada", "5 - Pasta aberta", "6 - Drive de 5.25\"", "7 - Drive de 3.25\"",
    "8 - Drive Removível", "9 - Disco Rígido", "10 - Drive de Rede", "11 - Drive de Rede Offline",
    "12 - Drive de CD-Rom", "13 - RAM drive", "14 - Rede", "15 - HUB da Rede",
    "16 - Meu Computador", "17 - Impressoras", "18 - Ambiente de Rede", "19 - Grupo de Trabalho",
    "20 - Programas (Iniciar)", "21 - Documentos (Iniciar)", "22 - Sentenças (Iniciar)",
    "23 - Localizar (Iniciar)", "24 - Ajuda (Iniciar)", "25 - Executar (Iniciar)",
    "26 - Suspender (Iniciar)", "27 - Estado de Espera (Iniciar)", "28 - Desligar (Iniciar)",
    "29 - Compartilhado", "30 - Seta de atalho", "31 - Desconhecidos", "32 - Lixeira Vazia",
    "33-  Lixeira Cheia ", "34 - Rede Dial Up", "35 - Desktop", "36 - Painel de Controle",
    "37 - Programas (Iniciar)", "38 - Pasta de Impressoras", "39 - Pasta de Fontes",
    "40 - Ícone da Barra de Tarefas", "41 - CD de Áudio"};
// clang-format on

inline const ScreenTable kNovo{
    .caption = "Alterar Ícones",
    .words =
        "Label43=Relação dos números:|Label44=Aplicar|Label45=Limpar Cache|Label46=Desfazer|"
        "Label47=Ler Atuais|Number1=01|Number9=09|Number41=41",
    .given = {{HKLM, kShellIcons, "0", "C:\\Icones\\um.ico"},
              {HKLM, kShellIcons, "1", nullptr},
              {HKLM, kShellIcons, "40", "C:\\Icones\\cd.ico"},
              {HKLM, kShellIcons, "41", "fica"}},
    .steps =
        {
            // Nothing picked: nothing stored over what is there, no placeholder.
            Click("Label44",
                  {{"As alterações foram aplicadas com sucesso, clique em limpar o cache "
                    "para melhores resultados",
                    "Sucesso", 64}},
                  {{HKLM, kShellIcons, "0", "C:\\Icones\\um.ico"},
                   {HKLM, kShellIcons, "1", nullptr}}),
            Click("Label46",
                  {{"As alterações foram removidas, clique em limpar o cache para melhores "
                    "resultados",
                    "Quarvel", 64}},
                  {{HKLM, kShellIcons, "0", nullptr},
                   {HKLM, kShellIcons, "40", nullptr},
                   {HKLM, kShellIcons, "41", "fica"}}),
        },
    .list = "List1",
    .rows = kIconList};

inline const ScreenTable kOtiD{
    .caption = "Desktop",
    .words =
        "Label1=Acelerar menus:|~Label7=Ligado|*Label8=Desligado|"
        "Label6=Animações do Windows ao Maximizar/Minimizar:|*Label2=Ligado|~Label3=Desligado|"
        "Label9=Habilitando \"Abrir Com...\" para todos os arquivos:|~Label4=Ligado|"
        "*Label5=Desligado",
    .given = {{HKCU, kControlDesktop, "MenuShowDelay", "400"},
              {HKCU, kMetrics, "MinAnimate", "1"},
              // Wine keeps no SystemRoot here: the folder the system reports.
              {HKLM, kCurrentVersion, "SystemRoot", nullptr},
              // Another program's verb of the same name.
              {HKCR, kOpenWith, "", "Abrir com o Editor"},
              {HKCR, kOpenWithCommand, "", "editor.exe %1"}},
    .steps = {
        Choose("Label7", "Label8", {{HKCU, kControlDesktop, "MenuShowDelay", "0"}}),
        Choose("Label8", "Label7", {{HKCU, kControlDesktop, "MenuShowDelay", "500"}}, true),
        Choose("Label3", "Label2", {{HKCU, kMetrics, "MinAnimate", "0"}}),
        Choose("Label2", "Label3", {{HKCU, kMetrics, "MinAnimate", "1"}}),
        Choose("Label4", "Label5",
               {{HKCR, kOpenWith, "", "QV - Abrir com..."},
                {HKCR, kOpenWithCommand, "",
                 "C:\\windows\\rundll32.exe shell32.dll,OpenAs_RunDLL %1"}}),
        Choose("Label4", "Label5", {{HKCR, kOpenWith, "", "QV - Abrir com..."}}),
        Choose("Label5", "Label4", {{HKCR, kOpenWith, nullptr}}),
    }};

inline const ScreenTable kOtiIE{
    .caption = "Internet Explorer",
    .words =
        "HeadingLabelT=Habilitar o Cache de Disco:|~LabelT=Ligado|*Label7=Desligado|"
        "HeadingLabel10=Deletar arquivos temporários ao sair:|*Label10=Ligado|~Label11=Desligado|"
        "HeadingLabel8=Usar DNS Assíncrono:|~Label8=Ligado|*Label9=Desligado|"
        "HeadingLabel14=Mostrar URL completa:|~Label14=Ligado|*Label16=Desligado|"
        "HeadingLabel12=Iniciando em Tela Cheia:|~Label12=Ligado|*Label13=Desligado|"
        "Label15=Diretório de Salvamento:|Text1=C:\\Baixados|Label17=Aplicar|"
        "Label1=Tela de abertura do Outlook Express|Label18=Escolha a versão do programa:|"
        "~Label2=4.0|~Label3=5.0|~Label4=6.0|~Label5=Ligado|~Label6=Desligado",
    .given = {{HKCU, "Identities", "Default User ID", "{ID-1}"},
              // The same names in the other hive are neither read nor written.
              {HKCU, kBrowserMain, "Enable_Disk_Cache", "yes"},
              {HKLM, kBrowserMain, "Enable_Disk_Cache", "no"},
              {HKLM, kBrowserMain, "Delete_Temp_Files_On_Exit", "yes"},
              {HKLM, kBrowserMain, "Use_Async_DNS", nullptr},
              {HKLM, kBrowserMain, "Show_FullURL", "yes"},
              {HKCU, kBrowserMain, "Show_FullURL", nullptr},
              {HKCU, kBrowserMain, "FullScreen", "YES"},
              {HKCU, kBrowserMain, "Save Directory", "C:\\Baixados"},
              {HKCU, kMail5, "NoSplash", "1"}},  // not shown on opening
    .steps = {
        Choose("LabelT", "Label7", {{HKLM, kBrowserMain, "Enable_Disk_Cache", "yes"}}),
        Choose("Label7", "LabelT",
               {{HKLM, kBrowserMain, "Enable_Disk_Cache", "no"},
                {HKCU, kBrowserMain, "Enable_Disk_Cache", "yes"}}),
        Choose("Label11", "Label10", {{HKLM, kBrowserMain, "Delete_Temp_Files_On_Exit", "no"}}),
        Choose("Label8", "Label9", {{HKLM, kBrowserMain, "Use_Async_DNS", "yes"}}),
        Choose("Label14", "Label16",
               {{HKCU, kBrowserMain, "Show_FullURL", "yes"},
                {HKLM, kBrowserMain, "Show_FullURL", "yes"}}),
        Choose("Label16", "Label14",
               {{HKCU, kBrowserMain, "Show_FullURL", "no"},
                {HKLM, kBrowserMain, "Show_FullURL", "yes"}},
               true),
        Choose("Label12", "Label13", {{HKCU, kBrowserMain, "FullScreen", "yes"}}),
        {.typed = {{"Text1", "Z:\\não existe"}},
         .command = "Label17",
         .said = {kAplicadas},
         .after = {{HKCU, kBrowserMain, "Save Directory", "Z:\\não existe"}},
         .chosen = {"Label17"}},
        {.command = "Text1", .said = {kAplicadas}, .chosen = {nullptr, "Label17"}},
        Type({{"Text1", "C:\\pasta☃"}}, "Label17", {Unstorable("O diretório de salvamento", "☃")},
             {{HKCU, kBrowserMain, "Save Directory", "Z:\\não existe"}}),
        {.command = "Label6",
         .said = {{"Escolha primeiro a versão do programa: 4.0, 5.0 ou 6.0.", "Quarvel", 64}},
         .after = {{HKCU, kMailParent, "NoSplash", nullptr}},
         .chosen = {nullptr, "Label6"}},
        Choose("Label4", "Label2", {}, false, {kXpHint}),
        Choose("Label3", "Label4"),
        Choose("Label6", "Label5", {{HKCU, kMail5, "NoSplash", "1"}}, false,
               {{"A tela de abertura da versão: 5.0 foi desligada", "Quarvel", 64}}),
        Choose("Label5", "Label6", {{HKCU, kMail5, "NoSplash", nullptr}}, false,
               {{"A tela de abertura da versão: 5.0 foi ligada", "Quarvel", 64}}),
    }};

inline const ScreenTable kOtiS{
    .caption = "Sistema",
    .words =
        "Label1=Mudar o cache do disco rígido:|~Option1=Servidor de Rede ( Melhor Performance)|"
        "*Option2=Sistema Móvel ( Arquivos pequenos com rápido acesso)|"
        "~Option3=Usuário Doméstico ( Padrão do Windows)|Label6=Aplicar",
    .given = {{HKLM, kTemplates, "", "Mobile"}},
    .steps = {
        Click("Label6", {kAplicadas}, {{HKLM, kTemplates, "", "Mobile"}}),
        Choose("Option1", "Option2"),
        Click("Label6", {kAplicadas}, {{HKLM, kTemplates, "", "Server"}}),
        Choose("Option3", "Option1"),
        Click("Label6", {kAplicadas}, {{HKLM, kTemplates, "", "Desktop"}}),
    }};

inline const ShownMessage kCodeSet{"Sua código-trava foi configurado com sucesso", "Sucesso", 64};
inline const ShownMessage kCodeWrong{"O código digitado está errado", "Erro", 64};

inline const ScreenTable kPwdOpt{
    .caption = "Controle de Senhas",
    .words = "Label1=Senha atual:|Text1=|Label2=Nova senha:|Text2=|Label3=Aplicar|Label4=Cancelar",
    .given = {{HKLM, kCurrentVersion, "SYSNOT", nullptr}},
    .steps = {
        Type({{"Text1", "qualquer"}, {"Text2", "Segredo"}}, "Label3", {kCodeSet},
             {{HKLM, kCurrentVersion, "SYSNOT", "Segredo"}}),
        Type({{"Text1", "segredo"}, {"Text2", ""}}, "Label3", {kCodeWrong},
             {{HKLM, kCurrentVersion, "SYSNOT", "Segredo"}}),
        Type({{"Text1", "Segredo"}, {"Text2", "日本"}}, "Label3",
             {Unstorable("O código-trava", "日 本")},
             {{HKLM, kCurrentVersion, "SYSNOT", "Segredo"}}),
        Type({{"Text2", "Ação"}}, "Label3",
             {{"O código trava foi alterado com sucesso!", "Sucesso", 64}},
             {{HKLM, kCurrentVersion, "SYSNOT", "Ação"}}),
        Type({{"Text1", "Ação"}, {"Text2", ""}}, "Label3",
             {{"O código trava foi retirado do seu sistema", "Sucesso", 64}},
             {{HKLM, kCurrentVersion, "SYSNOT", ""}}),
        Type({{"Text1", ""}}, "Label3", {kCodeSet}, {{HKLM, kCurrentVersion, "SYSNOT", ""}}),
    }};

inline const ScreenTable kIniOpt{
    .caption = "Opções de Inicialização",
    .words =
        "Label1=Entrar no modo Assistente ou normal?|~Label2=Assistente|~Label3=Normal|"
        "Label4=Entrada automática ao digitar o Código trava correto:|~Label5=Habilitar|"
        "*Label6=Desabilitar",
    .given = {{HKLM, kCurrentVersion, "SYSNOT2", nullptr}, {HKCU, kCurrentVersion, "Tb", nullptr}},
    .steps = {
        Click("Label2", {}, {{HKCU, kCurrentVersion, "Tb", nullptr}}),
        {.command = "Label3",
         .after = {{HKCU, kCurrentVersion, "Tb", "0"}},
         .chosen = {nullptr, "Label3"}},
        Click("Label2", {}, {{HKCU, kCurrentVersion, "Tb", nullptr}}),
        Choose("Label5", "Label6", {{HKLM, kCurrentVersion, "SYSNOT2", "1"}}),
        Choose("Label6", "Label5", {{HKLM, kCurrentVersion, "SYSNOT2", "0"}}),
    }};

}  // namespace testing_support::screens
