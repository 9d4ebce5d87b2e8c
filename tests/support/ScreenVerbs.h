#pragma once
// Driving a screen by its controls' names, as a user would: open, type, run
// commands, see what they said and which choice shows.
#include <initializer_list>
#include <vector>

#include "forms/Form.h"
#include "tests/support/TestProgram.h"

namespace testing_support {

using Opener = forms::Form& (*)(TestProgram&);
template <class Screen>
forms::Form& OpenScreen(TestProgram& program) {
    program.screens.Close<Screen>();
    return program.screens.Open<Screen>(program.context);
}

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
        program.screens.Collect();
    }
    return program.dialogs.messages;
}

// An option button that is checked, or a label in the highlight colour.
inline bool ShowsChosen(const forms::Control& control) {
    if (control.kind() == forms::ControlKind::OptionButton)
        return static_cast<const forms::OptionButton&>(control).checked();
    return control.backColor() == forms::SysColor::Highlight;
}

}  // namespace testing_support
