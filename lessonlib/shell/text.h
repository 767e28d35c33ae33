// The text type of both programs.
//
// A Text is a sequence of Unicode characters. Each character has a byte width
// as in the double-byte code page the lessons were written for: one byte for
// ASCII and half-width katakana (U+FF61..U+FF9F), two bytes for everything
// else. Byte lengths and byte positions are derived from those widths, so the
// byte-wise and character-wise operations agree with each other, and no
// operation ever yields half a character.
//
// Numeric arguments (counts, positions) are whole numbers taken by the
// system's whole-number rule; a negative count or a position below 1 is the
// run-time error "illegal value".
#pragma once

#include <compare>
#include <cstddef>
#include <source_location>
#include <string>
#include <string_view>

namespace lesson {

class Text {
public:
    Text() = default;
    Text(const char* utf8) : Text(std::string_view(utf8)) {}
    Text(std::string_view utf8);
    Text(const std::string& utf8) : Text(std::string_view(utf8)) {}
    explicit Text(std::u32string chars) : chars_(std::move(chars)) {}

    static Text FromChar(char32_t c) { return Text(std::u32string(1, c)); }

    const std::u32string& Chars() const { return chars_; }
    std::string Utf8() const;

    bool Empty() const { return chars_.empty(); }
    std::size_t Size() const { return chars_.size(); }   // characters
    std::size_t ByteSize() const;                       // bytes
    char32_t At(std::size_t index) const { return chars_[index]; }  // 0-based

    Text& operator+=(const Text& other) {
        chars_ += other.chars_;
        return *this;
    }
    friend Text operator+(Text a, const Text& b) { return a += b; }

    friend bool operator==(const Text& a, const Text& b) = default;
    // Ordering by character code; for the one-byte keys compared by the
    // programs this is the byte order of the original code page.
    friend std::strong_ordering operator<=>(const Text& a, const Text& b) {
        return a.chars_ <=> b.chars_;
    }

private:
    std::u32string chars_;
};

// 1 for a one-byte character, 2 for a two-byte one.
int ByteWidth(char32_t c);

std::string ToUtf8(char32_t c);

// Character-wise operations (positions from 1).
int CountChars(const Text& t);
Text FirstChars(const Text& t, double n,
                std::source_location loc = std::source_location::current());
Text LastChars(const Text& t, double n,
               std::source_location loc = std::source_location::current());
// The characters from position `start`, at most `length` of them
// (a negative length: to the end). A start past the end gives "".
Text MidChars(const Text& t, double start, double length = -1,
              std::source_location loc = std::source_location::current());
// Character position of `sub` in `t`, searching from character `start`; 0 if absent.
int FindChars(const Text& t, const Text& sub, double start = 1,
              std::source_location loc = std::source_location::current());

// Byte-wise operations (positions from 1). A range of bytes yields the
// characters whose first byte lies inside it.
int CountBytes(const Text& t);
Text FirstBytes(const Text& t, double n,
                std::source_location loc = std::source_location::current());
Text LastBytes(const Text& t, double n,
               std::source_location loc = std::source_location::current());
Text MidBytes(const Text& t, double start, double length = -1,
              std::source_location loc = std::source_location::current());
// Byte position of `sub` in `t`, searching from byte `start`; 0 if absent.
int FindText(const Text& t, const Text& sub, double start = 1,
             std::source_location loc = std::source_location::current());

// The text of one character code (only codes below 128 and the half-width
// katakana are one byte wide).
Text CharText(char32_t code);

}  // namespace lesson
