#pragma once
// Dialogs for tests: every message box is recorded, and prompts and file
// dialogs answer from queues the test fills (an empty queue cancels).
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace testing_support {

struct ShownMessage {
    std::string text;
    std::string title;
    int style;
    bool operator==(const ShownMessage&) const = default;
};

class ScriptedDialogs : public platform::Dialogs {
  public:
    void ShowMessage(const std::string& text, const std::string& title, int style) override;
    std::optional<std::string> Prompt(const std::string& text, const std::string& title,
                                      const std::string& initial) override;
    std::optional<std::string> OpenFile(const platform::FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const platform::FileDialogRequest& request) override;

    std::vector<ShownMessage> messages;
    std::vector<platform::FileDialogRequest> fileRequests;
    std::vector<std::string> prompts;
    std::deque<std::optional<std::string>> promptAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
};

}  // namespace testing_support
