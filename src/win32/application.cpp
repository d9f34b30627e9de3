// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Windows' front end and the start operation on it: the peers for each kind,
// the end of the program as the end of the message loop, the run-time error
// report as the system's message box owned by the game's window, and the
// message loop, whose keyboard goes through the dialog manager (Space
// presses the focused button) with Tab moving in the form's focus order.
#include "system.h"  // windows.h, which the system's other headers need first

#include <commctrl.h>

#include <memory>
#include <string>

#include "peers.h"
#include "runtime/application.h"
#include "runtime/errors.h"
#include "runtime/frontend.h"
#include "runtime/session.h"

namespace win32 {

FARPROC systemProcedure(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    wchar_t path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    if (module == nullptr && folder > 0 && folder + lstrlenW(dll) + 2 < MAX_PATH) {
        path[folder] = L'\\';
        lstrcpyW(path + folder + 1, dll);
        module = LoadLibraryW(path);
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

namespace {

// A line for whoever started the game with a standard error to read (a
// terminal under Wine, a script): the message with its lines joined.
void tellStandardError(const std::string& message) {
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string line = "klikoman: ";
    for (char c : message) {
        const bool space = c == '\n' || c == '\r' || c == ' ';
        if (!space || (line.back() != ' ')) {
            line += space ? ' ' : c;
        }
    }
    line += '\n';
    DWORD written = 0;
    WriteFile(error, line.data(), DWORD(line.size()), &written, nullptr);
}

class Win32Frontend
    : public runtime::PeersOf<FormPeer, LabelPeer, ButtonPeer, ShapePeer, ImagePeer, TimerPeer> {
public:
    std::unique_ptr<runtime::Peer> window(runtime::Form& form) override {
        auto peer = PeersOf::window(form);
        m_form = static_cast<FormPeer*>(peer.get());  // the program's one window
        return peer;
    }

    void end(int status) override {
        if (m_form) {
            m_form->end(status);
        } else {
            PostQuitMessage(status);
        }
    }

    void report(const std::string& title, const std::string& message) override {
        tellStandardError(message);
        // Modal to the game's window; its timers still tick meanwhile, to no one.
        MessageBoxW(m_form ? m_form->hwnd() : nullptr, widen(message).c_str(), widen(title).c_str(),
                    MB_OK | MB_ICONERROR);
    }

    // The keyboard's way to the window's controls: true if `msg` was taken.
    bool keyboard(MSG& msg) {
        if (m_form == nullptr) {
            return false;
        }
        HWND form = m_form->hwnd();
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB &&
            (msg.hwnd == form || IsChild(form, msg.hwnd)) && GetKeyState(VK_CONTROL) >= 0 &&
            GetKeyState(VK_MENU) >= 0) {
            // The form's focus order, not the stacking the dialog manager would follow.
            if (HWND next = m_form->nextFocus(GetFocus(), GetKeyState(VK_SHIFT) < 0)) {
                SendMessageW(form, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
                SetFocus(next);
            }
            return true;
        }
        return IsDialogMessageW(form, &msg) != FALSE;
    }

private:
    FormPeer* m_form = nullptr;
};

}  // namespace

}  // namespace win32

namespace runtime {

int start(const ProjectDescription& project) {
    // The system's own controls, in the look of the running Windows.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    win32::Win32Frontend frontend;
    Session session(frontend, project.name);
    std::unique_ptr<LoadedProgram> program;  // goes first, with its window
    try {
        program = project.startUp(session);
    } catch (const RuntimeError& error) {
        session.fail(error);
    }
    if (session.ended()) {  // before the loop, which would never see the end
        return session.exitStatus();
    }
    MSG msg{};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) {
            return kErrorExitStatus;
        }
        if (!frontend.keyboard(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return int(msg.wParam);
}

}  // namespace runtime
