// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// A screen reader's view of the game's window, through Microsoft Active
// Accessibility from another process, as a reader gets it: the window is
// found by its class and title, its client area's accessible object is
// asked for its children, and each child's role and name are printed, one
// "ROLE<TAB>name" line each in UTF-8, in the order the window gives them
// (the role by the name of its ROLE_SYSTEM_ constant, without the prefix:
// STATICTEXT, PUSHBUTTON, GRAPHIC, ALERT). --states adds a third column
// with the states a reader would tell (invisible, unavailable, focused).
// --events MS then listens that long for the window's accessibility events
// and prints "event<TAB>EVENT<TAB>ROLE<TAB>name" for each one of them.
// Exit status: 0, or 1 (no window), 2 (no accessible object), 3 (no children).
// Usage: klikoman-reader [--states] [--events MS] [--wait MS] [TITLE]
#include <oleacc.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

void print(const std::wstring& line) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string bytes(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), bytes.data(), n, nullptr,
                        nullptr);
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), DWORD(bytes.size()), &written,
              nullptr);
}

std::wstring roleName(long role) {
    switch (role) {
        case ROLE_SYSTEM_STATICTEXT:
            return L"STATICTEXT";
        case ROLE_SYSTEM_PUSHBUTTON:
            return L"PUSHBUTTON";
        case ROLE_SYSTEM_GRAPHIC:
            return L"GRAPHIC";
        case ROLE_SYSTEM_ALERT:
            return L"ALERT";
        case ROLE_SYSTEM_CLIENT:
            return L"CLIENT";
        case ROLE_SYSTEM_WINDOW:
            return L"WINDOW";
        default:
            return std::to_wstring(role);
    }
}

std::wstring stateNames(long state) {
    std::wstring names;
    const std::pair<long, const wchar_t*> known[] = {{STATE_SYSTEM_INVISIBLE, L"invisible"},
                                                     {STATE_SYSTEM_UNAVAILABLE, L"unavailable"},
                                                     {STATE_SYSTEM_FOCUSED, L"focused"},
                                                     {STATE_SYSTEM_FOCUSABLE, L"focusable"},
                                                     {STATE_SYSTEM_READONLY, L"readonly"}};
    for (const auto& [bit, name] : known) {
        if (state & bit) {
            names += (names.empty() ? L"" : L" ") + std::wstring(name);
        }
    }
    return names;
}

// "ROLE<TAB>name", and the states, of an object or of its simple child `id`.
std::wstring describe(IAccessible* object, long id, bool states) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    VARIANT role{}, state{};
    BSTR name = nullptr;
    object->get_accRole(child, &role);
    object->get_accName(child, &name);
    std::wstring line = (role.vt == VT_I4 ? roleName(role.lVal) : L"?") + L"\t" +
                        (name ? std::wstring(name, SysStringLen(name)) : L"");
    SysFreeString(name);
    if (states && SUCCEEDED(object->get_accState(child, &state)) && state.vt == VT_I4) {
        line += L"\t" + stateNames(state.lVal);
    }
    return line;
}

bool g_states = false;
DWORD g_game = 0;  // the game's process

void CALLBACK heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    const wchar_t* name = event == EVENT_OBJECT_SHOW                ? L"SHOW"
                          : event == EVENT_OBJECT_HIDE              ? L"HIDE"
                          : event == EVENT_OBJECT_NAMECHANGE        ? L"NAMECHANGE"
                          : event == EVENT_SYSTEM_ALERT             ? L"ALERT"
                          : event == EVENT_OBJECT_FOCUS             ? L"FOCUS"
                          : event == EVENT_OBJECT_STATECHANGE       ? L"STATECHANGE"
                          : event == EVENT_OBJECT_LIVEREGIONCHANGED ? L"LIVEREGION"
                                                                    : nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (name == nullptr || process != g_game) {
        return;
    }
    IAccessible* source = nullptr;
    VARIANT id{};
    std::wstring what = L"?";
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, DWORD(object), DWORD(child), &source, &id)) &&
        source) {
        what = describe(source, id.vt == VT_I4 ? id.lVal : CHILDID_SELF, g_states);
        source->Release();
    }
    print(std::wstring(L"event\t") + name + L"\t" + what);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring title = L"Klikoman";
    DWORD wait = 10000, events = 0;
    for (int i = 1; i < argc; ++i) {
        const std::wstring a = argv[i];
        if (a == L"--states") {
            g_states = true;
        } else if (a == L"--events" && i + 1 < argc) {
            events = DWORD(_wtoi(argv[++i]));
        } else if (a == L"--wait" && i + 1 < argc) {
            wait = DWORD(_wtoi(argv[++i]));
        } else {
            title = a;
        }
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HWND window = nullptr;
    for (DWORD waited = 0; !(window = FindWindowW(L"KlikomanForm", title.c_str())) && waited < wait;
         waited += 50) {
        Sleep(50);
    }
    if (window == nullptr) {
        return 1;
    }
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client))) ||
        client == nullptr) {
        return 2;
    }
    long count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(std::size_t(count > 0 ? count : 0));
    long got = 0;
    if (count <= 0 || FAILED(AccessibleChildren(client, 0, count, children.data(), &got))) {
        return 3;
    }
    for (long i = 0; i < got; ++i) {
        VARIANT& c = children[std::size_t(i)];
        IAccessible* child = nullptr;
        if (c.vt == VT_DISPATCH && c.pdispVal &&
            SUCCEEDED(c.pdispVal->QueryInterface(__uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&child)))) {
            print(describe(child, CHILDID_SELF, g_states));
            child->Release();
        } else if (c.vt == VT_I4) {
            print(describe(client, c.lVal, g_states));
        }
        VariantClear(&c);
    }
    client->Release();
    if (events > 0) {
        GetWindowThreadProcessId(window, &g_game);
        // Every process's events, sorted out here: Wine 8 delivers none to a
        // hook that names the process.
        HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, heard, 0, 0,
                                             WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        print(hook ? L"listening" : L"no event hook");
        const DWORD until = GetTickCount() + events;
        MSG msg;
        while (GetTickCount() < until) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, until - GetTickCount(), QS_ALLINPUT);
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&msg);
            }
        }
        if (hook) {
            UnhookWinEvent(hook);
        }
    }
    CoUninitialize();
    return 0;
}
