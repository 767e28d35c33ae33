// Bounds-checked arrays of one and two subscripts.
//
// An array has no elements until it is dimensioned; Dim(n) gives it the
// elements 0..n, each 0 (or the empty text). Subscripts are numbers made
// whole by the system's rule; one outside 0..bound is the run-time error
// "subscript out of range", reported at the statement that used it.
#pragma once

#include <cstddef>
#include <source_location>
#include <vector>

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace detail {
inline std::size_t CheckedIndex(double index, std::size_t count, std::source_location loc) {
    // Too large for a whole number is out of range just the same.
    if (!(index > -1e9 && index < 1e9)) Fail(ErrorCode::SubscriptRange, loc);
    const std::int32_t i = WholeNumber(index, loc);
    if (i < 0 || static_cast<std::size_t>(i) >= count) Fail(ErrorCode::SubscriptRange, loc);
    return static_cast<std::size_t>(i);
}
}  // namespace detail

template <class T>
class Array1 {
public:
    void Dim(int bound) { elements_.assign(static_cast<std::size_t>(bound) + 1, T{}); }
    bool Dimensioned() const { return !elements_.empty(); }
    int Bound() const { return static_cast<int>(elements_.size()) - 1; }

    T& operator()(double index, std::source_location loc = std::source_location::current()) {
        return elements_[detail::CheckedIndex(index, elements_.size(), loc)];
    }
    const T& operator()(double index,
                        std::source_location loc = std::source_location::current()) const {
        return elements_[detail::CheckedIndex(index, elements_.size(), loc)];
    }

private:
    std::vector<T> elements_;
};

template <class T>
class Array2 {
public:
    void Dim(int bound1, int bound2) {
        rows_ = static_cast<std::size_t>(bound1) + 1;
        cols_ = static_cast<std::size_t>(bound2) + 1;
        elements_.assign(rows_ * cols_, T{});
    }
    int Bound1() const { return static_cast<int>(rows_) - 1; }
    int Bound2() const { return static_cast<int>(cols_) - 1; }

    T& operator()(double i, double j, std::source_location loc = std::source_location::current()) {
        const std::size_t r = detail::CheckedIndex(i, rows_, loc);
        return elements_[r * cols_ + detail::CheckedIndex(j, cols_, loc)];
    }
    const T& operator()(double i, double j,
                        std::source_location loc = std::source_location::current()) const {
        const std::size_t r = detail::CheckedIndex(i, rows_, loc);
        return elements_[r * cols_ + detail::CheckedIndex(j, cols_, loc)];
    }

private:
    std::size_t rows_ = 0, cols_ = 0;
    std::vector<T> elements_;
};

}  // namespace lesson
