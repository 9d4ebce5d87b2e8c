#pragma once
#include "platform/Dialogs.h"

namespace platform::win32 {

// Message boxes, the prompt and the common file dialogs of Windows, owned
// by the screen the user is working in.
class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(const std::string& text, const std::string& title, int style) override;
    bool Ask(const std::string& text, const std::string& title) override;
    std::optional<std::string> Prompt(const std::string& text, const std::string& title,
                                      const std::string& initial) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
};

}  // namespace platform::win32
