#pragma once
// The modal dialogs a screen may show: message boxes, a one-line prompt and
// the open/save file dialogs. The owner is the screen the user is working in.
#include <optional>
#include <string>

namespace platform {

// Message box styles the program uses; each has a single OK button.
namespace style {
constexpr int Plain = 0;
constexpr int Critical = 16;
constexpr int Exclamation = 48;
constexpr int Information = 64;
}  // namespace style

struct FileDialogRequest {
    std::string title;
    std::string filter;  // "Description|*.ext" pairs separated by '|'
    std::string defaultExtension;
    std::string initialFolder;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void ShowMessage(const std::string& text, const std::string& title, int style) = 0;
    // A question with "Sim" and "Não" ("Não" first in focus); true for "Sim".
    virtual bool Ask(const std::string& text, const std::string& title) = 0;
    // The text typed, or nothing when the user cancels.
    virtual std::optional<std::string> Prompt(const std::string& text, const std::string& title,
                                              const std::string& initial) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
};

}  // namespace platform
