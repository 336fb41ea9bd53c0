/* Screenshots: the window's pixels copied into a DIB section and written
 * as PNG by the Windows Imaging Component. */
#define COBJMACROS
#include <wincodec.h>

#include "gallery.h"

/* 24-bit rows, each padded to four bytes as GDI lays them out. */
#define BYTES_PER_PIXEL 3
static UINT Stride(int width) {
    return (UINT)((width * BYTES_PER_PIXEL + 3) & ~3);
}

/* Top-down 24-bit copy of the window; the caller deletes the bitmap. */
static HBITMAP CopyWindowPixels(HWND window, int width, int height, void** bits) {
    BITMAPINFO info;
    HDC source, memory;
    HBITMAP bitmap;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    source = GetWindowDC(window);
    memory = CreateCompatibleDC(source);
    bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, bits, NULL, 0);
    if (bitmap != NULL) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        GdiFlush();
    }
    DeleteDC(memory);
    ReleaseDC(window, source);
    return bitmap;
}

static HRESULT EncodePng(IWICImagingFactory* factory, const WCHAR* path, int width, int height,
                         BYTE* pixels) {
    IWICStream* stream = NULL;
    IWICBitmapEncoder* encoder = NULL;
    IWICBitmapFrameEncode* frame = NULL;
    IPropertyBag2* options = NULL;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    HRESULT hr = IWICImagingFactory_CreateStream(factory, &stream);
    if (SUCCEEDED(hr))
        hr = IWICStream_InitializeFromFilename(stream, path, GENERIC_WRITE);
    if (SUCCEEDED(hr))
        hr = IWICImagingFactory_CreateEncoder(factory, &GUID_ContainerFormatPng, NULL, &encoder);
    if (SUCCEEDED(hr))
        hr = IWICBitmapEncoder_Initialize(encoder, (IStream*)stream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr))
        hr = IWICBitmapEncoder_CreateNewFrame(encoder, &frame, &options);
    if (SUCCEEDED(hr))
        hr = IWICBitmapFrameEncode_Initialize(frame, options);
    if (SUCCEEDED(hr))
        hr = IWICBitmapFrameEncode_SetSize(frame, (UINT)width, (UINT)height);
    if (SUCCEEDED(hr))
        hr = IWICBitmapFrameEncode_SetPixelFormat(frame, &format);
    /* An encoder that would convert the pixels is not what was asked for. */
    if (SUCCEEDED(hr) && !IsEqualGUID(&format, &GUID_WICPixelFormat24bppBGR))
        hr = E_FAIL;
    if (SUCCEEDED(hr))
        hr = IWICBitmapFrameEncode_WritePixels(frame, (UINT)height, Stride(width),
                                               Stride(width) * (UINT)height, pixels);
    if (SUCCEEDED(hr))
        hr = IWICBitmapFrameEncode_Commit(frame);
    if (SUCCEEDED(hr))
        hr = IWICBitmapEncoder_Commit(encoder);
    if (options != NULL)
        IPropertyBag2_Release(options);
    if (frame != NULL)
        IWICBitmapFrameEncode_Release(frame);
    if (encoder != NULL)
        IWICBitmapEncoder_Release(encoder);
    if (stream != NULL)
        IWICStream_Release(stream);
    return hr;
}

BOOL WriteWindowPng(HWND window, const char* path) {
    WCHAR widePath[MAX_PATH];
    IWICImagingFactory* factory = NULL;
    RECT frame;
    void* bits = NULL;
    HBITMAP bitmap;
    HRESULT hr, init;
    int width, height;

    if (!GetWindowRect(window, &frame) ||
        MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH) == 0) {
        return FALSE;
    }
    width = frame.right - frame.left;
    height = frame.bottom - frame.top;
    bitmap = CopyWindowPixels(window, width, height, &bits);
    if (bitmap == NULL) {
        return FALSE;
    }
    init = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    hr = CoCreateInstance(&CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                          &IID_IWICImagingFactory, (void**)&factory);
    if (SUCCEEDED(hr)) {
        hr = EncodePng(factory, widePath, width, height, (BYTE*)bits);
        IWICImagingFactory_Release(factory);
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    DeleteObject(bitmap);
    if (FAILED(hr)) {
        DeleteFileA(path);
    }
    return SUCCEEDED(hr);
}
