#include "restrictions/RestrictionsScreens.h"

#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"

namespace restrictions {

bool OpenScreen(core::MenuCommand command, forms::Screens& screens, core::Context& context) {
    using core::MenuCommand;
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
