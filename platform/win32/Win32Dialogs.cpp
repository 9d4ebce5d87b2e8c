#include "platform/win32/Win32Dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "platform/win32/Ole.h"
#include "platform/win32/Wide.h"
#include "platform/win32/WindowText.h"

namespace platform::win32 {
namespace {

constexpr WORD kPromptText = 100;
constexpr WORD kPromptEdit = 101;

// An in-memory dialog template, item by item, as DialogBoxIndirect reads it.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, short width, short height, const wchar_t* title) {
        Add<DWORD>(style | DS_SETFONT);
        Add<DWORD>(0);
        countAt_ = words_.size();
        Add<WORD>(0);
        Add<short>(0);
        Add<short>(0);
        Add<short>(width);
        Add<short>(height);
        Add<WORD>(0);  // no menu
        Add<WORD>(0);  // the ordinary dialog class
        AddText(title);
        Add<WORD>(8);
        AddText(L"MS Shell Dlg");
    }

    void AddItem(WORD classAtom, WORD id, DWORD style, short x, short y, short width, short height,
                 const wchar_t* text) {
        if (words_.size() % 2) words_.push_back(0);  // DWORD alignment
        Add<DWORD>(style | WS_CHILD | WS_VISIBLE);
        Add<DWORD>(0);
        Add<short>(x);
        Add<short>(y);
        Add<short>(width);
        Add<short>(height);
        Add<WORD>(id);
        Add<WORD>(0xFFFF);
        Add<WORD>(classAtom);
        AddText(text);
        Add<WORD>(0);
        ++words_[countAt_];
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    template <class T>
    void Add(T value) {
        static_assert(sizeof(T) % 2 == 0);
        const WORD* parts = reinterpret_cast<const WORD*>(&value);
        words_.insert(words_.end(), parts, parts + sizeof(T) / 2);
    }
    void AddText(const wchar_t* text) {
        for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
        words_.push_back(0);
    }

    std::vector<WORD> words_;
    std::size_t countAt_ = 0;
};

struct PromptState {
    std::wstring text;
    std::wstring value;
};

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<PromptState*>(lParam);
            SetDlgItemTextW(dialog, kPromptText, state->text.c_str());
            SetDlgItemTextW(dialog, kPromptEdit, state->value.c_str());
            SendDlgItemMessageW(dialog, kPromptEdit, EM_SETSEL, 0, -1);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                state->value = WindowText(GetDlgItem(dialog, kPromptEdit));
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
    }
    return FALSE;
}

std::wstring FilterText(const std::string& filter) {
    std::wstring wide = Widen(filter);
    for (wchar_t& c : wide)
        if (c == L'|') c = L'\0';
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save) {
    EnsureOle();
    std::wstring title = Widen(request.title);
    std::wstring filter = FilterText(request.filter);
    std::wstring extension = Widen(request.defaultExtension);
    std::wstring folder = Widen(request.initialFolder);
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return Narrow(file.data());
}

}  // namespace

void Win32Dialogs::ShowMessage(const std::string& text, const std::string& title, int style) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(),
                static_cast<UINT>(style) | MB_OK);
}

bool Win32Dialogs::Ask(const std::string& text, const std::string& title) {
    return MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::string> Win32Dialogs::Prompt(const std::string& text, const std::string& title,
                                                const std::string& initial) {
    std::wstring wideTitle = Widen(title);
    DialogTemplate layout(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 260, 84,
                          wideTitle.c_str());
    layout.AddItem(0x0082, kPromptText, SS_LEFT, 7, 7, 186, 48, L"");
    layout.AddItem(0x0081, kPromptEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 62, 246, 14,
                   L"");
    layout.AddItem(0x0080, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 203, 7, 50, 14, L"OK");
    layout.AddItem(0x0080, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 203, 24, 50, 14, L"Cancelar");
    PromptState state{Widen(text), Widen(initial)};
    INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), GetActiveWindow(),
                                PromptProc, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;
    return Narrow(state.value);
}

std::optional<std::string> Win32Dialogs::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> Win32Dialogs::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

}  // namespace platform::win32
