// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// The accessible objects of the window and its controls.
#include "accessible.h"

#include "peers.h"
#include "picture.h"

namespace win32 {

namespace {

// oleaut32's and oleacc's calls, loaded when a reader first asks.
BSTR allocString(const std::wstring& text) {
    static auto* alloc =
        systemFunction<BSTR WINAPI(const OLECHAR*, UINT)>(L"oleaut32.dll", "SysAllocStringLen");
    return alloc ? alloc(text.data(), UINT(text.size())) : nullptr;
}

HRESULT give(const std::wstring& text, BSTR* out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = allocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

// oleaut32's VariantInit, without loading oleaut32 for it.
void clear(VARIANT* v) {
    *v = VARIANT{};
    v->vt = VT_EMPTY;
}

void setI4(VARIANT* v, long value) {
    clear(v);
    v->vt = VT_I4;
    v->lVal = value;
}

void setDispatch(VARIANT* v, IDispatch* object) {
    clear(v);
    v->vt = VT_DISPATCH;
    v->pdispVal = object;
}

}  // namespace

// IUnknown and IDispatch

HRESULT Accessible::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Accessible::AddRef() {
    return ULONG(++m_references);
}

ULONG Accessible::Release() {
    const LONG left = --m_references;
    if (left == 0) {
        delete this;
    }
    return ULONG(left);
}

HRESULT Accessible::GetTypeInfoCount(UINT* count) {
    if (count) {
        *count = 0;
    }
    return E_NOTIMPL;
}
HRESULT Accessible::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}
HRESULT Accessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}
HRESULT Accessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// The answer to WM_GETOBJECT, and the end

LRESULT Accessible::answer(WPARAM wParam) {
    using FromObject = LRESULT WINAPI(REFIID, WPARAM, IUnknown*);
    static auto* fromObject = systemFunction<FromObject>(L"oleacc.dll", "LresultFromObject");
    if (!fromObject || !enterApartment()) {
        return 0;
    }
    return fromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(this));
}

