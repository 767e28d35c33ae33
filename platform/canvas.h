// The picture of the drawing plane, drawn with Cairo.
//
// Both runtimes draw through this one class, so the window and the headless
// PNGs show the same picture. The logical plane (0,0)-(1440,720) is scaled
// uniformly by `scale` into a surface of width x height device pixels and
// centred; the rest shows the background colour 15.
#pragma once

#include <cstdint>
#include <string>

#include "lessonlib/shell/runtime.h"

namespace platform {

class Canvas {
public:
    static constexpr int kPlaneWidth = 1440;
    static constexpr int kPlaneHeight = 720;

    Canvas(int width, int height, double scale);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Draw(const lesson::DrawOp& op);
    bool WritePng(const std::string& path) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixels as 32-bit 0xAARRGGBB words, `Stride()` bytes a row.
    const std::uint8_t* Pixels() const;
    int Stride() const;

private:
    struct Impl;
    Impl* impl_;
    int width_, height_;
};

}  // namespace platform
