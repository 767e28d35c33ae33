// The built-in walks of the screenshot tour: keys that reach every screen of
// a program and end it. Each grows with the chapters.
#pragma once

#include <string>

namespace tour {

// Chapter 1: the problem scene (7 keys), the histograms (9 keys), back.
inline constexpr const char* kTallyviewChapter1Walk = "1\r1\r1234567" "2\r123456789" "3\r";

inline std::string TallyviewWalk() { return std::string(kTallyviewChapter1Walk) + "7\r"; }

}  // namespace tour
