#include "platform/op_text.h"

#include <charconv>

namespace platform {

std::string FormatNumber(float v) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

namespace {

void AddPoints(std::string& out, const lesson::DrawOp& op, bool withCount) {
    if (withCount) out += " " + std::to_string(op.points.size());
    for (const lesson::Point& p : op.points) out += " " + FormatNumber(p.x) + " " + FormatNumber(p.y);
}

std::string Quoted(const lesson::Text& t) {
    std::string out = "\"";
    for (char c : t.Utf8()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string FormatOp(const lesson::DrawOp& op) {
    using K = lesson::DrawOp::Kind;
    const std::string w = " " + std::to_string(op.lineWidth);
    std::string out;
    switch (op.kind) {
        case K::Clear:
            return "clear";
        case K::Line:
            out = "line";
            AddPoints(out, op, false);
            return out + " " + std::to_string(op.colour) + w;
        case K::Box:
            out = "box";
            AddPoints(out, op, false);
            return out + " " + std::to_string(op.colour) + w;
        case K::FilledBox:
            out = "fbox";
            AddPoints(out, op, false);
            return out + " " + std::to_string(op.colour) + " " + std::to_string(op.fill) + w;
        case K::Circle:
            out = "circle";
            AddPoints(out, op, false);
            return out + " " + FormatNumber(op.radius) + " " + std::to_string(op.colour) + " " +
                   FormatNumber(op.aspect) + " " + FormatNumber(op.start) + " " +
                   FormatNumber(op.end) + " " + (op.sector ? "1" : "0") + " " +
                   (op.filled ? "1" : "0") + " " + std::to_string(op.fill) + w;
        case K::Polyline:
            out = "polyline " + std::to_string(op.colour) + w;
            AddPoints(out, op, true);
            return out;
        case K::Polygon:
            out = "polygon " + std::to_string(op.colour) + " " + std::to_string(op.fill) + w;
            AddPoints(out, op, true);
            return out;
        case K::Text:
            return "text " + FormatNumber(op.points[0].x) + " " + FormatNumber(op.points[0].y) + " " +
                   std::to_string(op.hscale) + " " + std::to_string(op.vscale) + " " +
                   std::to_string(op.colour) + " " + Quoted(op.text);
    }
    return out;
}

}  // namespace platform
