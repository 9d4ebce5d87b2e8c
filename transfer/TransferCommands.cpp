#include "transfer/TransferCommands.h"

#include "transfer/ConfigImport.h"
#include "transfer/frmWizrd.h"
#include "undo/Backup.h"

namespace transfer {

bool RunCommand(core::MenuCommand command, forms::Screens& screens, core::Context& context) {
    switch (command) {
        case core::MenuCommand::ExportWizard:
            screens.Open<frmWizrd>(context);
            return true;
        case core::MenuCommand::ImportFromFloppy:
            ImportConfiguration(context, ImportSource::Floppy);
            return true;
        case core::MenuCommand::ImportFromFile:
            ImportConfiguration(context, ImportSource::ChosenFile);
            return true;
        case core::MenuCommand::UndoImport:
            undo::UndoLastImport(context);
            return true;
        default:
            return false;
    }
}

}  // namespace transfer
