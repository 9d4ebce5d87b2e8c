#include "personalization/PersonalizationScreens.h"

#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"

namespace personalization {

bool OpenScreen(core::MenuCommand command, forms::Screens& screens, core::Context& context) {
    switch (command) {
        case core::MenuCommand::Icons:
            screens.Open<frmNovo>(context);
            return true;
        case core::MenuCommand::DesktopPersonalization:
            screens.Open<frmPersDesk>(context);
            return true;
        case core::MenuCommand::BrowserPersonalization:
            screens.Open<frmPersIE>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace personalization
