#include "options/OptionsScreens.h"

#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"

namespace options {

bool OpenScreen(core::MenuCommand command, forms::Screens& screens, core::Context& context) {
    switch (command) {
        case core::MenuCommand::StartUpOptions:
            screens.Open<frmIniOpt>(context);
            return true;
        case core::MenuCommand::ChangeLockCode:
            screens.Open<frmPWDOPT>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace options
