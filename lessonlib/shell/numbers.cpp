#include "lessonlib/shell/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lessonlib/shell/errors.h"

namespace lesson {

Text NumberToText(float value) {
    if (std::isnan(value)) return Text(" NaN");
    if (std::isinf(value)) return Text(value < 0 ? "-Inf" : " Inf");
    const char* sign = std::signbit(value) && value != 0.0f ? "-" : " ";
    const float magnitude = std::fabs(value);
    char buffer[48];
    if (magnitude < 16777216.0f && magnitude == std::floor(magnitude)) {
        std::snprintf(buffer, sizeof buffer, "%ld", static_cast<long>(magnitude));
    } else {
        std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(magnitude));
    }
    std::string digits = buffer;
    if (digits.rfind("0.", 0) == 0) digits.erase(0, 1);  // " .25", not " 0.25"
    return Text(sign + digits);
}

float ValueOfText(const Text& t) {
    const std::u32string& c = t.Chars();
    std::size_t i = 0;
    while (i < c.size() && c[i] == U' ') ++i;
    std::string number;
    if (i < c.size() && (c[i] == U'-' || c[i] == U'+')) number += static_cast<char>(c[i++]);
    std::size_t digits = 0;
    while (i < c.size() && c[i] >= U'0' && c[i] <= U'9') { number += static_cast<char>(c[i++]); ++digits; }
    if (i < c.size() && c[i] == U'.') {
        number += '.';
        ++i;
        while (i < c.size() && c[i] >= U'0' && c[i] <= U'9') { number += static_cast<char>(c[i++]); ++digits; }
    }
    if (digits == 0) return 0.0f;
    // An exponent counts only when digits follow it.
    if (i < c.size() && (c[i] == U'E' || c[i] == U'e')) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < c.size() && (c[j] == U'-' || c[j] == U'+')) exponent += static_cast<char>(c[j++]);
        std::size_t expDigits = 0;
        while (j < c.size() && c[j] >= U'0' && c[j] <= U'9' && expDigits < 6) {
            exponent += static_cast<char>(c[j++]);
            ++expDigits;
        }
        if (expDigits > 0) number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    if (std::fabs(v) > 3.4028234663852886e38) return std::signbit(v) ? -HUGE_VALF : HUGE_VALF;
    return static_cast<float>(v);
}

float RoundDown(float v) { return std::floor(v); }

std::int32_t WholeNumber(double v, std::source_location loc) {
    const double r = std::round(v);  // halves away from zero
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) Fail(ErrorCode::Overflow, loc);
    return static_cast<std::int32_t>(r);
}

std::int16_t WholeNumber16(double v, std::source_location loc) {
    const double r = std::round(v);
    if (!(r >= -32768.0 && r <= 32767.0)) Fail(ErrorCode::Overflow, loc);
    return static_cast<std::int16_t>(r);
}

float Divide(float a, float b, std::source_location loc) {
    if (b == 0.0f) Fail(ErrorCode::DivisionByZero, loc);
    const float q = a / b;
    if (!std::isfinite(q) && std::isfinite(a)) Fail(ErrorCode::Overflow, loc);
    return q;
}

float Remainder(double a, double b, std::source_location loc) {
    const std::int32_t x = WholeNumber(a, loc);
    const std::int32_t y = WholeNumber(b, loc);
    if (y == 0) Fail(ErrorCode::DivisionByZero, loc);
    if (y == -1) return 0.0f;  // avoids the one overflowing case, INT_MIN % -1
    return static_cast<float>(x % y);
}

void RequireFinite(std::initializer_list<float> values, std::source_location loc) {
    for (float v : values)
        if (!std::isfinite(v)) Fail(ErrorCode::Overflow, loc);
}

void RequireWholeRange(std::initializer_list<double> values, std::source_location loc) {
    for (double v : values)
        if (!(std::fabs(v) <= kLargestWholeSingle)) Fail(ErrorCode::Overflow, loc);
}

}  // namespace lesson
