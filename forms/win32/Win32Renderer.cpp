#include "forms/win32/Win32Renderer.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Wide.h"
#include "platform/win32/WindowText.h"
#include "platform/win32/Win32Pictures.h"

namespace forms::win32 {

using platform::win32::Narrow;
using platform::win32::Widen;
using platform::win32::WindowText;

namespace {

constexpr wchar_t kFormClass[] = L"QuarvelForm";
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kSubclassId = 1;

struct ControlClass {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Label: {
            const auto& label = static_cast<const Label&>(control);
            if (label.look() == Label::Look::Button)
                return {L"STATIC", SS_NOTIFY | SS_CENTER | SS_CENTERIMAGE | WS_BORDER | WS_TABSTOP,
                        0};
            return {L"STATIC", SS_NOTIFY | SS_LEFT, 0};
        }
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0};
        case ControlKind::OptionButton:
            return {L"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
        case ControlKind::TextBox: {
            const auto& style = static_cast<const TextBox&>(control).style();
            DWORD bits = WS_TABSTOP | (style.password ? ES_PASSWORD : 0);
            bits |= style.multiLine ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL
                                    : ES_AUTOHSCROLL;
            if (style.multiLine && style.noWrap) bits |= ES_AUTOHSCROLL | WS_HSCROLL;
            return {L"EDIT", bits, WS_EX_CLIENTEDGE};
        }
        case ControlKind::ListBox:
            return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::PictureBox:
            return {L"STATIC", SS_BITMAP | SS_CENTERIMAGE | SS_NOTIFY, WS_EX_CLIENTEDGE};
        case ControlKind::CommandButton:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    }
    return {L"STATIC", 0, 0};
}

HBITMAP BlankBitmap(int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

struct ControlWindow : ControlPeer {
    Control* control = nullptr;
    HWND window = nullptr;
    HBITMAP picture = nullptr;
    bool* syncing = nullptr;
    std::vector<std::string> shownItems;  // the rows of a list box's window

    ~ControlWindow() override {
        if (picture) DeleteObject(picture);
    }

    void Changed(Control& changed, Aspect aspect) override {
        *syncing = true;
        switch (aspect) {
            case Aspect::Text: {
                // A change the user typed is already in the window: setting
                // it again would put the caret back at the start.
                std::wstring text = Widen(changed.caption());
                if (WindowText(window) != text) SetWindowTextW(window, text.c_str());
                break;
            }
            case Aspect::Checked: {
                bool checked = changed.kind() == ControlKind::CheckBox
                                   ? static_cast<CheckBox&>(changed).checked()
                                   : static_cast<OptionButton&>(changed).checked();
                SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
                break;
            }
            case Aspect::Items:
                ShowItems(static_cast<ListBox&>(changed));
                break;
            case Aspect::Selection:
                SendMessageW(window, LB_SETCURSEL, static_cast<ListBox&>(changed).listIndex(), 0);
                break;
            case Aspect::BackColor:
                InvalidateRect(window, nullptr, TRUE);
                break;
            case Aspect::Visible:
                ShowWindow(window, changed.visible() ? SW_SHOW : SW_HIDE);
                break;
            case Aspect::Enabled:
                EnableWindow(window, changed.enabled());
                break;
            case Aspect::Picture:
                ShowPicture(static_cast<PictureBox&>(changed));
                break;
        }
        *syncing = false;
    }

    // Brings the window's rows in line with the list: an append or a single
    // removal touches only those rows; anything else refills the window.
    void ShowItems(ListBox& list) {
        const std::vector<std::string>& items = list.items();
        if (items.size() >= shownItems.size() &&
            std::equal(shownItems.begin(), shownItems.end(), items.begin())) {
            for (std::size_t i = shownItems.size(); i < items.size(); ++i) AddRow(items[i]);
        } else if (auto removed = SingleRemoval(items)) {
            SendMessageW(window, LB_DELETESTRING, *removed, 0);
        } else {
            SendMessageW(window, WM_SETREDRAW, FALSE, 0);
            SendMessageW(window, LB_RESETCONTENT, 0, 0);
            for (const std::string& item : items) AddRow(item);
            SendMessageW(window, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(window, nullptr, TRUE);
        }
        shownItems = items;
        SendMessageW(window, LB_SETCURSEL, list.listIndex(), 0);
    }

    void AddRow(const std::string& item) {
        // LB_INSERTSTRING at the end keeps the list's order even in a sorted box.
        SendMessageW(window, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }

    // The row whose removal turns what is shown into the list, if there is one.
    std::optional<std::size_t> SingleRemoval(const std::vector<std::string>& items) const {
        if (items.size() + 1 != shownItems.size()) return std::nullopt;
        auto [shown, now] = std::mismatch(shownItems.begin(), shownItems.end() - 1, items.begin());
        if (!std::equal(shown + 1, shownItems.end(), now)) return std::nullopt;
        return static_cast<std::size_t>(shown - shownItems.begin());
    }

    void ShowPicture(PictureBox& box) {
        RECT client;
        GetClientRect(window, &client);  // the box as shown, at the screen's scale
        int width = client.right;
        int height = client.bottom;
        HBITMAP bitmap = box.picture().empty()
                             ? nullptr
                             : platform::win32::LoadPictureBitmap(box.picture(), width, height);
        // A bitmap static without a bitmap paints nothing at all under some
        // systems (the box shows black): an empty box shows the face colour.
        if (!bitmap) bitmap = BlankBitmap(width, height);
        SendMessageW(window, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        if (picture) DeleteObject(picture);
        picture = bitmap;
        InvalidateRect(window, nullptr, TRUE);
    }

    void ShowAll() {
        Changed(*control, Aspect::Text);
        if (control->kind() == ControlKind::CheckBox ||
            control->kind() == ControlKind::OptionButton)
            Changed(*control, Aspect::Checked);
        if (control->kind() == ControlKind::ListBox) Changed(*control, Aspect::Items);
        if (control->kind() == ControlKind::PictureBox) Changed(*control, Aspect::Picture);
        if (!control->enabled()) Changed(*control, Aspect::Enabled);
    }
};

struct Win32Renderer::FormWindow : FormPeer {
    Form* form = nullptr;
    HWND window = nullptr;
    HWND toolTips = nullptr;
    std::vector<std::unique_ptr<ControlWindow>> controls;
    bool syncing = false;
    HWND opener = nullptr;     // the window that was active when this one opened
    HWND lastFocus = nullptr;  // the control that had the keyboard when it last went inactive

    void Changed(Form& changed, FormAspect aspect) override {
        if (syncing) return;
        syncing = true;
        if (aspect == FormAspect::Caption) SetWindowTextW(window, Widen(changed.caption()).c_str());
        if (aspect == FormAspect::WindowState)
            ShowWindow(window,
                       changed.windowState() == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
        syncing = false;
    }

    ControlWindow* ById(int id) {
        std::size_t index = static_cast<std::size_t>(id - kFirstControlId);
        return id >= kFirstControlId && index < controls.size() ? controls[index].get() : nullptr;
    }

    ControlWindow* ByWindow(HWND child) {
        for (auto& control : controls)
            if (control->window == child) return control.get();
        return nullptr;
    }

    void Command(int id, int code) {
        // Enter on a button runs that button, as in a dialog, whether or not
        // the keyboard moved there yet; elsewhere it is the screen's Enter.
        if (id == IDOK) {
            ControlWindow* focused = ByWindow(GetFocus());
            if (focused && focused->control->kind() == ControlKind::CommandButton) {
                if (focused->control->enabled()) focused->control->UserClick();
                return;
            }
            return form->UserAccept();
        }
        if (id == IDCANCEL) return form->UserCancel();
        ControlWindow* target = ById(id);
        if (!target || syncing) return;
        Control& control = *target->control;
        switch (control.kind()) {
            case ControlKind::Label:
            case ControlKind::PictureBox:
                if (code == STN_CLICKED) control.UserClick();
                break;
            case ControlKind::CheckBox:
            case ControlKind::OptionButton:
            case ControlKind::CommandButton:
                if (code == BN_CLICKED) control.UserClick();
                break;
            case ControlKind::TextBox:
                if (code == EN_CHANGE)
                    static_cast<TextBox&>(control).UserType(Narrow(WindowText(target->window)));
                break;
            case ControlKind::ListBox:
                if (code == LBN_SELCHANGE)
                    static_cast<ListBox&>(control).UserSelect(
                        static_cast<int>(SendMessageW(target->window, LB_GETCURSEL, 0, 0)));
                break;
            default:
                break;
        }
    }

    LRESULT Colour(HDC dc, HWND child) {
        ControlWindow* target = ByWindow(child);
        int colour = COLOR_BTNFACE;
        if (target && target->control->backColor() != SysColor::None)
            colour = static_cast<int>(target->control->backColor());
        SetBkColor(dc, GetSysColor(colour));
        SetTextColor(dc,
                     GetSysColor(colour == COLOR_HIGHLIGHT ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
    }
};

namespace {

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using FormWindow = Win32Renderer::FormWindow;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
            // The handler may close this screen; nothing of it is touched afterwards.
            self->Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return self->Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CLOSE:
            self->form->Unload();
            return 0;
        case WM_ACTIVATE:
            // The keyboard comes back to the control that had it, or to the
            // first one, never to the bare window.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) self->lastFocus = focus;
            } else if (!HIWORD(wParam)) {
                HWND back = self->lastFocus && IsChild(window, self->lastFocus)
                                ? self->lastFocus
                                : GetNextDlgTabItem(window, nullptr, FALSE);
                if (back) {
                    SetFocus(back);
                    return 0;
                }
            }
            return DefWindowProcW(window, message, wParam, lParam);
        case WM_SIZE:
            if (!self->syncing && (wParam == SIZE_MINIMIZED || wParam == SIZE_RESTORED)) {
                self->syncing = true;
                self->form->SetWindowState(wParam == SIZE_MINIMIZED ? WindowState::Minimized
                                                                    : WindowState::Normal);
                self->syncing = false;
            }
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Labels used as buttons take the focus like buttons: Space or Enter runs
// them, and a focus rectangle shows where the keyboard is.
LRESULT CALLBACK LabelButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE:
            if (lParam && reinterpret_cast<MSG*>(lParam)->message == WM_KEYDOWN &&
                (wParam == VK_RETURN || wParam == VK_SPACE))
                return DLGC_WANTMESSAGE;
            return DLGC_BUTTON;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                SendMessageW(GetParent(window), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED),
                             reinterpret_cast<LPARAM>(window));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(window, nullptr, TRUE);
            break;
        case WM_PAINT: {
            LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (GetFocus() == window) {
                HDC dc = GetDC(window);
                RECT inner;
                GetClientRect(window, &inner);
                InflateRect(&inner, -2, -2);
                DrawFocusRect(dc, &inner);
                ReleaseDC(window, dc);
            }
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, LabelButtonProc, kSubclassId);
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// A one-line text box whose Enter is a command of the screen.
LRESULT CALLBACK EnterEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR data) {
    auto* box = reinterpret_cast<TextBox*>(data);
    switch (message) {
        case WM_GETDLGCODE:
            if (lParam && reinterpret_cast<MSG*>(lParam)->message == WM_KEYDOWN &&
                wParam == VK_RETURN)
                return DLGC_WANTALLKEYS | DefSubclassProc(window, message, wParam, lParam);
            break;
        case WM_CHAR:
            if (wParam == L'\r') {
                box->UserEnter();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, EnterEditProc, kSubclassId);
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void RegisterFormClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.lpszClassName = kFormClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

Win32Renderer::Win32Renderer(HINSTANCE instance) : instance_(instance) {
    // Layouts are drawn for 96 dots per inch; at larger settings (150 %
    // is 144) every position and size grows with the system's fonts.
    HDC screen = GetDC(nullptr);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterFormClass(instance_);
}

Win32Renderer::~Win32Renderer() {
    for (auto& [form, window] : windows_) {
        SetWindowLongPtrW(window->window, GWLP_USERDATA, 0);
        DestroyWindow(window->window);
    }
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Win32Renderer::FontFor(const Font& font) {
    auto key = std::make_tuple(font.face, font.points, font.bold, font.serif);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW logFont = metrics.lfMessageFont;
    if (!font.face.empty()) {
        std::wstring face = Widen(font.face);
        lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    }
    if (font.points > 0) {
        HDC screen = GetDC(nullptr);
        logFont.lfHeight = -MulDiv(font.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
    }
    if (font.bold) logFont.lfWeight = FW_BOLD;
    // Where the face is missing, the system picks another of the same family.
    if (font.serif) logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    HFONT created = CreateFontIndirectW(&logFont);
    fonts_[key] = created;
    return created;
}

void Win32Renderer::Show(Form& form) {
    auto shown = std::make_unique<FormWindow>();
    shown->form = &form;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    RECT frame = {0, 0, Scale(form.width()), Scale(form.height())};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2 + 24 * static_cast<int>(windows_.size());
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2 + 24 * static_cast<int>(windows_.size());
    HWND window =
        CreateWindowExW(exStyle, kFormClass, Widen(form.caption()).c_str(), style, x, y < 0 ? 0 : y,
                        width, height, nullptr, nullptr, instance_, shown.get());
    shown->window = window;
    shown->opener = Ours(GetActiveWindow()) ? GetActiveWindow() : nullptr;
    shown->toolTips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance_, nullptr);
    SendMessageW(shown->toolTips, TTM_SETMAXTIPWIDTH, 0, 320);

    const auto& controls = form.controls();
    shown->controls.resize(controls.size());
    // Frames first, so that they lie beneath the controls they hold; the
    // others follow in declaration order, which is the tab order.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            Control& control = *controls[i];
            if ((control.kind() == ControlKind::Frame) != (pass == 0)) continue;
            ControlClass kind = ClassOf(control);
            const Rect& r = control.rect();
            HWND child =
                CreateWindowExW(kind.exStyle, kind.windowClass, Widen(control.caption()).c_str(),
                                kind.style | WS_CHILD | (control.visible() ? WS_VISIBLE : 0),
                                Scale(r.x), Scale(r.y), Scale(r.width), Scale(r.height), window,
                                reinterpret_cast<HMENU>(kFirstControlId + i), instance_, nullptr);
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.font())),
                         FALSE);
            auto peer = std::make_unique<ControlWindow>();
            peer->control = &control;
            peer->window = child;
            peer->syncing = &shown->syncing;
            if (control.kind() == ControlKind::TextBox) {
                auto& box = static_cast<TextBox&>(control);
                SendMessageW(child, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
                if (box.style().password) SendMessageW(child, EM_SETPASSWORDCHAR, L'*', 0);
                if (box.style().wantsEnter && !box.style().multiLine)
                    SetWindowSubclass(child, EnterEditProc, kSubclassId,
                                      reinterpret_cast<DWORD_PTR>(&box));
            }
            if (control.kind() == ControlKind::Label &&
                static_cast<Label&>(control).look() == Label::Look::Button)
                SetWindowSubclass(child, LabelButtonProc, kSubclassId, 0);
            if (!control.toolTip().empty()) {
                std::wstring tip = Widen(control.toolTip());
                TTTOOLINFOW tool = {};
                tool.cbSize = sizeof tool;
                tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
                tool.hwnd = window;
                tool.uId = reinterpret_cast<UINT_PTR>(child);
                tool.lpszText = tip.data();
                SendMessageW(shown->toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            }
            peer->ShowAll();
            control.Attach(peer.get());
            shown->controls[i] = std::move(peer);
        }
    }
    form.Attach(shown.get());
    windows_[&form] = std::move(shown);
    // A screen that starts minimised (the main menu under the wizard menu)
    // leaves the keyboard with the window in front of it.
    if (form.windowState() == WindowState::Minimized) {
        ShowWindow(window, SW_SHOWMINNOACTIVE);
        return;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    if (HWND first = GetNextDlgTabItem(window, nullptr, FALSE)) SetFocus(first);
}

void Win32Renderer::BringForward(Form& form) {
    HWND window = WindowOf(form);
    if (!window) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

void Win32Renderer::Destroy(Form& form) {
    auto found = windows_.find(&form);
    if (found == windows_.end()) return;
    FormWindow& shown = *found->second;
    form.Attach(nullptr);
    for (auto& control : shown.controls) control->control->Attach(nullptr);
    // Left to itself, Windows would activate the next window in line, which
    // may be the minimised main menu: the keyboard goes back where the
    // screen was opened from.
    if (GetActiveWindow() == shown.window)
        if (HWND back = WindowToReturnTo(shown)) SetActiveWindow(back);
    SetWindowLongPtrW(shown.window, GWLP_USERDATA, 0);
    DestroyWindow(shown.window);
    // The command that closed the screen may still be running in this
    // window's procedure; the peers go once it has returned.
    closed_.push_back(std::move(found->second));
    windows_.erase(found);
}

void Win32Renderer::Quit() {
    PostQuitMessage(0);
}

bool Win32Renderer::Ours(HWND window) const {
    if (!window) return false;
    for (auto& [form, shown] : windows_)
        if (shown->window == window) return true;
    return false;
}

// The opener, or the one that opened it, ...; else any of ours the user can
// see. A minimised window is no place for the keyboard.
HWND Win32Renderer::WindowToReturnTo(const FormWindow& closing) const {
    auto usable = [&](HWND window) {
        return window != closing.window && Ours(window) && IsWindowVisible(window) &&
               !IsIconic(window);
    };
    HWND opener = closing.opener;
    for (std::size_t hops = 0; opener && hops <= windows_.size(); ++hops) {
        if (usable(opener)) return opener;
        const FormWindow* shown = nullptr;
        for (auto& [form, window] : windows_)
            if (window->window == opener) shown = window.get();
        opener = shown ? shown->opener : nullptr;
    }
    for (auto& [form, shown] : windows_)
        if (usable(shown->window)) return shown->window;
    return nullptr;
}

bool Win32Renderer::Dispatch(MSG& message) {
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Ours(root) && IsDialogMessageW(root, &message)) return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

int Win32Renderer::Run(Screens& screens) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
        screens.Collect();
        closed_.clear();
    }
    return static_cast<int>(message.wParam);
}

void Win32Renderer::Pump(Screens& screens) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) break;
        Dispatch(message);
    }
    screens.Collect();
    closed_.clear();
}

HWND Win32Renderer::WindowOf(const Form& form) const {
    auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second->window;
}

HWND Win32Renderer::WindowOf(const Control& control) const {
    auto found = windows_.find(&control.form());
    if (found == windows_.end()) return nullptr;
    for (auto& peer : found->second->controls)
        if (peer->control == &control) return peer->window;
    return nullptr;
}

}  // namespace forms::win32
