#include "platform/ui/ViewAnimation.h"

#include <algorithm>
#include <deque>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

struct PendingAnimation {
    std::string name;
    double duration = ViewAnimation::kDefaultDuration;
    ViewAnimation::DidStop didStop;
};

struct AnimationState {
    std::vector<PendingAnimation> open;
    std::deque<AnimationRecord> records;
    bool enabled = true;
};

AnimationState& state() {
    static NeverDestroyed<AnimationState> shared;
    return *shared;
}

constexpr std::size_t kMaxRecords = 100;

}  // namespace

void ViewAnimation::animate(double duration, const std::function<void()>& animations, Completion completion) {
    if (animations) {
        animations();
    }
    record("", duration, completion ? std::function<void()>([completion] { completion(true); }) : nullptr);
}

void ViewAnimation::beginAnimations(std::string name) {
    state().open.push_back(PendingAnimation{std::move(name), kDefaultDuration, {}});
}

void ViewAnimation::setAnimationDuration(double duration) {
    if (!state().open.empty()) {
        state().open.back().duration = duration;
    }
}

void ViewAnimation::setAnimationDidStop(DidStop didStop) {
    if (!state().open.empty()) {
        state().open.back().didStop = std::move(didStop);
    }
}

void ViewAnimation::commitAnimations() {
    AnimationState& shared = state();
    if (shared.open.empty()) {
        QOV_LOG_WARN("commitAnimations without beginAnimations");
        return;
    }
    PendingAnimation animation = std::move(shared.open.back());
    shared.open.pop_back();
    if (!shared.open.empty()) {
        return;  // nested: the outer block commits the changes
    }
    std::function<void()> completion;
    if (animation.didStop) {
        completion = [didStop = std::move(animation.didStop), name = animation.name] { didStop(name, true); };
    }
    record(animation.name, animation.duration, std::move(completion));
}

void ViewAnimation::setAnimationsEnabled(bool enabled) { state().enabled = enabled; }

bool ViewAnimation::areAnimationsEnabled() { return state().enabled; }

std::vector<AnimationRecord> ViewAnimation::records() {
    return std::vector<AnimationRecord>(state().records.begin(), state().records.end());
}

void ViewAnimation::clearRecords() { state().records.clear(); }

void ViewAnimation::record(const std::string& name, double duration, std::function<void()> completion) {
    AnimationState& shared = state();
    const bool animated = shared.enabled;
    const double delay = animated ? std::max(duration, 0.0) : 0.0;
    shared.records.push_back(AnimationRecord{name, duration, animated});
    if (shared.records.size() > kMaxRecords) {
        shared.records.pop_front();
    }
    if (!completion) {
        return;
    }
    RunLoop::main().scheduleTimer(delay, false, [completion = std::move(completion)](Timer&) { completion(); });
}

}  // namespace platform::ui
