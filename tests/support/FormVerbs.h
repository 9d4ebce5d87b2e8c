#pragma once
// Reading a screen in tests as a user sees it: which frame a control sits
// in, and which screens a click opened.
#include <string>
#include <vector>

#include "forms/Form.h"
#include "tests/support/TestProgram.h"

namespace testing_support {

// The caption of the frame whose box holds the control; empty when none does.
inline std::string FrameOf(const forms::Form& form, const forms::Control& control) {
    const forms::Rect& c = control.rect();
    for (const forms::Control* frame : form.controls()) {
        if (frame->kind() != forms::ControlKind::Frame) continue;
        const forms::Rect& f = frame->rect();
        if (c.x >= f.x && c.y >= f.y && c.x + c.width <= f.x + f.width &&
            c.y + c.height <= f.y + f.height)
            return frame->caption();
    }
    return {};
}

// The screens the click showed, by name, in the order they came up.
template <typename Click>
std::vector<std::string> ScreensShownBy(TestProgram& program, Click click) {
    program.renderer.shown.clear();
    click();
    return program.renderer.shown;
}

// Closes the open screen of that name, if there is one.
inline void CloseScreen(forms::Screens& screens, const std::string& name) {
    for (const auto& form : screens.open())
        if (form->name() == name) return screens.Close(*form);
}

}  // namespace testing_support
