#include "HostCapture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace host {

Rgb Image::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return {-1, -1, -1};
    const std::uint32_t p = Pixels[static_cast<std::size_t>(y) * Width + x];
    return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

bool Image::SameIn(const Image& other, const RECT& r) const {
    if (Width != other.Width || Height != other.Height) return false;
    for (int y = r.top; y < r.bottom && y < Height; ++y)
        for (int x = r.left; x < r.right && x < Width; ++x)
            if (Pixels[static_cast<std::size_t>(y) * Width + x] != other.Pixels[static_cast<std::size_t>(y) * Width + x])
                return false;
    return true;
}

bool Image::Save(const std::string& path) const {
    if (!Valid()) return false;
    const int rowSize = (Width * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(rowSize) * Height;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + dataSize;
    info.biSize = sizeof info;
    info.biWidth = Width;
    info.biHeight = Height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = dataSize;
    std::vector<unsigned char> data(dataSize, 0);
    for (int y = 0; y < Height; ++y) {
        unsigned char* row = data.data() + static_cast<std::size_t>(Height - 1 - y) * rowSize;
        for (int x = 0; x < Width; ++x) {
            const Rgb p = At(x, y);
            row[3 * x] = static_cast<unsigned char>(p.b);
            row[3 * x + 1] = static_cast<unsigned char>(p.g);
            row[3 * x + 2] = static_cast<unsigned char>(p.r);
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(data.data(), 1, data.size(), out) == data.size();
    return std::fclose(out) == 0 && written;
}

Image Capture(HWND window) {
    Image image;
    RECT bounds{};
    if (!GetWindowRect(window, &bounds)) return image;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) return image;
    HDC source = GetWindowDC(window);
    if (!source) return image;
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = memory ? CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (dib && bits) {
        HGDIOBJ previous = SelectObject(memory, dib);
        if (BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY)) {
            GdiFlush();
            image.Width = width;
            image.Height = height;
            image.Pixels.resize(static_cast<std::size_t>(width) * height);
            std::memcpy(image.Pixels.data(), bits, image.Pixels.size() * 4);
            for (auto& p : image.Pixels) p &= 0x00FFFFFF;
        }
        SelectObject(memory, previous);
    }
    if (dib) DeleteObject(dib);
    if (memory) DeleteDC(memory);
    ReleaseDC(window, source);
    return image;
}

bool Near(const Rgb& a, const Rgb& b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

}  // namespace host
