#include "tools/driver/window_capture.h"

#include <wincodec.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <vector>

namespace {

// The window's pixels, bottom-up BGR rows padded to four bytes.
struct WindowPixels {
    int width = 0, height = 0, rowSize = 0;
    std::vector<unsigned char> bits;
};

bool ReadWindowPixels(HWND window, WindowPixels* pixels) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    if (copied) {
        pixels->width = width;
        pixels->height = height;
        pixels->rowSize = (width * 3 + 3) & ~3;
        const auto* first = static_cast<const unsigned char*>(bits);
        pixels->bits.assign(first, first + pixels->rowSize * height);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied != 0;
}

bool WriteBmp(const WindowPixels& p, const std::string& path) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = p.width;
    header.biHeight = p.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(p.bits.size());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(p.bits.data()), static_cast<std::streamsize>(p.bits.size()));
    return static_cast<bool>(out);
}

// PNG through the system's imaging component (Wine's writes it with
// libpng), top row first.
bool WritePng(const WindowPixels& p, const std::string& path) {
    bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    IPropertyBag2* options = nullptr;
    std::vector<unsigned char> topDown(p.bits.size());
    for (int y = 0; y < p.height; ++y)
        std::copy_n(p.bits.begin() + (p.height - 1 - y) * p.rowSize, p.rowSize, topDown.begin() + y * p.rowSize);
    int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring widePath(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &widePath[0], wideLength);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
              SUCCEEDED(factory->CreateStream(&stream)) &&
              SUCCEEDED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) &&
              SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
              SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(&frame, &options)) && SUCCEEDED(frame->Initialize(options)) &&
              SUCCEEDED(frame->SetSize(static_cast<UINT>(p.width), static_cast<UINT>(p.height))) &&
              SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
              SUCCEEDED(frame->WritePixels(static_cast<UINT>(p.height), static_cast<UINT>(p.rowSize),
                                           static_cast<UINT>(topDown.size()), topDown.data())) &&
              SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object : std::initializer_list<IUnknown*>{options, frame, encoder, stream, factory})
        if (object) object->Release();
    if (comStarted) CoUninitialize();
    return ok;
}

}  // namespace

bool CaptureWindow(HWND window, const std::string& path) {
    WindowPixels pixels;
    if (!ReadWindowPixels(window, &pixels)) return false;
    bool png = path.size() > 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".png") == 0;
    return png ? WritePng(pixels, path) : WriteBmp(pixels, path);
}
