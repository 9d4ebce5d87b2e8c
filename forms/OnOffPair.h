#pragma once
// Labels used as buttons that show a choice by their colour: the chosen one
// has the highlight colour, the others the button-shadow colour. The pair
// "Ligado"/"Desligado" is the common case; version buttons are a group of three.
#include <functional>
#include <initializer_list>
#include <string>

#include "forms/Control.h"

namespace forms {

// The chosen label takes the highlight colour, every other one of the group
// the button-shadow colour.
void HighlightOnly(Label& chosen, std::initializer_list<Label*> group);

class OnOffPair {
  public:
    // The "off" member stands right of the "on" member, the same size.
    OnOffPair(Form& form, std::string onName, std::string offName, Rect on, int gap = 8,
              std::string onCaption = "Ligado", std::string offCaption = "Desligado");
    OnOffPair(const OnOffPair&) = delete;
    OnOffPair& operator=(const OnOffPair&) = delete;

    // Highlights the member of the state; the partner takes the button shadow.
    void Show(bool isOn);

    Label on;
    Label off;
    // The command of a click on either member: true for "on".
    std::function<void(bool isOn)> onChoose;
};

}  // namespace forms
