#pragma once
// Shows the screens as real windows: one top-level window per screen and one
// child window per control, whose window text is the control's caption.
// Keeps the control objects and the windows in step both ways.
#include <windows.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "forms/Peers.h"
#include "forms/Screens.h"

namespace forms::win32 {

class Win32Renderer : public Renderer {
  public:
    explicit Win32Renderer(HINSTANCE instance);
    ~Win32Renderer() override;

    void Show(Form& form) override;
    void BringForward(Form& form) override;
    void Destroy(Form& form) override;
    void Quit() override;

    // The message loop, until the last screen closes.
    int Run(Screens& screens);
    // Handles the messages already waiting, as the loop would (for tests).
    void Pump(Screens& screens);

    HWND WindowOf(const Form& form) const;
    HWND WindowOf(const Control& control) const;

    struct FormWindow;

  private:
    bool Dispatch(MSG& message);
    bool Ours(HWND window) const;
    HWND WindowToReturnTo(const FormWindow& closing) const;
    HFONT FontFor(const Font& font);
    int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }

    HINSTANCE instance_;
    int dpi_ = 96;
    std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
    std::vector<std::unique_ptr<FormWindow>> closed_;
    std::map<std::tuple<std::string, int, bool, bool>, HFONT> fonts_;
};

}  // namespace forms::win32
