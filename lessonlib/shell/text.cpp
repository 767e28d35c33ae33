#include "lessonlib/shell/text.h"

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

// Decodes UTF-8; a malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) { c = b; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
        else { out.push_back(0xFFFD); ++i; continue; }
        if (i + static_cast<std::size_t>(extra) >= s.size()) {  // truncated sequence
            out.push_back(0xFFFD);
            break;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((t & 0xC0) != 0x80) { ok = false; break; }
            c = (c << 6) | (t & 0x3F);
        }
        if (!ok) { out.push_back(0xFFFD); ++i; continue; }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// A count argument: whole, not negative.
std::size_t Count(double n, std::source_location loc) {
    const std::int32_t v = WholeNumber(n, loc);
    if (v < 0) Fail(ErrorCode::IllegalValue, loc);
    return static_cast<std::size_t>(v);
}

// A position argument: whole, at least 1.
std::size_t Position(double n, std::source_location loc) {
    const std::int32_t v = WholeNumber(n, loc);
    if (v < 1) Fail(ErrorCode::IllegalValue, loc);
    return static_cast<std::size_t>(v);
}

// Index of the first character whose first byte lies at or after byte
// position `pos` (1-based); Size() when none does.
std::size_t CharAtOrAfterByte(const Text& t, std::size_t pos) {
    std::size_t byte = 1;
    for (std::size_t i = 0; i < t.Size(); ++i) {
        if (byte >= pos) return i;
        byte += static_cast<std::size_t>(ByteWidth(t.At(i)));
    }
    return t.Size();
}

}  // namespace

Text::Text(std::string_view utf8) : chars_(DecodeUtf8(utf8)) {}

int ByteWidth(char32_t c) {
    return (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
}

std::string ToUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string Text::Utf8() const {
    std::string out;
    out.reserve(chars_.size());
    for (char32_t c : chars_) out += ToUtf8(c);
    return out;
}

std::size_t Text::ByteSize() const {
    std::size_t n = 0;
    for (char32_t c : chars_) n += static_cast<std::size_t>(ByteWidth(c));
    return n;
}

Text CharText(char32_t code) { return Text::FromChar(code); }

int CountChars(const Text& t) { return static_cast<int>(t.Size()); }

Text FirstChars(const Text& t, double n, std::source_location loc) {
    const std::size_t k = Count(n, loc);
    return Text(t.Chars().substr(0, k));
}

Text LastChars(const Text& t, double n, std::source_location loc) {
    const std::size_t k = Count(n, loc);
    if (k >= t.Size()) return t;
    return Text(t.Chars().substr(t.Size() - k));
}

Text MidChars(const Text& t, double start, double length, std::source_location loc) {
    const std::size_t s = Position(start, loc);
    if (s > t.Size()) return Text();
    if (length < 0) return Text(t.Chars().substr(s - 1));
    return Text(t.Chars().substr(s - 1, Count(length, loc)));
}

int FindChars(const Text& t, const Text& sub, double start, std::source_location loc) {
    const std::size_t s = Position(start, loc);
    if (s > t.Size() + 1) return 0;
    const auto at = t.Chars().find(sub.Chars(), s - 1);
    return at == std::u32string::npos ? 0 : static_cast<int>(at) + 1;
}

int CountBytes(const Text& t) { return static_cast<int>(t.ByteSize()); }

Text FirstBytes(const Text& t, double n, std::source_location loc) {
    const std::size_t k = Count(n, loc);
    if (k == 0) return Text();
    return MidBytes(t, 1, static_cast<double>(k), loc);
}

Text LastBytes(const Text& t, double n, std::source_location loc) {
    const std::size_t k = Count(n, loc);
    const std::size_t total = t.ByteSize();
    if (k >= total) return t;
    return MidBytes(t, static_cast<double>(total - k + 1), -1, loc);
}

Text MidBytes(const Text& t, double start, double length, std::source_location loc) {
    const std::size_t s = Position(start, loc);
    const std::size_t from = CharAtOrAfterByte(t, s);
    if (length < 0) return Text(t.Chars().substr(from));
    const std::size_t len = Count(length, loc);
    if (len == 0) return Text();
    const std::size_t to = CharAtOrAfterByte(t, s + len);  // first char starting past the range
    return Text(t.Chars().substr(from, to - from));
}

int FindText(const Text& t, const Text& sub, double start, std::source_location loc) {
    const std::size_t s = Position(start, loc);
    std::size_t from = CharAtOrAfterByte(t, s);
    if (from == t.Size() && s > t.ByteSize() + 1) return 0;
    const auto at = t.Chars().find(sub.Chars(), from);
    if (at == std::u32string::npos) return 0;
    std::size_t byte = 1;
    for (std::size_t i = 0; i < at; ++i) byte += static_cast<std::size_t>(ByteWidth(t.At(i)));
    return static_cast<int>(byte);
}

}  // namespace lesson
