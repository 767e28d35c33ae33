// The picture of the drawing plane, drawn with Cairo.
//
// Both runtimes draw through this one class, so the window and the headless
// PNGs show the same picture. The logical plane (0,0)-(1440,720) is scaled
// uniformly by `scale` into a surface of width x height device pixels and
// centred; the rest shows the background colour 15.
//
// Shapes are anti-aliased, but every line drawn in colour 15 is drawn
// without anti-aliasing and one device pixel wider on each side: the
// programs erase a shape by drawing it again in the background colour, and
// that must cover the anti-aliased fringe of the first drawing completely.
#pragma once

#include <cstdint>
#include <string>

#include "lessonlib/shell/runtime.h"

namespace platform {

// A rectangle of device pixels, x0 <= x < x1 and y0 <= y < y1.
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool Empty() const { return x1 <= x0 || y1 <= y0; }
    // The smallest rectangle holding both.
    void Add(const PixelRect& other);
};

class Canvas {
public:
    static constexpr int kPlaneWidth = 1440;
    static constexpr int kPlaneHeight = 720;

    Canvas(int width, int height, double scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Draws the operation and returns the pixels it may have changed; an
    // operation wholly outside the plane (the measuring row) is skipped and
    // returns an empty rectangle.
    PixelRect Draw(const lesson::DrawOp& op);
    bool WritePng(const std::string& path) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixels as 32-bit 0xAARRGGBB words, `Stride()` bytes a row.
    const std::uint8_t* Pixels() const;
    int Stride() const;
    // The device pixels showing the plane.
    PixelRect PlaneRect() const;

private:
    struct Impl;
    Impl* impl_;
    int width_, height_;
};

}  // namespace platform
