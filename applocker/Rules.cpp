#include "applocker/Rules.h"

#include <algorithm>
#include <cstdio>

#include "registry/RegistryAccess.h"

namespace applocker {
namespace {

constexpr std::string_view kIdPrefix = "51756172-7665-6c41-";
constexpr std::string_view kNoTarget = "000000000000";
constexpr std::string_view kWindows = "%WINDIR%\\*";
constexpr std::string_view kPrograms = "%PROGRAMFILES%\\*";

// The folders under the Windows folder that a standard user may write to:
// a program copied there would start as if Windows had installed it.
constexpr std::string_view kWritableFolders[] = {
    "%SYSTEM32%\\catroot2\\*",
    "%SYSTEM32%\\com\\dmp\\*",
    "%SYSTEM32%\\FxsTmp\\*",
    "%SYSTEM32%\\spool\\drivers\\color\\*",
    "%SYSTEM32%\\spool\\PRINTERS\\*",
    "%SYSTEM32%\\spool\\SERVERS\\*",
    "%SYSTEM32%\\Tasks\\*",
    "%WINDIR%\\Debug\\*",
    "%WINDIR%\\PCHEALTH\\ERRORREP\\*",
    "%WINDIR%\\Registration\\*",
    "%WINDIR%\\SysWOW64\\com\\dmp\\*",
    "%WINDIR%\\SysWOW64\\FxsTmp\\*",
    "%WINDIR%\\SysWOW64\\Tasks\\*",
    "%WINDIR%\\Tasks\\*",
    "%WINDIR%\\Temp\\*",
    "%WINDIR%\\tracing\\*",
};

// Windows' own programs that run anything typed into them: they start only
// for an account whose allow-list names them. %SYSTEM32% stands for both
// System32 and SysWOW64.
struct Shell {
    std::string_view name;  // as the allow-list names it
    std::string_view path;
};
constexpr Shell kShells[] = {
    {"cmd.exe", "%SYSTEM32%\\cmd.exe"},
    {"powershell.exe", "%SYSTEM32%\\WindowsPowerShell\\v1.0\\powershell.exe"},
    {"powershell_ise.exe", "%SYSTEM32%\\WindowsPowerShell\\v1.0\\powershell_ise.exe"},
    {"pwsh.exe", "%PROGRAMFILES%\\PowerShell\\*"},
    {"wscript.exe", "%SYSTEM32%\\wscript.exe"},
    {"cscript.exe", "%SYSTEM32%\\cscript.exe"},
    {"mshta.exe", "%SYSTEM32%\\mshta.exe"},
    {"regedit.exe", "%WINDIR%\\regedit.exe"},
    {"regedit.exe", "%SYSTEM32%\\regedit.exe"},
    {"regedt32.exe", "%SYSTEM32%\\regedt32.exe"},
    {"reg.exe", "%SYSTEM32%\\reg.exe"},
};

bool Listed(const RuleTarget& target, std::string_view program) {
    return std::any_of(target.listed.begin(), target.listed.end(), [&](const std::string& entry) {
        std::string_view name = entry;
        name = name.substr(
            name.find_last_of("\\/") == std::string_view::npos ? 0 : name.find_last_of("\\/") + 1);
        return SameName(name, program);
    });
}

// The shells the target's list leaves out, under the Windows folder or under
// the program folders.
std::vector<std::string> RefusedShells(const RuleTarget& target, bool inPrograms) {
    std::vector<std::string> paths;
    for (const Shell& shell : kShells)
        if (shell.path.starts_with("%PROGRAMFILES%") == inPrograms && !Listed(target, shell.name))
            paths.emplace_back(shell.path);
    return paths;
}

class RuleList {
  public:
    RuleList(Collection collection, std::string tag, std::vector<Rule>& rules)
        : collection_(collection), tag_(std::move(tag)), rules_(rules) {}

    void Add(std::string name, std::string description, std::string_view sid, bool allow,
             std::string_view path, std::vector<std::string> exceptions = {}) {
        char id[64];
        std::snprintf(
            id, sizeof id, "%.*s%04x-%s", static_cast<int>(kIdPrefix.size()), kIdPrefix.data(),
            static_cast<unsigned>(static_cast<int>(collection_) << 12 | number_++), tag_.c_str());
        rules_.push_back({collection_, id, "Quarvel - " + name, std::move(description),
                          std::string(sid), allow, std::string(path), std::move(exceptions)});
    }

