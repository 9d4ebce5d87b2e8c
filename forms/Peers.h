#pragma once
// What a renderer attaches to forms and controls to hear about changes made
// by the program, and the renderer's own part in opening and closing screens.

namespace forms {

class Control;
class Form;

enum class Aspect { Text, Checked, Items, Selection, BackColor, Visible, Enabled, Picture };
enum class FormAspect { Caption, WindowState };

class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void Changed(Control& control, Aspect aspect) = 0;
};

class FormPeer {
  public:
    virtual ~FormPeer() = default;
    virtual void Changed(Form& form, FormAspect aspect) = 0;
};

class Renderer {
  public:
    virtual ~Renderer() = default;
    // Makes the loaded form visible in its window state.
    virtual void Show(Form& form) = 0;
    virtual void BringForward(Form& form) = 0;
    // The form was unloaded; its window goes away.
    virtual void Destroy(Form& form) = 0;
    // The last screen closed: the program ends.
    virtual void Quit() = 0;
};

}  // namespace forms
