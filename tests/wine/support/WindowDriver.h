#pragma once
// Drives real windows under Wine the way a user would: clicks, typing,
// reading window texts, answering message boxes; and starts the built programs.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/Program.h"
#include "platform/win32/Wide.h"
#include "platform/win32/WindowText.h"
#include "tests/support/ScriptedDialogs.h"

namespace wine_tests {

using platform::win32::WindowText;
using testing_support::ShownMessage;
using Said = std::vector<ShownMessage>;  // what the message boxes of a run said, in order
inline std::string WindowTextUtf8(HWND window) {
    return platform::win32::Narrow(WindowText(window));
}

// A click with the mouse on a child window (label, box, button, list row).
inline void Click(HWND control, LPARAM at = MAKELPARAM(3, 3)) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}
// Types the text key by key (a multi-line box reports no change for a new text).
inline void TypeKeys(HWND edit, const std::string& utf8) {
    for (wchar_t c : platform::win32::Widen(utf8)) SendMessageW(edit, WM_CHAR, c, 1);
}
// Enter or Esc pressed in a window, through the dialog keyboard handling.
inline void PressKey(HWND window, WORD key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}
// The rows a list box window shows, top to bottom.
std::vector<std::string> ListRows(HWND list);
// A click with the mouse on a row of a list box.
inline void ChooseRow(HWND list, int row) {
    RECT rect = {};
    SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    Click(list, MAKELPARAM(rect.left + 3, (rect.top + rect.bottom) / 2));
}
// The tool tip a control shows when the mouse rests on it; empty when none.
std::string ToolTipOf(HWND control);

// The visible top-level window of a process (0: this one) with the caption, waited for.
HWND FindTopLevel(const std::string& caption, DWORD processId = 0, int waitMs = 5000);
// The message of a message box or the question of a prompt: its longest static text.
std::string MessageText(HWND box);

// The account the tests run as, and how the menus' captions end while they
// work on its own settings.
inline std::string ThisAccountName() {
    wchar_t name[256];
    DWORD size = 256;
    return GetUserNameW(name, &size) ? platform::win32::Narrow(name) : "";
}
inline std::string ThisAccountSuffix() {
    return " - Esta conta (" + ThisAccountName() + ")";
}

// Pumps this thread's messages until the condition holds or the time is up.
template <class Condition>
bool Within(int ms, Condition condition) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (MSG message; std::chrono::steady_clock::now() < deadline; Sleep(20)) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (condition()) return true;
    }
    return condition();
}

// A file dialog or a prompt to answer: the one with this title gets this text.
struct DialogAnswer {
    std::string title, text;
};

// Answers every message box a process (0: this one) shows with OK, or Yes
// where it asks, and remembers its text, title and the style its icon shows
// (16 stop, 48 exclamation, 64 information, 0 none, -1 another); a prompt's
// question is remembered alike. The dialogs named in the answers get their
// text typed, each once.
class MessageBoxAnswerer {
  public:
    explicit MessageBoxAnswerer(std::vector<DialogAnswer> answers = {}, DWORD processId = 0);
    ~MessageBoxAnswerer();
    Said Seen();

  private:
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    Said seen_;
    std::vector<DialogAnswer> answers_;
    std::thread thread_;
};

// The whole program on the real seams, for tests through real windows.
struct RealProgram {
    RealProgram() : program(GetModuleHandleW(nullptr)) {}
    void Pump() { program.renderer.Pump(program.screens); }
    HWND Window(const forms::Form& form) { return program.renderer.WindowOf(form); }
    HWND Window(const forms::Control& control) { return program.renderer.WindowOf(control); }

    app::Program program;
};

// The folder of the built programs: the one above the test executables.
std::wstring BuildFolder();
inline std::wstring ProgramPath(const wchar_t* program) {
    return BuildFolder() + L"\\" + program;
}
// Starts a built program (L"Quarvel.exe", L"DErodu.exe", ...; another one as
// Windows finds it) with the arguments, its output and errors to the file
// when one is named; false when it could not be started.
bool Launch(const wchar_t* program, PROCESS_INFORMATION& process, const std::string& arguments = "",
            const std::string& output = "");

// A started program, ended when it goes.
struct Process {
    explicit Process(const wchar_t* program, const std::string& arguments = "",
                     const std::string& output = "")
        : started(Launch(program, info, arguments, output)), error(started ? 0 : GetLastError()) {}
    ~Process() { Ends(0); }
    // Whether it ends within the time, looking for a window of it meanwhile;
    // it is ended in any case, its exit code kept.
    bool Ends(DWORD ms);

    PROCESS_INFORMATION info = {};
    bool started;
    DWORD error;  // why it could not be started
    bool windowSeen = false;
    DWORD code = STILL_ACTIVE;
};

}  // namespace wine_tests
