// Placeholder until the Cairo canvas lands.
#include "platform/canvas.h"

namespace platform {
struct Canvas::Impl {};
Canvas::Canvas(int width, int height, double) : impl_(new Impl), width_(width), height_(height) {}
Canvas::~Canvas() { delete impl_; }
void Canvas::Draw(const lesson::DrawOp&) {}
bool Canvas::WritePng(const std::string&) const { return false; }
const std::uint8_t* Canvas::Pixels() const { return nullptr; }
int Canvas::Stride() const { return 0; }
}  // namespace platform
