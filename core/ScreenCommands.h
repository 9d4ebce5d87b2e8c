#pragma once
// The screens and actions the menus can open: each subsystem opens its own,
// the menus only name them.

namespace core {

enum class MenuCommand {
    AllowList,
    SystemRestrictions,
    DesktopRestrictions,
    ExplorerRestrictions,
    FolderBlocking,
    SystemOptimization,
    DesktopOptimization,
    BrowserOptimization,
    Icons,
    DesktopPersonalization,
    BrowserPersonalization,
    ExportWizard,
    ImportFromFloppy,
    ImportFromFile,
    UndoImport,
    StartUpOptions,
    ChangeLockCode,
    ChooseTarget,
};

}  // namespace core
