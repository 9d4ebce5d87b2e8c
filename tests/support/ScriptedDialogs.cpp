#include "tests/support/ScriptedDialogs.h"

namespace testing_support {
namespace {
std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

void ScriptedDialogs::ShowMessage(const std::string& text, const std::string& title, int style) {
    messages.push_back({text, title, style});
}

std::optional<std::string> ScriptedDialogs::Prompt(const std::string& text, const std::string&,
                                                   const std::string&) {
    prompts.push_back(text);
    return Next(promptAnswers);
}

std::optional<std::string> ScriptedDialogs::OpenFile(const platform::FileDialogRequest& request) {
    fileRequests.push_back(request);
    return Next(fileAnswers);
}

std::optional<std::string> ScriptedDialogs::SaveFile(const platform::FileDialogRequest& request) {
    fileRequests.push_back(request);
    return Next(fileAnswers);
}

}  // namespace testing_support
