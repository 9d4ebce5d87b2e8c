#include "transfer/TransferCommands.h"

#include "transfer/ConfigImport.h"
#include "transfer/frmWizrd.h"

namespace transfer {

bool RunCommand(shell::MenuCommand command, forms::Screens& screens, shell::Context& context) {
    switch (command) {
        case shell::MenuCommand::ExportWizard:
            screens.Open<frmWizrd>(context);
            return true;
        case shell::MenuCommand::ImportFromFloppy:
            ImportConfiguration(context, ImportSource::Floppy);
            return true;
        case shell::MenuCommand::ImportFromFile:
            ImportConfiguration(context, ImportSource::ChosenFile);
            return true;
        default:
            return false;
    }
}

}  // namespace transfer
