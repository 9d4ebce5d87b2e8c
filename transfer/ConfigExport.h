#pragma once
// Collects the chosen groups of settings into the configuration file's text.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Context.h"
#include "transfer/ConfigFile.h"

namespace transfer {

enum class ExportGroup {
    Policies,
    AllowList,
    BlockList,
    DesktopTuning,
    BrowserTuning,
    DiskCache,
    DesktopLook,
    BrowserLook,
    LockCode,
};

struct ExportGroupInfo {
    ExportGroup group;
    std::string_view checkBox;
    std::string_view caption;
};

// In the order of the export screen and of the file.
inline constexpr std::array<ExportGroupInfo, 9> kExportGroups = {{
    {ExportGroup::Policies, "Check1", "Restrições de sistema, explorer e desktop"},
    {ExportGroup::AllowList, "Check6", "Restrições de executáveis"},
    {ExportGroup::BlockList, "Check5", "Restrições de pastas/janelas"},
    {ExportGroup::DesktopTuning, "Check4", "Otimização do Desktop"},
    {ExportGroup::BrowserTuning, "Check3", "Otimização do Internet Explorer"},
    {ExportGroup::DiskCache, "Check2", "Otimização do Sistema"},
    {ExportGroup::DesktopLook, "Check11", "Personalização do Desktop"},
    {ExportGroup::BrowserLook, "Check10", "Personalização do Internet Explorer"},
    {ExportGroup::LockCode, "Check9", "Senha do Quarvel"},
}};

// The allow-list as the export carries it: the non-empty values "6" to
// "799" in number order.
inline constexpr int kLastExported = 799;
struct ExportedProgram {
    int number;
    std::string name;
};
std::vector<ExportedProgram> ExportedPrograms(RegistryAccess& registry);
// The names it reads, in its order.
std::vector<std::string> ExportedProgramNames();

// The records of one group, appended to the text.
void CollectGroup(ExportGroup group, core::Context& context, ConfigText& text);

// The whole file for the chosen groups, in file order; empty when they hold
// nothing to write.
std::string CollectFile(core::Context& context, const std::vector<ExportGroup>& groups);

}  // namespace transfer
