// The prompt's pictures as the build draws them: sizes, depths, the window frame and the pattern
// of the column that is stretched over the text area.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Rgb = std::array<int, 3>;

const Rgb kBlack{0, 0, 0};
const Rgb kFrameGrey{204, 204, 204};

// A bottom-up BMP of 8 bits (with palette) or 24 bits per pixel.
struct Bmp {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<unsigned char> file;

    explicit Bmp(const std::string& name) {
        std::ifstream in(std::string(PINVIEW_BITMAP_DIR) + "/" + name, std::ios::binary);
        file.assign(std::istreambuf_iterator<char>(in), {});
        if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return;
        width = static_cast<int>(u32(18));
        height = static_cast<int>(u32(22));
        bitsPerPixel = file[28] | file[29] << 8;
    }

    std::uint32_t u32(std::size_t at) const {
        return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | static_cast<std::uint32_t>(file[at + 3]) << 24;
    }

    Rgb pixel(int x, int y) const {
        const std::size_t rowSize = (static_cast<std::size_t>(width) * bitsPerPixel / 8 + 3) & ~std::size_t{3};
        const std::size_t row = u32(10) + rowSize * static_cast<std::size_t>(height - 1 - y);
        if (bitsPerPixel == 24) {
            const std::size_t at = row + 3 * static_cast<std::size_t>(x);
            return {file[at + 2], file[at + 1], file[at]};
        }
        const std::size_t entry = 14 + u32(14) + 4 * std::size_t{file[row + x]};
        return {file[entry + 2], file[entry + 1], file[entry]};
    }
};

// The stretched pattern: black and grey at the top, two blues, black at the bottom.
void expectPatternColumn(const Bmp& bmp, int x, const Rgb& blue, const Rgb& darkBlue) {
    for (int y = 0; y < 177; ++y) {
        const Rgb expected = y == 0 ? kBlack : y == 1 ? kFrameGrey : y <= 121 ? blue : y <= 174 ? darkBlue : kBlack;
        ASSERT_EQ(expected, bmp.pixel(x, y)) << "x " << x << " y " << y;
    }
}

TEST(PinviewBitmaps, LeftPictureCarriesTheFrameAndTheStretchColumn) {
    const Bmp left("bg_left.bmp");
    ASSERT_EQ(167, left.width);
    ASSERT_EQ(177, left.height);
    ASSERT_EQ(8, left.bitsPerPixel);
    for (int y = 0; y < 177; ++y) EXPECT_EQ(kBlack, left.pixel(0, y)) << y;
    for (int y = 1; y < 175; ++y) EXPECT_EQ(kFrameGrey, left.pixel(1, y)) << y;
    for (int x = 0; x < 167; ++x) {
        EXPECT_EQ(kBlack, left.pixel(x, 0)) << x;
        EXPECT_EQ(kBlack, left.pixel(x, 175)) << x;
        EXPECT_EQ(kBlack, left.pixel(x, 176)) << x;
        if (x >= 1) {
            EXPECT_EQ(kFrameGrey, left.pixel(x, 1)) << x;
        }
    }
    expectPatternColumn(left, 166, {99, 126, 196}, {88, 112, 174});

    // A real drawing, not a plain background.
    std::set<Rgb> colours;
    for (int y = 2; y < 175; ++y)
        for (int x = 2; x < 166; ++x) colours.insert(left.pixel(x, y));
    EXPECT_GT(colours.size(), 10u);
}

TEST(PinviewBitmaps, RightEdgeRepeatsThePatternAndClosesTheFrame) {
    const Bmp right("bg_right.bmp");
    ASSERT_EQ(4, right.width);
    ASSERT_EQ(177, right.height);
    ASSERT_EQ(24, right.bitsPerPixel);
    for (int x : {0, 1}) expectPatternColumn(right, x, {100, 127, 197}, {89, 113, 175});
    for (int x : {2, 3})
        for (int y = 0; y < 177; ++y) ASSERT_EQ(kBlack, right.pixel(x, y)) << x << " " << y;
}

TEST(PinviewBitmaps, ButtonStripHoldsSixLooksAndTheFocusTile) {
    const Bmp strip("button.bmp");
    ASSERT_EQ(98, strip.width);
    ASSERT_EQ(25, strip.height);
    ASSERT_EQ(24, strip.bitsPerPixel);

    // The focus tile repeats into the focused look's right cap, whose first two columns match it.
    for (int y = 0; y < 25; ++y)
        for (int dx = 0; dx < 2; ++dx) ASSERT_EQ(strip.pixel(40 + dx, y), strip.pixel(96 + dx, y)) << dx << " " << y;

    // Every look's middle column (the right cap's first) differs from every other's.
    std::set<std::vector<Rgb>> middles;
    for (int look = 0; look < 6; ++look) {
        std::vector<Rgb> column;
        for (int y = 0; y < 25; ++y) column.push_back(strip.pixel(16 * look + 8, y));
        middles.insert(column);
    }
    EXPECT_EQ(6u, middles.size());
}

}  // namespace
