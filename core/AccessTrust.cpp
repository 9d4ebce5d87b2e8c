#include "core/AccessTrust.h"

#include <array>
#include <string_view>
#include <utility>

namespace core {

namespace {

constexpr std::array<std::string_view, 3> kTrusted = {
    "S-1-5-32-544",  // Administrators
    "S-1-5-18",      // SYSTEM
    // TrustedInstaller, which owns Program Files and the Windows folder.
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"};

// Rights that let someone replace or remove what is there, or let him
// give himself any other right.
constexpr std::array<std::pair<std::uint32_t, std::string_view>, 8> kChanging = {{
    {0x10000000, "fazer tudo"},                   // GENERIC_ALL
    {0x40000000, "gravar"},                       // GENERIC_WRITE
    {0x00010000, "apagar ou renomear"},           // DELETE
    {0x00040000, "mudar as permissões"},          // WRITE_DAC
    {0x00080000, "tomar posse"},                  // WRITE_OWNER
    {0x00000040, "apagar o que ela contém"},      // FILE_DELETE_CHILD
    {0x00000002, "criar arquivos ou gravar"},     // FILE_ADD_FILE, FILE_WRITE_DATA
    {0x00000004, "criar pastas ou acrescentar"},  // FILE_ADD_SUBDIRECTORY, FILE_APPEND_DATA
}};

constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kKnownNames = {{
    {"S-1-1-0", "Todos"},
    {"S-1-5-11", "Usuários autenticados"},
    {"S-1-5-32-545", "Usuários"},
    {"S-1-5-4", "Interativo"},
    {"S-1-3-4", "Direitos do proprietário"},
}};

bool Trusted(const std::string& sid, const std::string& elevated) {
    for (std::string_view known : kTrusted)
        if (sid == known) return true;
    return !elevated.empty() && sid == elevated;
}

std::string Named(const std::string& sid) {
    for (auto [known, name] : kKnownNames)
        if (sid == known) return sid + " (" + std::string(name) + ")";
    return sid.empty() ? "uma conta desconhecida" : sid;
}

// Paths compare as Windows compares them: letter case and a final
// separator aside.
std::string Comparable(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    for (char& c : path)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return path;
}

}  // namespace

std::string ParentOf(const std::string& path) {
    auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Distrust(const std::string& path, const std::optional<platform::AccessList>& access,
                     const std::string& elevated) {
    if (!access) return path + " não pôde ser aberta";
    if (access->reparsePoint) return path + " é um ponto de junção ou um link simbólico";
    if (Comparable(access->finalPath) != Comparable(path))
        return path + " leva a outro lugar (" + access->finalPath + ")";
    if (!Trusted(access->owner, elevated))
        return path + " pertence a " + Named(access->owner) +
               ", não aos Administradores nem ao SYSTEM";
    if (!access->entries) return path + " não tem lista de acesso: qualquer um pode mudá-la";
    for (const platform::AccessEntry& entry : *access->entries) {
        // Denials only take rights away; what the creator of something in
        // the folder gets is the creator's, an administrator here. Not so the
        // creator's primary group: an administrator's is "None", every local
        // account.
        if (!entry.allows || Trusted(entry.sid, elevated)) continue;
        if (entry.inheritOnly && entry.sid == "S-1-3-0") continue;
        std::string rights;
        for (auto [mask, words] : kChanging)
            if (entry.rights & mask) rights += (rights.empty() ? "" : ", ") + std::string(words);
        if (!rights.empty()) return path + ": " + Named(entry.sid) + " pode " + rights;
    }
    return {};
}

std::string Distrust(platform::Files& files, const std::string& path) {
    return Distrust(path, files.Access(path), files.ElevatedAccount());
}

std::string FolderDistrust(platform::Files& files, const std::string& folder) {
    std::string parent = ParentOf(folder);
    if (std::string why = parent.empty() ? "" : Distrust(files, parent); !why.empty()) return why;
    return Distrust(files, folder);
}

std::string ProgramDistrust(platform::Files& files, std::string_view executable) {
    std::string folder = files.ProgramFolder();
    if (std::string why = FolderDistrust(files, folder); !why.empty()) return why;
    // One that is not there cannot be started; the folder keeps it from being put there.
    std::string file = folder + std::string(executable);
    return files.Exists(file) ? Distrust(files, file) : std::string();
}

bool MayStartAtLogon(platform::Files& files, platform::Dialogs& dialogs,
                     std::string_view executable, std::string_view entry,
                     const std::string& title) {
    std::string why = ProgramDistrust(files, executable);
    if (why.empty()) return true;
    dialogs.ShowMessage("O Quarvel está numa pasta que outros usuários podem mudar (" + why +
                            "): a entrada de logon " + std::string(entry) +
                            " não foi gravada, pois qualquer um poderia trocar o programa que "
                            "ela inicia. Instale o Quarvel com o instalador, em Arquivos de "
                            "Programas.",
                        title, platform::style::Critical);
    return false;
}

void WarnOfProgramFolder(platform::Files& files, platform::Dialogs& dialogs) {
    if (files.ElevatedAccount().empty()) return;
    std::string why = ProgramDistrust(files, "\\DErodu.exe");
    if (why.empty()) why = ProgramDistrust(files, "\\limpaico.exe");
    if (why.empty()) return;
    dialogs.ShowMessage("O Quarvel está numa pasta que outros usuários podem mudar (" + why +
                            "): enquanto estiver nela, ele não grava as entradas de logon do "
                            "bloqueio de pastas/janelas nem da limpeza do cache de ícones. "
                            "Instale o Quarvel com o instalador, em Arquivos de Programas.",
                        "Quarvel", platform::style::Exclamation);
}

}  // namespace core
