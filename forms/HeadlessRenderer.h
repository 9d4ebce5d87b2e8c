#pragma once
// A renderer without windows, for tests: it remembers which screens were
// shown and whether the program would have ended.
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Peers.h"

namespace forms {

class HeadlessRenderer : public Renderer {
  public:
    void Show(Form& form) override { shown.push_back(form.name()); }
    void BringForward(Form& form) override { broughtForward.push_back(form.name()); }
    void Destroy(Form& form) override { destroyed.push_back(form.name()); }
    void Quit() override { quit = true; }

    std::vector<std::string> shown;
    std::vector<std::string> broughtForward;
    std::vector<std::string> destroyed;
    bool quit = false;
};

}  // namespace forms
