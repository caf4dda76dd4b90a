#pragma once
// Pictures of windows as they are on screen, for comparing regions and keeping as BMP files.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct Rgb {
    int r = 0, g = 0, b = 0;
};

class Image {
public:
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;  // top-down, 0x00RRGGBB

    bool Valid() const { return Width > 0 && Height > 0; }
    Rgb At(int x, int y) const;
    // True when both images hold the same pixels in the rectangle.
    bool SameIn(const Image& other, const RECT& r) const;
    bool Save(const std::string& path) const;
};

// Copies what the window shows, frame included, from the window's own device context.
Image Capture(HWND window);

bool Near(const Rgb& a, const Rgb& b, int tolerance = 3);

}  // namespace host
