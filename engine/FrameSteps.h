#pragma once

// Rules that move a fixed amount a frame were written for 60 frames a second. They advance by
// the frames' worth of the elapsed time instead, so that a slow machine plays the same in
// seconds; one frame counts for at most a few, so that a stall carries nothing through a wall.
namespace Framework {

constexpr float kRuleFramesPerSecond = 60.0f;
constexpr float kMostFramesInOneStep = 4.0f;

// dt x 60, at most kMostFramesInOneStep: exactly 1 at 60 frames a second.
float FramesWorth(float dt);

// For rules that act in whole steps (one typed character a frame): how many steps this frame
// takes, the fraction left over carried to the next frames.
class FrameStepCounter {
public:
    int Take(float dt);
    void Reset() { carried = 0.0f; }

private:
    float carried = 0.0f;
};

}  // namespace Framework
