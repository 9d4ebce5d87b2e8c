#include "optimization/OptimizationScreens.h"

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"

namespace optimization {

bool OpenScreen(core::MenuCommand command, forms::Screens& screens, core::Context& context) {
    switch (command) {
        case core::MenuCommand::SystemOptimization:
            screens.Open<frmOtiS>(context);
            return true;
        case core::MenuCommand::DesktopOptimization:
            screens.Open<frmOtiD>(context);
            return true;
        case core::MenuCommand::BrowserOptimization:
            screens.Open<frmOtiIE>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace optimization
