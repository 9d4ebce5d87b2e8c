#include "optimization/OptimizationScreens.h"

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"

namespace optimization {

bool OpenScreen(shell::MenuCommand command, forms::Screens& screens, shell::Context& context) {
    switch (command) {
        case shell::MenuCommand::SystemOptimization:
            screens.Open<frmOtiS>(context);
            return true;
        case shell::MenuCommand::DesktopOptimization:
            screens.Open<frmOtiD>(context);
            return true;
        case shell::MenuCommand::BrowserOptimization:
            screens.Open<frmOtiIE>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace optimization
