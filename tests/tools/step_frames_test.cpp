#include <gtest/gtest.h>

#include "tools/step_frames.h"

namespace {

using bench::PacedSteps;
using bench::StepFrames;

constexpr double kUnit = lesson::kPauseUnitSeconds;

// A step that shows a frame, holds it for ten units, animates two frames a
// unit apart and ends with the frame of the next wait.
StepFrames AnimatedStep() {
    StepFrames step;
    step.Begin();
    step.Present(1000);  // the first frame after the key opens no gap
    step.Pause(10 * kUnit);
    step.Present(1307);
    step.Pause(kUnit);
    step.Present(1340);
    step.Pause(kUnit);
    step.Present(1371);
    step.Present(1375);  // the wait's frame
    return step;
}

TEST(StepFramesTest, APacedStepAddsUpItsPausesAndTellsHeldFramesFromAnimatedOnes) {
    const StepFrames step = AnimatedStep();
    EXPECT_TRUE(step.Paced());
    EXPECT_NEAR(step.PausedSeconds(), 12 * kUnit, 1e-12);
    EXPECT_DOUBLE_EQ(step.LongestGapMs(), 307);
    EXPECT_DOUBLE_EQ(step.LongestGapPause(), 10 * kUnit);
    EXPECT_DOUBLE_EQ(step.LongestUnitGapMs(), 33);

    // A frame the window failed to present: two unit pauses lie in one gap.
    StepFrames skipped;
    skipped.Present(0);
    skipped.Pause(kUnit);
    skipped.Pause(kUnit);
    skipped.Present(62);
    EXPECT_DOUBLE_EQ(skipped.LongestUnitGapMs(), 62);
}

TEST(StepFramesTest, AStepWithoutAPauseIsNotPacedAndANewKeyForgetsTheLastStep) {
    StepFrames step = AnimatedStep();
    step.Begin();
    step.Present(5000);  // its gap from the last step's frame is no gap of this step
    step.Present(5020);
    EXPECT_FALSE(step.Paced());
    EXPECT_DOUBLE_EQ(step.LongestGapMs(), 20);
    EXPECT_DOUBLE_EQ(step.LongestUnitGapMs(), 20);
}

TEST(StepFramesTest, PacedStepsTogetherKeepTheLongestGapWithItsOwnPause) {
    StepFrames longHold;
    longHold.Present(0);
    longHold.Pause(20 * kUnit);
    longHold.Present(650);
    PacedSteps paced;
    paced.Add(AnimatedStep());
    paced.Add(longHold);
    paced.Add(AnimatedStep());
    EXPECT_EQ(paced.count, 3);
    EXPECT_NEAR(paced.pausedSeconds, 44 * kUnit, 1e-12);
    EXPECT_DOUBLE_EQ(paced.longestGapMs, 650);
    EXPECT_DOUBLE_EQ(paced.longestGapPause, 20 * kUnit);
    EXPECT_DOUBLE_EQ(paced.longestUnitGapMs, 33);
}

}  // namespace