void markLiveRegion(HWND window) {
    // oleacc's annotation of a window's object, the one way a program on
    // Active Accessibility sets a UI Automation property (Windows 7 on).
    static constexpr GUID kServices{
        0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    static constexpr GUID kServicesInterface{
        0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    static constexpr GUID kLiveSetting{
        0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    constexpr long kPolite = 1;
    using Create = HRESULT WINAPI(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    static auto* create = systemFunction<Create>(L"ole32.dll", "CoCreateInstance");
    IAccPropServices* services = nullptr;
    if (!create || !enterApartment() ||
        FAILED(create(kServices, nullptr, CLSCTX_INPROC_SERVER, kServicesInterface,
                      reinterpret_cast<void**>(&services)))) {
        return;
    }
    VARIANT polite;
    setI4(&polite, kPolite);
    services->SetHwndProp(window, DWORD(OBJID_CLIENT), CHILDID_SELF, kLiveSetting, polite);
    services->Release();
}

void Accessible::detach() {
    m_form = nullptr;
    m_control = nullptr;
    // References a reader still holds in another process are cut.
    using Disconnect = HRESULT WINAPI(IUnknown*, DWORD);
    if (auto* disconnect = systemFunction<Disconnect>(L"ole32.dll", "CoDisconnectObject")) {
        disconnect(static_cast<IAccessible*>(this), 0);
    }
    Release();
}

Accessible* Accessible::target(const VARIANT& child) const {
    if (child.vt != VT_I4 || !attached()) {
        return nullptr;
    }
    if (child.lVal == CHILDID_SELF) {
        return const_cast<Accessible*>(this);
    }
    return child.lVal > 0 && child.lVal <= childCount() ? this->child(child.lVal) : nullptr;
}

// IAccessible

HRESULT Accessible::get_accParent(IDispatch** out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = attached() ? parent() : nullptr;
    return *out ? S_OK : S_FALSE;
}

HRESULT Accessible::get_accChildCount(long* count) {
    if (count == nullptr) {
        return E_INVALIDARG;
    }
    *count = attached() ? childCount() : 0;
    return S_OK;
}

HRESULT Accessible::get_accChild(VARIANT id, IDispatch** out) {
    if (out == nullptr) {
        return E_INVALIDARG;
    }
    *out = nullptr;
    Accessible* object = target(id);
    if (object == nullptr || object == this) {
        return E_INVALIDARG;
    }
    object->AddRef();
    *out = object;
    return S_OK;
}

HRESULT Accessible::get_accName(VARIANT id, BSTR* out) {
    Accessible* object = target(id);
    return object ? give(object->name(), out) : E_INVALIDARG;
}

HRESULT Accessible::get_accValue(VARIANT id, BSTR* out) {
    return target(id) ? give({}, out) : E_INVALIDARG;
}

HRESULT Accessible::get_accDescription(VARIANT id, BSTR* out) {
    Accessible* object = target(id);
    return object ? give(object->description(), out) : E_INVALIDARG;
}

HRESULT Accessible::get_accRole(VARIANT id, VARIANT* out) {
    Accessible* object = target(id);
    if (object == nullptr || out == nullptr) {
        return E_INVALIDARG;
    }
    setI4(out, object->role());
    return S_OK;
}

HRESULT Accessible::get_accState(VARIANT id, VARIANT* out) {
    Accessible* object = target(id);
    if (object == nullptr || out == nullptr) {
        return E_INVALIDARG;
    }
    setI4(out, object->state());
    return S_OK;
}

HRESULT Accessible::get_accHelp(VARIANT id, BSTR* out) {
    return target(id) ? give({}, out) : E_INVALIDARG;
}

HRESULT Accessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file) {
        *file = nullptr;
    }
    if (topic) {
        *topic = -1;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::get_accKeyboardShortcut(VARIANT id, BSTR* out) {
    return target(id) ? give({}, out) : E_INVALIDARG;
}

HRESULT Accessible::get_accFocus(VARIANT* out) {
    if (out == nullptr || !attached()) {
        return E_INVALIDARG;
    }
    clear(out);
    Accessible* focused = focus();
    if (focused == this) {
        setI4(out, CHILDID_SELF);
    } else if (focused) {
        focused->AddRef();
        setDispatch(out, focused);
    }
    return focused ? S_OK : S_FALSE;
}

HRESULT Accessible::get_accSelection(VARIANT* out) {
    if (out) {
        clear(out);
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::get_accDefaultAction(VARIANT id, BSTR* out) {
    Accessible* object = target(id);
    if (object == nullptr) {
        return E_INVALIDARG;
    }
    return give(object->role() == ROLE_SYSTEM_PUSHBUTTON ? L"Stisknout" : L"", out);
}

HRESULT Accessible::accSelect(long, VARIANT) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::accLocation(long* left, long* top, long* width, long* height, VARIANT id) {
    Accessible* object = target(id);
    if (object == nullptr || !left || !top || !width || !height) {
        return E_INVALIDARG;
    }
    RECT r = object->clientRect();
    MapWindowPoints(formPeer().hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT Accessible::accNavigate(long, VARIANT, VARIANT* end) {
    if (end) {
        clear(end);
    }
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::accHitTest(long x, long y, VARIANT* out) {
    if (out == nullptr || !attached()) {
        return E_INVALIDARG;
    }
    clear(out);
    POINT at{x, y};
    ScreenToClient(formPeer().hwnd(), &at);
    const RECT mine = clientRect();
    if (!PtInRect(&mine, at)) {
        return S_FALSE;
    }
    if (Accessible* child = childAt(at)) {
        child->AddRef();
        setDispatch(out, child);
    } else {
        setI4(out, CHILDID_SELF);
    }
    return S_OK;
}

HRESULT Accessible::accDoDefaultAction(VARIANT id) {
    Accessible* object = target(id);
    if (object == nullptr) {
        return E_INVALIDARG;
    }
    return object->press() ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::put_accName(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT Accessible::put_accValue(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

}  // namespace win32
