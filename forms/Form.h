#pragma once
// A screen: a window with a caption, a window state and its controls, which
// register themselves in declaration order (the tab order). Screens derive
// from Form, read the registry in Load and handle their controls' commands.
#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/Peers.h"

namespace forms {

class Screens;

enum class WindowState { Normal, Minimized };

class Form {
  public:
    Form(Screens& screens, std::string name, std::string caption, int width, int height);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Runs once, before the screen is first shown.
    virtual void Load() {}
    // Runs once the screen has closed, however it was closed (its close box,
    // Esc, a command); it may open other screens.
    virtual void Unloaded() {}

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void SetCaption(std::string caption);
    WindowState windowState() const { return windowState_; }
    void SetWindowState(WindowState state);
    int width() const { return width_; }
    int height() const { return height_; }

    const std::vector<Control*>& controls() const { return controls_; }
    Control* Find(const std::string& controlName) const;

    // Enter runs the accept control's command; Esc runs the cancel control's,
    // or closes the screen when it has none and closesOnEscape is set.
    Control* acceptControl = nullptr;
    Control* cancelControl = nullptr;
    bool closesOnEscape = true;
    void UserAccept();
    void UserCancel();

    // Closes this screen (its window goes; the object lives until the
    // current command has returned).
    void Unload();
    Screens& screens() const { return screens_; }

    void Register(Control& control) { controls_.push_back(&control); }
    void Attach(FormPeer* peer) { peer_ = peer; }

  private:
    Screens& screens_;
    std::string name_;
    std::string caption_;
    WindowState windowState_ = WindowState::Normal;
    int width_;
    int height_;
    std::vector<Control*> controls_;
    FormPeer* peer_ = nullptr;
};

}  // namespace forms
