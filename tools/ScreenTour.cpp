// The screenshot tour: opens every screen of the program under Wine, one at
// a time, and saves each window as a bitmap named after the screen into the
// folder given on the command line (scripts/screens.sh turns them into PNG).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "companions/frmResgate.h"
#include "restrictions/frmWizrd2.h"
#include "menus/frmEscR.h"
#include "menus/frmWizrd3.h"
#include "menus/MainMenuEntries.h"
#include "menus/frnINI.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

void SaveBitmap(HWND window, const std::wstring& path) {
    RECT frame;
    GetWindowRect(window, &frame);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<char> pixels(stride * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::ofstream out(path.c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

void Shoot(wine_tests::RealProgram& real, forms::Form& form, const std::wstring& folder) {
    HWND window = real.Window(form);
    SetForegroundWindow(window);
    for (int i = 0; i < 15; ++i) {
        real.Pump();
        Sleep(20);
    }
    SaveBitmap(window,
               folder + L"\\" + std::wstring(form.name().begin(), form.name().end()) + L".bmp");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    std::wstring folder = argv[1];
    wine_tests::RealProgram real;
    auto& screens = real.program.screens;
    auto& menu = screens.Open<menus::frnINI>(real.program.context);
    menu.SetWindowState(forms::WindowState::Normal);
    Shoot(real, menu, folder);
    for (const menus::MenuEntry& entry : menus::kMenuEntries) {
        if (entry.command == core::MenuCommand::ImportFromFloppy ||
            entry.command == core::MenuCommand::ImportFromFile ||
            entry.command == core::MenuCommand::UndoImport)
            continue;
        std::size_t before = screens.Count();
        menu.Entry_Click(entry.command);
        if (screens.Count() == before) continue;
        forms::Form& screen = *screens.open().back();
        Shoot(real, screen, folder);
        screen.Unload();
        real.Pump();
    }
    // Screens the main menu does not open itself, each on its own.
    auto shootAlone = [&](forms::Form& screen) {
        Shoot(real, screen, folder);
        screen.Unload();
        real.Pump();
    };
    shootAlone(screens.Open<menus::frmWizrd3>(real.program.context));
    shootAlone(screens.Open<menus::frmEscR>(real.program.context));
    shootAlone(screens.Open<restrictions::frmWizrd2>(real.program.context));
    shootAlone(screens.Open<companions::frmResgate>(real.program.context));
    return 0;
}
