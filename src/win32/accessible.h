// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// What a screen reader finds of the window through Microsoft Active
// Accessibility, read from the runtime's controls. The window's client area
// lists the controls a reader may know of in reading order (top to bottom,
// then left to right, as a sighted player reads them, where the form asks
// for it; else as they are stacked), each with the role and name its
// control gives; a label's and a button's own window answer a reader with
// the same object, so that the events those windows raise name the same
// thing. The windowless picture is a child of the client area. Nothing of a
// control hidden from readers is there. The objects are made only when a
// reader first asks, and stop answering once their control has gone.
#pragma once

#include <oleacc.h>

#include "system.h"

namespace win32 {

class ControlPeer;
class FormPeer;

// The accessible object of the window's client area, or of one of its
// controls. One class for both: the questions differ little, and each class
// of COM object costs the program a table of 28 methods.
class Accessible final : public IAccessible {
public:
    explicit Accessible(FormPeer& form) : m_form(&form) {}
    explicit Accessible(ControlPeer& control) : m_control(&control) {}
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

    // The object's answer to WM_GETOBJECT for its window's client area.
    LRESULT answer(WPARAM wParam);
    // Its control or window has gone: it answers no more.
    void detach();

private:
    ~Accessible() = default;

    // What a reader is told (readerview.cpp).
    bool attached() const { return m_form || m_control; }
    FormPeer& formPeer() const;
    long role() const;
    std::wstring name() const;
    std::wstring description() const;
    long state() const;
    RECT clientRect() const;  // in the window's client pixels
    IDispatch* parent() const;
    long childCount() const;
    Accessible* child(long index) const;  // from 1
    Accessible* childAt(POINT client) const;
    Accessible* focus() const;  // the child with the keyboard focus; this if it is the window
    bool press();               // the default action; false if none
    // The object a child id names: this one, or a child; null if none.
    Accessible* target(const VARIANT& child) const;

    FormPeer* m_form = nullptr;        // the window's client area, or
    ControlPeer* m_control = nullptr;  // a control
    LONG m_references = 1;
};

// Marks a window's client as a live region that UI Automation's readers read
// politely, whole, as it changes; the window raises the event itself.
void markLiveRegion(HWND window);

}  // namespace win32
