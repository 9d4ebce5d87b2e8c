#pragma once
// Drives real windows under Wine the way a user would: clicks, typing,
// reading window texts, and answering message boxes.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/Program.h"
#include "platform/win32/WindowText.h"

namespace wine_tests {

using platform::win32::WindowText;
std::string WindowTextUtf8(HWND window);

// A click with the mouse on a child window (label, box, button).
void Click(HWND control);
// Replaces the text of an edit box as typing would (the box reports the change).
void Type(HWND edit, const std::string& utf8);
// Types the text key by key (a multi-line box reports no change for a new text).
void TypeKeys(HWND edit, const std::string& utf8);
// The rows a list box window shows, top to bottom, and the selected one (-1: none).
std::vector<std::string> ListRows(HWND list);
int SelectedRow(HWND list);
// A click with the mouse on a row of a list box.
void ChooseRow(HWND list, int row);
// The tool tip a control shows when the mouse rests on it; empty when none.
std::string ToolTipOf(HWND control);
// Enter or Esc pressed in a window, through the dialog keyboard handling.
void PressKey(HWND window, WORD key);

// The top-level window of a process (0: this one) with the given caption.
HWND FindTopLevel(const std::string& caption, DWORD processId = 0, int waitMs = 5000);
// The text of the first static child of a message box: its message.
std::string MessageText(HWND box);

struct SeenMessage {
    std::string text;
    std::string title;
    bool operator==(const SeenMessage&) const = default;
};

// A file dialog to answer: the one with this title gets this path.
struct FileAnswer {
    std::string title;
    std::string path;
};

// Answers every message box this process shows with OK, and remembers it;
// file dialogs named in the answers get their path, each once.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(std::vector<FileAnswer> fileAnswers = {});
    ~MessageBoxAnswerer();
    std::vector<SeenMessage> Seen();

  private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessage> seen_;
    std::vector<FileAnswer> fileAnswers_;
    std::thread thread_;
};

// The whole program on the real seams, for tests through real windows.
struct RealProgram {
    RealProgram() : program(GetModuleHandleW(nullptr)) {}
    void Pump() { program.renderer.Pump(program.screens); }
    HWND Window(const forms::Form& form) { return program.renderer.WindowOf(form); }
    HWND Window(const forms::Control& control) { return program.renderer.WindowOf(control); }
    void ClickAndPump(const forms::Control& control) {
        Click(Window(control));
        Pump();
    }

    app::Program program;
};

// The folder of the built programs: the one above the test executables.
std::wstring BuildFolder();
// A built program (L"Quarvel.exe", L"DErodu.exe", ...) by its name.
std::wstring ProgramPath(const wchar_t* program);
// Starts a built program; false when it could not be started.
bool Launch(const wchar_t* program, PROCESS_INFORMATION& process);

}  // namespace wine_tests
