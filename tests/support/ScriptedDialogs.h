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
    void ShowMessage(const std::string& text, const std::string& title, int style) override {
        messages.push_back({text, title, style});
    }
    bool Ask(const std::string& text, const std::string& title) override {
        messages.push_back({text, title, 36});  // question, Sim/Não
        bool yes = !askAnswers.empty() && askAnswers.front();
        if (!askAnswers.empty()) askAnswers.pop_front();
        return yes;
    }
    std::optional<std::string> Prompt(const std::string& text, const std::string&,
                                      const std::string&) override {
        prompts.push_back(text);
        return Next(promptAnswers);
    }
    std::optional<std::string> OpenFile(const platform::FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return Next(fileAnswers);
    }
    std::optional<std::string> SaveFile(const platform::FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return Next(fileAnswers);
    }

    std::vector<ShownMessage> messages;
    std::vector<platform::FileDialogRequest> fileRequests;
    std::vector<std::string> prompts;
    std::deque<std::optional<std::string>> promptAnswers;
    std::deque<bool> askAnswers;  // none left: "Não"
    std::deque<std::optional<std::string>> fileAnswers;

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace testing_support
