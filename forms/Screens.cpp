#include "forms/Screens.h"

#include <algorithm>

namespace forms {

Screens::~Screens() {
    // Windows go before the forms they show.
    for (auto& form : open_) renderer_.Destroy(*form);
}

void Screens::Load(std::unique_ptr<Form> form) {
    Form& screen = *form;
    open_.push_back(std::move(form));
    screen.Load();
    // A screen may close itself while loading (the lock-code gate does).
    if (IsOpen(screen)) renderer_.Show(screen);
}

void Screens::Close(Form& form) {
    auto found = std::find_if(open_.begin(), open_.end(),
                              [&](const auto& open) { return open.get() == &form; });
    if (found == open_.end()) return;
    closed_.push_back(std::move(*found));
    open_.erase(found);
    renderer_.Destroy(form);
    form.Unloaded();
    if (open_.empty()) renderer_.Quit();
}

bool Screens::IsOpen(const Form& form) const {
    return std::any_of(open_.begin(), open_.end(),
                       [&](const auto& open) { return open.get() == &form; });
}

}  // namespace forms
