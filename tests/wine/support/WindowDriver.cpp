#include "tests/wine/support/WindowDriver.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>

#include "platform/win32/Wide.h"

namespace wine_tests {

using platform::win32::Narrow;
using platform::win32::Widen;

std::string WindowTextUtf8(HWND window) {
    return Narrow(WindowText(window));
}

void Click(HWND control) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void Type(HWND edit, const std::string& utf8) {
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(utf8).c_str()));
}

void TypeKeys(HWND edit, const std::string& utf8) {
    for (wchar_t c : Widen(utf8)) SendMessageW(edit, WM_CHAR, c, 1);
}

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

int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

void ChooseRow(HWND list, int row) {
    RECT rect = {};
    SendMessageW(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    LPARAM at = MAKELPARAM(rect.left + 3, (rect.top + rect.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
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

void PressKey(HWND window, WORD key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

namespace {
struct Search {
    std::wstring caption;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) &&
        WindowText(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindTopLevel(const std::string& caption, DWORD processId, int waitMs) {
    Search search{Widen(caption), processId ? processId : GetCurrentProcessId(), nullptr};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    do {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

std::string MessageText(HWND box) {
    // The message is the static text with the most characters (the icon is
    // a static without text).
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
struct BoxSearch {
    DWORD processId;
    HWND found;
};
BOOL CALLBACK FindBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    wchar_t kind[32] = {};
    GetClassNameW(window, kind, 32);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    // A dialog that shows a box of its own is disabled until the box goes.
    if (owner == search->processId && lstrcmpW(kind, L"#32770") == 0 && IsWindowVisible(window) &&
        IsWindowEnabled(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<FileAnswer> fileAnswers)
    : fileAnswers_(std::move(fileAnswers)), thread_([this] {
          while (!stop_) {
              BoxSearch search{GetCurrentProcessId(), nullptr};
              EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
              if (search.found) {
                  std::string title = WindowTextUtf8(search.found);
                  auto file = std::find_if(fileAnswers_.begin(), fileAnswers_.end(),
                                           [&](const FileAnswer& a) { return a.title == title; });
                  if (file != fileAnswers_.end()) {
                      // The file name box of the dialog, in either of its styles.
                      Sleep(200);
                      for (int id : {0x47C, 0x480})
                          SetDlgItemTextW(search.found, id, Widen(file->path).c_str());
                  } else {
                      std::lock_guard<std::mutex> lock(mutex_);
                      seen_.push_back({MessageText(search.found), title});
                  }
                  // OK, or Yes where a box asks (replace an existing file?).
                  bool asks = file == fileAnswers_.end() && GetDlgItem(search.found, IDYES);
                  int button = asks ? IDYES : IDOK;
                  // Posted: a dialog may answer OK with a box of its own.
                  PostMessageW(search.found, WM_COMMAND, button, 0);
                  if (file != fileAnswers_.end()) fileAnswers_.erase(file);
                  // Wait for the box to go before looking for the next one.
                  for (int i = 0;
                       i < 100 && IsWindow(search.found) && IsWindowVisible(search.found); ++i)
                      Sleep(10);
              }
              Sleep(10);
          }
      }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenMessage> MessageBoxAnswerer::Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

std::wstring BuildFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path = path.substr(0, path.find_last_of(L'\\'));  // tests folder
    return path.substr(0, path.find_last_of(L'\\'));  // build folder
}

std::wstring ProgramPath(const wchar_t* program) {
    return BuildFolder() + L"\\" + program;
}

bool Launch(const wchar_t* program, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + ProgramPath(program) + L"\"";
    return CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != 0;
}

}  // namespace wine_tests
