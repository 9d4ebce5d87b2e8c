#pragma once
// Dialogs for a run with no one at the screen (the command line): messages
// are kept for the report instead of shown, and every question is cancelled.
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace platform {

class RecordedDialogs : public Dialogs {
  public:
    struct Message {
        std::string text;
        int style;
    };
    void ShowMessage(const std::string& text, const std::string&, int style) override {
        messages.push_back({text, style});
    }
    // Nobody is there to answer: the careful answer.
    bool Ask(const std::string& text, const std::string&) override {
        messages.push_back({text, style::Exclamation});
        return false;
    }
    std::optional<std::string> Prompt(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> SaveFile(const FileDialogRequest&) override { return std::nullopt; }

    std::vector<Message> messages;
};

}  // namespace platform
