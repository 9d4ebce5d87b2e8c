#include "optimization/OptimizationScreens.h"

namespace optimization {

bool OpenScreen(shell::MenuCommand command, forms::Screens& screens, shell::Context& context) {
    (void)command;
    (void)screens;
    (void)context;
    return false;
}

}  // namespace optimization