  private:
    Collection collection_;
    std::string tag_;
    std::vector<Rule>& rules_;
    unsigned number_ = 0;
};

void NonAdministratorRules(Collection collection, const RuleTarget& target,
                           std::vector<Rule>& rules) {
    RuleList list(collection, TargetTag(target.sid), rules);
    list.Add("Administradores: tudo", "Os administradores rodam tudo.", kAdministrators, true, "*");
    std::vector<std::string> windows(std::begin(kWritableFolders), std::end(kWritableFolders));
    std::vector<std::string> programs;
    if (collection == Collection::Exe) {
        for (std::string& shell : RefusedShells(target, false)) windows.push_back(shell);
        programs = RefusedShells(target, true);
    }
    list.Add("Usuários comuns: pasta do Windows",
             "O que está na pasta do Windows, fora das pastas em que um usuário pode gravar.",
             kEveryone, true, kWindows, std::move(windows));
    list.Add("Usuários comuns: pastas de programas",
             "O que está instalado em Arquivos de Programas.", kEveryone, true, kPrograms,
             std::move(programs));
}

void AccountRules(Collection collection, const RuleTarget& target, std::vector<Rule>& rules) {
    RuleList list(collection, TargetTag(target.sid), rules);
    const std::string& sid = target.sid;
    list.Add(sid + ": fora do Windows e dos programas",
             "Nada fora da pasta do Windows e de Arquivos de Programas.", sid, false, "*",
             {std::string(kWindows), std::string(kPrograms)});
    for (std::string_view folder : kWritableFolders)
        list.Add(sid + ": " + std::string(folder), "Uma pasta em que um usuário pode gravar.", sid,
                 false, folder);
    if (collection != Collection::Exe) return;
    for (bool inPrograms : {false, true})
        for (const std::string& shell : RefusedShells(target, inPrograms))
            list.Add(sid + ": " + shell, "Fora da lista de programas permitidos.", sid, false,
                     shell);
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string Condition(std::string_view path) {
    return "<FilePathCondition Path=\"" + Escaped(path) + "\" />";
}

}  // namespace

std::string_view CollectionName(Collection collection) {
    switch (collection) {
        case Collection::Script:
            return "Script";
        case Collection::Msi:
            return "Msi";
        case Collection::Exe:
            break;
    }
    return "Exe";
}

std::string TargetTag(std::string_view sid) {
    if (sid.empty()) return std::string(kNoTarget);
    // FNV-1a over the SID in upper case, cut to the id's last 48 bits.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (char c : sid) {
        hash ^= static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        hash *= 0x100000001b3ull;
    }
    hash &= 0xFFFFFFFFFFFFull;
    char tag[16];
    std::snprintf(tag, sizeof tag, "%012llx", static_cast<unsigned long long>(hash ? hash : 1));
    return tag;
}

bool IsOwnRule(std::string_view id) {
    return id.size() == 36 && SameName(id.substr(0, kIdPrefix.size()), kIdPrefix);
}

std::string TagOf(std::string_view id) {
    return IsOwnRule(id) ? Lowered(id.substr(24)) : std::string();
}

std::vector<Rule> TargetRules(const RuleTarget& target, std::string_view nonAdministrators) {
    std::vector<Rule> rules;
    for (Collection collection : kCollections) {
        if (SameName(target.sid, nonAdministrators))
            NonAdministratorRules(collection, target, rules);
        else
            AccountRules(collection, target, rules);
    }
    return rules;
}

std::vector<Rule> EveryoneElseRules() {
    std::vector<Rule> rules;
    for (Collection collection : kCollections)
        RuleList(collection, TargetTag(""), rules)
            .Add("Demais contas: tudo", "Quem não está preso à lista roda tudo.", kEveryone, true,
                 "*");
    return rules;
}

std::string RuleXml(const Rule& rule) {
    std::string xml = "<FilePathRule Id=\"" + rule.id + "\" Name=\"" + Escaped(rule.name) +
                      "\" Description=\"" + Escaped(rule.description) + "\" UserOrGroupSid=\"" +
                      rule.sid + "\" Action=\"" + (rule.allow ? "Allow" : "Deny") +
                      "\"><Conditions>" + Condition(rule.path) + "</Conditions>";
    if (!rule.exceptions.empty()) {
        xml += "<Exceptions>";
        for (const std::string& path : rule.exceptions) xml += Condition(path);
        xml += "</Exceptions>";
    }
    return xml + "</FilePathRule>";
}

std::string SidOfXml(std::string_view xml) {
    constexpr std::string_view kAttribute = "UserOrGroupSid=\"";
    std::size_t at = xml.find(kAttribute);
    if (at == std::string_view::npos) return {};
    at += kAttribute.size();
    std::size_t end = xml.find('"', at);
    return end == std::string_view::npos ? std::string() : std::string(xml.substr(at, end - at));
}

}  // namespace applocker
