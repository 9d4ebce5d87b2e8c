#pragma once
// Driving a screen by its controls' names, as a user would: type into a
// box, run commands (a click, or Enter in a box) and see what they said.
#include <initializer_list>
#include <vector>

#include "forms/Form.h"
#include "tests/support/TestProgram.h"

namespace testing_support {

inline forms::TextBox& TextBoxOf(forms::Form& form, const char* name) {
    return *static_cast<forms::TextBox*>(form.Find(name));
}

// Runs the commands in turn (the name of a text box: Enter in it) and
// returns the messages they showed.
inline std::vector<ShownMessage> RunCommands(TestProgram& program, forms::Form& form,
                                             std::initializer_list<const char*> commands) {
    program.dialogs.messages.clear();
    for (const char* command : commands) {
        forms::Control* control = form.Find(command);
        if (control->kind() == forms::ControlKind::TextBox)
            TextBoxOf(form, command).UserEnter();
        else
            control->UserClick();
    }
    return program.dialogs.messages;
}

}  // namespace testing_support
