// The built-in walks of the screenshot tour: keys that reach every screen of
// a program and end it. Each grows with the chapters.
#pragma once

namespace tour {

inline constexpr const char* kTallyviewWalk = "";

}  // namespace tour
