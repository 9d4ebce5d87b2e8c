#pragma once
// Standard output of a program built for windows: the redirection it was
// started with (a file or a pipe, written in the ANSI code page), else the
// console it already has (typed at a prompt, Wine gives it one), else the
// console of the shell that started it, else nothing.
#include <windows.h>

#include "platform/Console.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Codec.h"

namespace platform::win32 {

class Win32Console : public Console {
  public:
    Win32Console() {
        HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
        DWORD kind = out && out != INVALID_HANDLE_VALUE ? GetFileType(out) : FILE_TYPE_UNKNOWN;
        DWORD mode = 0;
        if (kind == FILE_TYPE_CHAR && GetConsoleMode(out, &mode)) {
            console_ = out;
        } else if (kind != FILE_TYPE_UNKNOWN) {
            out_ = out;  // a file, a pipe, a device
        } else if (GetConsoleWindow() || AttachConsole(ATTACH_PARENT_PROCESS) ||
                   GetLastError() == ERROR_ACCESS_DENIED) {
            // ERROR_ACCESS_DENIED: the process is attached to a console already.
            opened_ = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
            if (opened_ != INVALID_HANDLE_VALUE) console_ = opened_;
        }
    }
    ~Win32Console() override {
        if (opened_ != INVALID_HANDLE_VALUE) CloseHandle(opened_);
    }
    Win32Console(const Win32Console&) = delete;
    Win32Console& operator=(const Win32Console&) = delete;

    void Write(const std::string& utf8) override {
        DWORD written = 0;
        if (console_) {
            std::wstring text = Widen(utf8);
            if (WriteConsoleW(console_, text.data(), static_cast<DWORD>(text.size()), &written,
                              nullptr))
                return;
            out_ = console_;  // not a console after all: bytes, as to a redirection
        }
        if (out_) {
            std::string bytes = codec_.ToAnsi(utf8);
            WriteFile(out_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        }
    }

  private:
    SystemAnsiCodec codec_;
    HANDLE out_ = nullptr;
    HANDLE console_ = nullptr;
    HANDLE opened_ = INVALID_HANDLE_VALUE;
};

}  // namespace platform::win32
