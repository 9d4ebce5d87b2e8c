#pragma once
// The switches of Quarvel.exe: with any of them the program opens no window,
// does the one job they name and ends with an exit code.
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace commandline {

// Menus: no job, only the target; the program opens its menus with it.
enum class Job { Usage, Import, Export, Undo, Policies, Menus };

struct CommandLine {
    Job job = Job::Usage;
    std::string file;                                    // /importar, /exportar, /politicas
    std::string folder;                                  // /politicas
    std::set<int> groups = {1, 2, 3, 4, 5, 6, 7, 8, 9};  // the export screen's order
    std::optional<std::string> lockCode;
    // /para: "comuns", "eu" or a local account's name; nothing: this account.
    std::optional<std::string> target;
    std::string log;
};

struct ParsedCommandLine {
    std::optional<CommandLine> command;  // nothing: the line is wrong
    std::string error;                   // why, in Portuguese
    std::string log;                     // the /log: file, even of a wrong line
};

// Switches start with "/" or "-", their names in any letter case; the
// arguments are as the system split them (quotes removed).
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr std::string_view kTargetEveryone = "comuns";
inline constexpr std::string_view kTargetMe = "eu";

// An argument as a log shows it: the values of switches other than /log: and
// /grupos: masked ("/senha:***"); on a wrong line, the plain arguments too
// ("..."), since one of them may be a lock code typed out of its place.
std::string ShownInLog(const std::string& argument, bool wrongLine);

inline constexpr char kUsage[] =
    "Uso:\r\n"
    "  Quarvel.exe /importar ARQUIVO [/senha:CÓDIGO] [/log:ARQUIVO]\r\n"
    "  Quarvel.exe /exportar ARQUIVO [/grupos:1,2,...,9] [/senha:CÓDIGO] [/log:ARQUIVO]\r\n"
    "  Quarvel.exe /desfazer [/senha:CÓDIGO] [/log:ARQUIVO]\r\n"
    "  Quarvel.exe /politicas ARQUIVO.qvc PASTA [/senha:CÓDIGO] [/log:ARQUIVO]\r\n"
    "  Quarvel.exe /para:comuns|eu|NOME (abre o menu com esse destino)\r\n"
    "  Quarvel.exe /?\r\n"
    "/para: em /importar, /exportar e /desfazer: comuns = todos que não são administradores; "
    "NOME = uma conta local; eu = a conta que roda o Quarvel (o padrão).\r\n"
    "Grupos da exportação: 1 Restrições de sistema, explorer e desktop; 2 Restrições de "
    "executáveis; 3 Restrições de pastas/janelas; 4 Otimização do Desktop; 5 Otimização do "
    "Internet Explorer; 6 Otimização do Sistema; 7 Personalização do Desktop; 8 Personalização "
    "do Internet Explorer; 9 Senha do Quarvel.\r\n"
    "Com um código-trava guardado, /senha: é obrigatório.\r\n"
    "Saída: 0 feito; 1 linha de comando errada; 2 arquivo ilegível ou sem configurações; "
    "3 código-trava ausente ou errado; 4 feito em parte; 5 nada a desfazer.\r\n";

}  // namespace commandline
