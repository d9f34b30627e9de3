// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Small helpers over the Windows API that every part of the front end uses:
// text from the runtime's UTF-8 to Windows' UTF-16, and functions of system
// DLLs that the game needs only now and then (a screen reader's questions,
// the picture's decoding, the newer DPI calls), loaded when first asked for
// so that starting the game loads nothing it may never use.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

// UTF-8 as the runtime keeps it, in the UTF-16 that the wide calls take.
inline std::wstring widen(std::string_view utf8) {
    std::wstring wide;
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    if (n > 0) {
        wide.resize(std::size_t(n));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    }
    return wide;
}

// A function of a DLL in the system's own folder, or null where the system
// has none (an older Windows). Only the system folder is searched, never the
// folder the game was started from; by its full path, which every Windows
// takes (LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update on Windows 7).
FARPROC systemProcedure(const wchar_t* dll, const char* name);  // application.cpp
template <class Function>
Function* systemFunction(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(systemProcedure(dll, name)));
}

// The DPI a window is drawn at: its monitor's where the system tells each
// window its own (Windows 10 1607 on), else the system's.
inline int dpiOf(HWND window) {
    static auto* forWindow = systemFunction<UINT WINAPI(HWND)>(L"user32.dll", "GetDpiForWindow");
    if (forWindow) {
        if (const UINT dpi = forWindow(window)) {
            return int(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// Logical pixels of the layout (at 96 dpi) at a window's DPI.
struct Scale {
    int dpi = USER_DEFAULT_SCREEN_DPI;

    int operator()(int pixels) const { return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI); }
    // Each edge scaled on its own, so neighbouring controls stay edge to edge.
    RECT rect(int x, int y, int width, int height) const {
        return {(*this)(x), (*this)(y), (*this)(x + width), (*this)(y + height)};
    }
};

}  // namespace win32
