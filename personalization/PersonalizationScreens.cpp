#include "personalization/PersonalizationScreens.h"

#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"

namespace personalization {

bool OpenScreen(shell::MenuCommand command, forms::Screens& screens, shell::Context& context) {
    switch (command) {
        case shell::MenuCommand::Icons:
            screens.Open<frmNovo>(context);
            return true;
        case shell::MenuCommand::DesktopPersonalization:
            screens.Open<frmPersDesk>(context);
            return true;
        case shell::MenuCommand::BrowserPersonalization:
            screens.Open<frmPersIE>(context);
            return true;
        default:
            return false;
    }
}

}  // namespace personalization
