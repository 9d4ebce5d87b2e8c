#include "commandline/CommandLine.h"

#include <array>
#include <cstdlib>

#include "registry/RegistryAccess.h"

namespace commandline {
namespace {

struct JobSwitch {
    std::string_view name;
    Job job;
    std::size_t paths;  // how many plain arguments it takes
};
constexpr std::array<JobSwitch, 5> kJobs = {{
    {"?", Job::Usage, 0},
    {"importar", Job::Import, 1},
    {"exportar", Job::Export, 1},
    {"desfazer", Job::Undo, 0},
    {"politicas", Job::Policies, 2},
}};

// Switches whose values a log or an error may show; any other value may be
// the lock code, typed under its name in whatever letter case or misspelt.
constexpr std::array<std::string_view, 3> kShownValues = {"log", "grupos", "para"};
// The switches that take a value after ":".
constexpr std::array<std::string_view, 4> kValueSwitches = {"senha", "log", "grupos", "para"};

bool IsKnownName(const std::string& lowered) {
    for (const JobSwitch& job : kJobs)
        if (job.name == lowered) return true;
    for (std::string_view name : kValueSwitches)
        if (name == lowered) return true;
    return false;
}

// An argument the line cannot take, named by its place only: whatever was
// typed there may be the lock code ("/senha=Segredo", "/Segredo").
std::string Unknown(std::size_t place, const std::string& lowered) {
    std::string at = "a " + std::to_string(place) + "ª opção";
    for (std::string_view name : kValueSwitches)
        if (lowered.starts_with(name))
            return at + " parece ser /" + std::string(name) + ", que leva \":\" antes do valor (/" +
                   std::string(name) + ":...)";
    return "opção desconhecida: " + at;
}

bool IsSwitch(const std::string& argument) {
    return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

// "/senha" of "/senha:Segredo": the switch as typed, without its value.
std::string SwitchOf(const std::string& argument) {
    return argument.substr(0, argument.find(':'));
}

std::optional<std::set<int>> Groups(const std::string& list) {
    std::set<int> groups;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        std::string item = list.substr(start, comma == std::string::npos ? comma : comma - start);
        if (item.size() != 1 || item[0] < '1' || item[0] > '9') return std::nullopt;
        groups.insert(item[0] - '0');
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return groups;
}

}  // namespace

std::string ShownInLog(const std::string& argument, bool wrongLine) {
    if (!IsSwitch(argument)) return wrongLine ? "..." : argument;
    std::size_t colon = argument.find(':');
    std::string name = Lowered(argument.substr(1, colon == std::string::npos ? colon : colon - 1));
    if (!IsKnownName(name)) return "...";
    if (colon == std::string::npos) return argument;
    for (std::string_view shown : kShownValues)
        if (name == shown) return argument;
    return argument.substr(0, colon + 1) + "***";
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    auto wrong = [&](std::string why) {
        parsed.command.reset();
        parsed.error = std::move(why);
        return parsed;
    };
    CommandLine command;
    const JobSwitch* job = nullptr;
    std::vector<std::string> paths;
    std::optional<std::string> groups;
    // The log first, so that even a wrong line is logged.
    for (const std::string& argument : arguments)
        if (argument.size() > 5 && (argument[0] == '/' || argument[0] == '-') &&
            Lowered(argument.substr(1, 4)) == "log:")
            parsed.log = argument.substr(5);
    std::size_t place = 0;
    for (const std::string& argument : arguments) {
        ++place;
        if (!IsSwitch(argument)) {
            paths.push_back(argument);
            continue;
        }
        std::size_t colon = argument.find(':');
        std::string name =
            Lowered(argument.substr(1, colon == std::string::npos ? colon : colon - 1));
        std::optional<std::string> value;
        if (colon != std::string::npos) value = argument.substr(colon + 1);
        bool found = false;
        for (const JobSwitch& candidate : kJobs) {
            if (candidate.name != name) continue;
            if (value) return wrong("a opção " + SwitchOf(argument) + " não leva valor");
            if (job) return wrong("só uma operação por vez");
            job = &candidate;
            found = true;
        }
        if (found) continue;
        // Errors name a known switch only, never a value: it may be the lock code.
        if (!value && IsKnownName(name))
            return wrong("a opção /" + name + " precisa de \":\" antes do valor (/" + name +
                         ":...)");
        if (!value || !IsKnownName(name)) return wrong(Unknown(place, name));
        if (name == "senha" && !command.lockCode) {
            command.lockCode = *value;
        } else if (name == "log" && command.log.empty()) {
            if (value->empty()) return wrong("falta o nome do arquivo em " + argument);
            command.log = *value;
        } else if (name == "para" && !command.target) {
            if (value->empty()) return wrong("falta a conta em /para:");
            command.target = *value;
        } else if (name == "grupos" && !groups) {
            groups = *value;
        } else if (name == "senha" || name == "log" || name == "grupos" || name == "para") {
            return wrong("opção repetida " + SwitchOf(argument));
        } else {
            return wrong(Unknown(place, name));
        }
    }
    if (!job && command.target && paths.empty() && !groups && !command.lockCode) {
        command.job = Job::Menus;
        parsed.command = command;
        return parsed;
    }
    if (!job) return wrong("falta a operação (/importar, /exportar, /desfazer ou /politicas)");
    if (command.target && job->job != Job::Import && job->job != Job::Export &&
        job->job != Job::Undo)
        return wrong("/para vale só para /importar, /exportar e /desfazer");
    if (paths.size() != job->paths)
        return wrong(paths.size() < job->paths ? "falta o nome do arquivo ou da pasta"
                                               : "argumento a mais");
    // An empty argument ("%DESTINO%" of an unset variable) is no path: the
    // folder would become the drive's root.
    for (const std::string& path : paths)
        if (path.empty()) return wrong("nome de arquivo ou pasta vazio");
    if (job->job == Job::Usage && arguments.size() != 1) return wrong("/? vem sozinho");
    if (groups) {
        if (job->job != Job::Export) return wrong("/grupos vale só para /exportar");
        auto chosen = Groups(*groups);
        if (!chosen) return wrong("grupos são números de 1 a 9 separados por vírgula");
        command.groups = *chosen;
    }
    command.job = job->job;
    if (!paths.empty()) command.file = paths[0];
    if (paths.size() > 1) command.folder = paths[1];
    parsed.command = command;
    return parsed;
}

}  // namespace commandline
