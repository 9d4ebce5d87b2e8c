#include "restrictions/RestrictionsScreens.h"

namespace restrictions {

bool OpenScreen(shell::MenuCommand command, forms::Screens& screens, shell::Context& context) {
    (void)command;
    (void)screens;
    (void)context;
    return false;
}

}  // namespace restrictions
