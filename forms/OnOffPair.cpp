#include "forms/OnOffPair.h"

namespace forms {

void HighlightOnly(Label& chosen, std::initializer_list<Label*> group) {
    for (Label* label : group)
        if (label != &chosen) label->SetBackColor(SysColor::ButtonShadow);
    chosen.SetBackColor(SysColor::Highlight);
}

OnOffPair::OnOffPair(Form& form, std::string onName, std::string offName, Rect onRect, int gap,
                     std::string onCaption, std::string offCaption)
    : on(form, std::move(onName), onRect, std::move(onCaption), Label::Look::Button),
      off(form, std::move(offName),
          Rect{onRect.x + onRect.width + gap, onRect.y, onRect.width, onRect.height},
          std::move(offCaption), Label::Look::Button) {
    // Until the screen knows the state, neither member is chosen.
    on.SetBackColor(SysColor::ButtonShadow);
    off.SetBackColor(SysColor::ButtonShadow);
    on.onClick = [this] {
        if (onChoose) onChoose(true);
    };
    off.onClick = [this] {
        if (onChoose) onChoose(false);
    };
}

void OnOffPair::Show(bool isOn) {
    HighlightOnly(isOn ? on : off, {&on, &off});
}

}  // namespace forms
