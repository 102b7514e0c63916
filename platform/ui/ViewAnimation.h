#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::ui {

// One committed animation, as tests and the screen dump see it.
struct AnimationRecord {
    std::string name;
    double duration = 0.0;
    bool animated = true;  // false when animations were disabled at commit
};

// View animations. The end state of every change applies at once (the layer does not interpolate); the
// completion runs on the main run loop once the duration has passed (on the manual clock in tests).
// Main thread only.
class ViewAnimation {
public:
    using Completion = std::function<void(bool finished)>;
    using DidStop = std::function<void(const std::string& name, bool finished)>;

    static constexpr double kDefaultDuration = 0.2;

    // Block form: runs the changes now and the completion after the duration.
    static void animate(double duration, const std::function<void()>& animations, Completion completion = {});

    // Begin/commit form: changes made between beginAnimations() and commitAnimations() belong to the
    // named animation; blocks nest and only the outermost commit schedules.
    static void beginAnimations(std::string name);
    static void setAnimationDuration(double duration);
    static void setAnimationDidStop(DidStop didStop);
    static void commitAnimations();

    static void setAnimationsEnabled(bool enabled);
    static bool areAnimationsEnabled();

    // The newest committed animations (at most 100), oldest first.
    static std::vector<AnimationRecord> records();
    static void clearRecords();

private:
    static void record(const std::string& name, double duration, std::function<void()> completion);
};

}  // namespace platform::ui
