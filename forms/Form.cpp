#include "forms/Form.h"

#include "forms/Screens.h"

namespace forms {

Form::Form(Screens& screens, std::string name, std::string caption, int width, int height)
    : screens_(screens),
      name_(std::move(name)),
      caption_(std::move(caption)),
      width_(width),
      height_(height) {}

void Form::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    if (peer_) peer_->Changed(*this, FormAspect::Caption);
}

void Form::SetWindowState(WindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (peer_) peer_->Changed(*this, FormAspect::WindowState);
}

Control* Form::Find(const std::string& controlName) const {
    for (Control* control : controls_)
        if (control->name() == controlName) return control;
    return nullptr;
}

void Form::UserAccept() {
    if (acceptControl && acceptControl->enabled()) acceptControl->UserClick();
}

void Form::UserCancel() {
    if (cancelControl) {
        cancelControl->UserClick();
    } else if (closesOnEscape) {
        Unload();
    }
}

void Form::Unload() {
    screens_.Close(*this);
}

}  // namespace forms
