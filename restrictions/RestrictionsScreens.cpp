#include "restrictions/RestrictionsScreens.h"

#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"

namespace restrictions {

bool OpenScreen(shell::MenuCommand command, forms::Screens& screens, shell::Context& context) {
    using shell::MenuCommand;
    switch (command) {
        case MenuCommand::AllowList:
            screens.Open<frmRestE>(context);
            return true;
        case MenuCommand::SystemRestrictions:
            screens.Open<frmRestS>(context);
            return true;
        case MenuCommand::DesktopRestrictions:
            screens.Open<frmRestD>(context);
            return true;
        case MenuCommand::ExplorerRestrictions:
            screens.Open<frmRestEx>(context);
            return true;
        case MenuCommand::FolderBlocking:
            screens.Open<frmRestF>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace restrictions
