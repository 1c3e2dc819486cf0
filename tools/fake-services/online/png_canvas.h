#pragma once
// A small RGB canvas that the fake map draws on, written out as a PNG file (zlib for the compression and
// the checksums). Enough for lines, boxes and a few words of text; nothing of it reaches the program.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::fake {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Drawing clips to the canvas.
    void FillRect(int x, int y, int width, int height, Rgb colour);
    // Text in a 5 x 7 pixel font, each pixel `scale` pixels wide; letters, digits and ".,-=:_" (others
    // show as a box).
    void DrawText(int x, int y, std::string_view text, int scale, Rgb colour);
    // The width that DrawText needs for `text`.
    static int TextWidth(std::string_view text, int scale);

    // The canvas as a PNG file (8-bit RGB, not interlaced).
    std::string EncodePng() const;

private:
    void DrawGlyph(int x, int y, char c, int scale, Rgb colour);

    int width_;
    int height_;
    std::vector<uint8_t> pixels_; // RGB rows, top first
};

} // namespace kvilo::fake
