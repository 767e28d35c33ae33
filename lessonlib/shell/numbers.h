// Number services: number texts, the value of a text, whole numbers,
// checked division and remainder.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <source_location>

#include "lessonlib/shell/text.h"

namespace lesson {

// The decimal text of a single: a blank before a non-negative value, "-"
// before a negative one; whole values without point or exponent (below 2^24
// in magnitude); no digit before the point below magnitude 1 (" .25");
// at most 7 significant digits with trailing zeros dropped.
Text NumberToText(float value);

// The value of the number a text begins with, 0 when it begins with none.
// Leading blanks are skipped; "3.14" gives 3.14, "1.2.3" 1.2, "--5" 0.
float ValueOfText(const Text& t);

// The greatest whole number not above v.
float RoundDown(float v);

// The system's one whole-number conversion: to the nearest whole number,
// halves away from zero (as pupils round). A value outside the 32-bit range,
// or not a number, is an overflow.
std::int32_t WholeNumber(double v, std::source_location loc = std::source_location::current());
// The same conversion into the 16-bit range.
std::int16_t WholeNumber16(double v, std::source_location loc = std::source_location::current());

// a / b in single precision; b = 0 is a division-by-zero error and a result
// out of range an overflow.
float Divide(float a, float b, std::source_location loc = std::source_location::current());

// The whole-number remainder: both operands made whole first; the sign
// follows the dividend. A divisor of 0 is a division-by-zero error.
float Remainder(double a, double b, std::source_location loc = std::source_location::current());

// An overflow error unless every value is finite: for results that are
// written without being drawn, where nothing else would notice.
void RequireFinite(std::initializer_list<float> values,
                   std::source_location loc = std::source_location::current());

// The largest magnitude up to which a single holds every whole number.
inline constexpr double kLargestWholeSingle = 16777216.0;

// An overflow error unless every value is a number of magnitude at most
// 2^24, so that whole-number arithmetic on singles stays exact.
void RequireWholeRange(std::initializer_list<double> values,
                       std::source_location loc = std::source_location::current());

}  // namespace lesson
