#include "tests/wine/support/WindowDriver.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

namespace wine_tests {

using platform::win32::Narrow;
using platform::win32::Widen;

namespace {
// The first visible top-level window of a process (0: this one) that passes the test.
HWND TopLevel(DWORD processId, const std::function<bool(HWND)>& test) {
    DWORD wanted = processId ? processId : GetCurrentProcessId(), owner = 0;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        GetWindowThreadProcessId(window, &owner);
        if (owner == wanted && IsWindowVisible(window) && test(window)) return window;
    }
    return nullptr;
}
}  // namespace

std::vector<std::string> ListRows(HWND list) {
    std::vector<std::string> rows;
    auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring row(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()));
        rows.push_back(Narrow(row));
    }
    return rows;
}

std::string ToolTipOf(HWND control) {
    HWND form = GetParent(control);
    for (HWND tips = nullptr; (tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr));) {
        if (GetWindow(tips, GW_OWNER) != form) continue;
        wchar_t text[1024] = {};
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof tool;
        tool.hwnd = form;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
        return Narrow(text);
    }
    return {};
}

HWND FindTopLevel(const std::string& caption, DWORD processId, int waitMs) {
    std::wstring wanted = Widen(caption);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;; Sleep(20)) {
        HWND found = TopLevel(processId, [&](HWND window) { return WindowText(window) == wanted; });
        if (found || std::chrono::steady_clock::now() >= deadline) return found;
    }
}

std::string MessageText(HWND box) {
    std::wstring longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[32] = {};
        GetClassNameW(child, kind, 32);
        std::wstring text = WindowText(child);
        if (lstrcmpiW(kind, L"Static") == 0 && text.size() > longest.size()) longest = text;
    }
    return Narrow(longest);
}

namespace {
// The style a message box's icon stands for.
int IconStyle(HWND box) {
    auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 1088, STM_GETICON, 0, 0));
    for (auto [id, style] : {std::pair{32513, 16}, {32515, 48}, {32516, 64}})
        if (icon == LoadIconW(nullptr, MAKEINTRESOURCEW(id))) return style;
    return icon ? -1 : 0;
}
}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<DialogAnswer> answers, DWORD processId)
    : answers_(std::move(answers)), thread_([this, processId] {
          for (; !stop_; Sleep(10)) {
              // A dialog that shows a box of its own is disabled until the box goes.
              HWND box = TopLevel(processId, [](HWND window) {
                  wchar_t kind[32] = {};
                  GetClassNameW(window, kind, 32);
                  return lstrcmpW(kind, L"#32770") == 0 && IsWindowEnabled(window);
              });
              if (!box) continue;
              std::string title = WindowTextUtf8(box);
              auto answer = std::ranges::find(answers_, title, &DialogAnswer::title);
              bool answered = answer != answers_.end();
              // A file dialog has a name box, in either of its styles; a prompt asks.
              bool fileDialog = GetDlgItem(box, 0x47C) || GetDlgItem(box, 0x480);
              if (answered) {
                  Sleep(200);
                  std::wstring text = Widen(answer->text);
                  for (int id : {0x47C, 0x480}) SetDlgItemTextW(box, id, text.c_str());
                  if (!fileDialog)
                      SetWindowTextW(FindWindowExW(box, nullptr, L"Edit", nullptr), text.c_str());
                  answers_.erase(answer);
              }
              if (!fileDialog || !answered) {  // a file dialog nobody expected is cancelled
                  std::lock_guard<std::mutex> lock(mutex_);
                  seen_.push_back({MessageText(box), title, IconStyle(box)});
              }
              // Posted: a dialog may answer OK with a box of its own (replace the file?).
              int button = GetDlgItem(box, IDYES) ? IDYES : IDOK;
              if (fileDialog) button = answered ? IDOK : IDCANCEL;
              PostMessageW(box, WM_COMMAND, button, 0);
              // Wait for the box to go before looking for the next one.
              for (int i = 0; i < 100 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
          }
      }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    stop_ = true;
    thread_.join();
}

Said MessageBoxAnswerer::Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

std::wstring BuildFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L'\\'));  // tests folder
    return path.substr(0, path.find_last_of(L'\\'));  // build folder
}

bool Launch(const wchar_t* program, PROCESS_INFORMATION& process, const std::string& arguments,
            const std::string& output) {
    std::wstring path = ProgramPath(program);
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) path = program;
    std::wstring command = L"\"" + path + L"\" " + Widen(arguments);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!output.empty()) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = startup.hStdError =
            CreateFileW(Widen(output).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        &inherit, CREATE_ALWAYS, 0, 0);
    }
    bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, !output.empty(), 0,
                                  nullptr, nullptr, &startup, &process);
    if (startup.hStdOutput) CloseHandle(startup.hStdOutput);
    return started;
}

bool Process::Ends(DWORD ms) {
    if (!info.hProcess) return code != STILL_ACTIVE;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    bool ended;
    while (!(ended = WaitForSingleObject(info.hProcess, 2) == WAIT_OBJECT_0) &&
           std::chrono::steady_clock::now() < deadline)
        windowSeen |= TopLevel(info.dwProcessId, [](HWND) { return true; }) != nullptr;
    if (!ended) TerminateProcess(info.hProcess, STILL_ACTIVE);
    GetExitCodeProcess(info.hProcess, &code);
    for (HANDLE handle : {info.hProcess, info.hThread}) CloseHandle(handle);
    info = {};
    return ended;
}

}  // namespace wine_tests
