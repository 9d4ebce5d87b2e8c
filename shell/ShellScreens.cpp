#include "shell/ShellScreens.h"

#include "shell/frmIniOpt.h"
#include "shell/frmPWDOPT.h"

namespace shell {

bool OpenScreen(MenuCommand command, forms::Screens& screens, Context& context) {
    switch (command) {
        case MenuCommand::StartUpOptions:
            screens.Open<frmIniOpt>(context);
            return true;
        case MenuCommand::ChangeLockCode:
            screens.Open<frmPWDOPT>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace shell
