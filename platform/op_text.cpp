#include "platform/op_text.h"

#include <charconv>
#include <string_view>

namespace platform {

std::string FormatNumber(float v) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

namespace {

// The line is built by appending blank-separated fields to one string.
void Field(std::string& out, std::string_view field) {
    out += ' ';
    out += field;
}

void Field(std::string& out, int value) { Field(out, std::to_string(value)); }
void Field(std::string& out, float value) { Field(out, FormatNumber(value)); }
void Flag(std::string& out, bool value) { Field(out, value ? "1" : "0"); }

void AddPoints(std::string& out, const lesson::DrawOp& op, bool withCount) {
    if (withCount) Field(out, std::to_string(op.points.size()));
    for (const lesson::Point& p : op.points) {
        Field(out, p.x);
        Field(out, p.y);
    }
}

void AddQuoted(std::string& out, const lesson::Text& t) {
    out += " \"";
    for (char c : t.Utf8()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

}  // namespace

std::string FormatOp(const lesson::DrawOp& op) {
    using K = lesson::DrawOp::Kind;
    std::string out;
    switch (op.kind) {
        case K::Clear:
            out = "clear";
            return out;
        case K::Line:
        case K::Box:
            out = op.kind == K::Line ? "line" : "box";
            AddPoints(out, op, false);
            Field(out, op.colour);
            break;
        case K::FilledBox:
            out = "fbox";
            AddPoints(out, op, false);
            Field(out, op.colour);
            Field(out, op.fill);
            break;
        case K::Circle:
            out = "circle";
            AddPoints(out, op, false);
            Field(out, op.radius);
            Field(out, op.colour);
            Field(out, op.aspect);
            Field(out, op.start);
            Field(out, op.end);
            Flag(out, op.sector);
            Flag(out, op.filled);
            Field(out, op.fill);
            break;
        case K::Polyline:
            out = "polyline";
            Field(out, op.colour);
            Field(out, op.lineWidth);
            AddPoints(out, op, true);
            return out;
        case K::Polygon:
            out = "polygon";
            Field(out, op.colour);
            Field(out, op.fill);
            Field(out, op.lineWidth);
            AddPoints(out, op, true);
            return out;
        case K::Text:
            out = "text";
            Field(out, op.points[0].x);
            Field(out, op.points[0].y);
            Field(out, op.hscale);
            Field(out, op.vscale);
            Field(out, op.colour);
            AddQuoted(out, op.text);
            return out;
    }
    // Lines, boxes and circles end with the line width.
    Field(out, op.lineWidth);
    return out;
}

}  // namespace platform
