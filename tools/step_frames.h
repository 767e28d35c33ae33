// What window-bench keeps of the frames and timed pauses of each step of a
// walk. A step during which the program paused is paced: its length is the
// program's own, so it is left out of the key-to-frame figures and reported
// by its pauses and by the gaps between its frames instead.
#pragma once

#include <algorithm>

#include "lessonlib/shell/runtime.h"

namespace bench {

// One step, from its key to its end.
class StepFrames {
public:
    // The step's key has been sent.
    void Begin() { *this = StepFrames(); }
    // A timed pause of `seconds` begins, what was drawn before it presented.
    void Pause(double seconds) {
        pausedSeconds_ += seconds;
        gapPause_ = std::max(gapPause_, seconds);
    }
    // A frame is presented at `ms`. The step's first frame follows its key,
    // not another of its frames, and opens no gap.
    void Present(double ms) {
        if (presented_) {
            const double gap = ms - lastMs_;
            if (gap > longestGapMs_) {
                longestGapMs_ = gap;
                longestGapPause_ = gapPause_;
            }
            if (gapPause_ <= lesson::kPauseUnitSeconds) longestUnitGapMs_ = std::max(longestUnitGapMs_, gap);
        }
        presented_ = true;
        lastMs_ = ms;
        gapPause_ = 0;
    }

    bool Paced() const { return pausedSeconds_ > 0; }
    // The pauses asked for, in seconds.
    double PausedSeconds() const { return pausedSeconds_; }
    // The longest gap between two frames, and the longest single pause
    // asked for within it (seconds).
    double LongestGapMs() const { return longestGapMs_; }
    double LongestGapPause() const { return longestGapPause_; }
    // The longest gap within which no pause was longer than one unit: the
    // frames of an animation that pauses one unit per frame.
    double LongestUnitGapMs() const { return longestUnitGapMs_; }

private:
    double pausedSeconds_ = 0;
    bool presented_ = false;
    double lastMs_ = 0;
    double gapPause_ = 0;  // the longest pause since the last frame
    double longestGapMs_ = 0, longestGapPause_ = 0, longestUnitGapMs_ = 0;
};

// The paced steps of a run together.
struct PacedSteps {
    int count = 0;
    double pausedSeconds = 0;
    double longestGapMs = 0, longestGapPause = 0, longestUnitGapMs = 0;

    void Add(const StepFrames& step) {
        ++count;
        pausedSeconds += step.PausedSeconds();
        if (step.LongestGapMs() > longestGapMs) {
            longestGapMs = step.LongestGapMs();
            longestGapPause = step.LongestGapPause();
        }
        longestUnitGapMs = std::max(longestUnitGapMs, step.LongestUnitGapMs());
    }
};

}  // namespace bench
