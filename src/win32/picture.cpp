// SPDX-FileCopyrightText: 2026 Klikoman developers
// SPDX-License-Identifier: MIT
//
// Decoding the picture with the Windows Imaging Component, and drawing it.
#include "picture.h"

// The codec's GUIDs defined here, the few used kept: the system's uuid
// library would bring in whole tables of them.
#include <initguid.h>
// (initguid.h first)
#include <wincodec.h>

namespace win32 {

namespace {

// Releases a COM interface when it goes out of scope.
template <class Interface>
struct Held {
    Interface* p = nullptr;
    ~Held() {
        if (p) {
            p->Release();
        }
    }
    Interface* operator->() const { return p; }
    Interface** out() { return &p; }
};

// The decoded picture as a top-down 32-bit bitmap, or null.
HBITMAP decode(std::span<const unsigned char> jpeg, SIZE& size) {
    using Create = HRESULT WINAPI(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    static auto* create = systemFunction<Create>(L"ole32.dll", "CoCreateInstance");
    if (!create || !enterApartment()) {
        return nullptr;
    }
    Held<IWICImagingFactory> factory;
    Held<IWICStream> stream;
    Held<IWICBitmapDecoder> decoder;
    Held<IWICBitmapFrameDecode> frame;
    Held<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                      __uuidof(IWICImagingFactory), reinterpret_cast<void**>(factory.out()))) ||
        FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(jpeg.data()), DWORD(jpeg.size()))) ||
        FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand,
                                                decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = LONG(width);
    info.bmiHeader.biHeight = -LONG(height);  // top-down, as the codec gives the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return nullptr;
    }
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                     static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    size = {LONG(width), LONG(height)};
    return bitmap;
}

}  // namespace

bool enterApartment() {
    static const bool entered = [] {
        using Initialize = HRESULT WINAPI(void*, DWORD);
        auto* initialize = systemFunction<Initialize>(L"ole32.dll", "CoInitializeEx");
        // One-threaded: every call comes on the window's thread, through its
        // message loop. Left at the end with the process.
        return initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }();
    return entered;
}

Picture::~Picture() {
    if (m_bitmap) {
        DeleteObject(m_bitmap);
    }
}

bool Picture::ensureDecoded() {
    if (!m_jpeg.empty()) {
        m_bitmap = decode(m_jpeg, m_size);
        m_jpeg = {};  // tried once, whatever came of it
        m_undecodable = m_bitmap == nullptr;
    }
    return m_bitmap != nullptr;
}

void Picture::draw(HDC dc, const RECT& to) const {
    if (m_bitmap == nullptr) {
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, m_bitmap);
    const int width = to.right - to.left;
    const int height = to.bottom - to.top;
    if (width == m_size.cx && height == m_size.cy) {
        BitBlt(dc, to.left, to.top, width, height, source, 0, 0, SRCCOPY);
    } else {
        // Another DPI: smoothed, as a photograph should be.
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, to.left, to.top, width, height, source, 0, 0, m_size.cx, m_size.cy, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace win32
