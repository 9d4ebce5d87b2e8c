#include "menus/MenuCommands.h"

#include "core/ObjectFile.h"
#include "menus/frmDestino.h"
#include "optimization/OptimizationScreens.h"
#include "options/OptionsScreens.h"
#include "personalization/PersonalizationScreens.h"
#include "restrictions/RestrictionsScreens.h"
#include "transfer/TransferCommands.h"

namespace menus {

void RunMenuCommand(core::MenuCommand command, forms::Screens& screens, core::Context& context) {
    if (command == core::MenuCommand::ChooseTarget) {
        screens.Open<frmDestino>(context);
        return;
    }
    // Said before anything is shown, and an import or undo is not run at all.
    if (core::SayDamagedObject(context, platform::style::Exclamation) &&
        (command == core::MenuCommand::ImportFromFloppy ||
         command == core::MenuCommand::ImportFromFile || command == core::MenuCommand::UndoImport))
        return;
    if (restrictions::OpenScreen(command, screens, context)) return;
    if (personalization::OpenScreen(command, screens, context)) return;
    if (optimization::OpenScreen(command, screens, context)) return;
    if (transfer::RunCommand(command, screens, context)) return;
    options::OpenScreen(command, screens, context);
}

}  // namespace menus
