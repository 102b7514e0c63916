#pragma once

#include <cstdint>
#include <string>

namespace qov {

class QOVAnimationManager;

// Hears the progress of a radar loop. Called on the main loop; every call but the displayed frame has an
// empty default. Frame numbers given to animationOverlayDisplayedFrame count from the end: the loop's first
// series is number totalFrames - 1 (the slider's last position).
class QOVAnimationManagerDelegate {
public:
    virtual ~QOVAnimationManagerDelegate() = default;
    virtual void animationOverlayDisplayedFrame(QOVAnimationManager& manager, std::uint32_t frame,
                                                const std::string& timeStamp) = 0;
    virtual void loadingStarted() {}
    // How many frames are rendered so far.
    virtual void loadedFrame(std::uint32_t framesRendered) { (void)framesRendered; }
    virtual void allFramesLoaded() {}
    virtual void animationStarted(QOVAnimationManager& manager) { (void)manager; }
    virtual void animationStopped(QOVAnimationManager& manager) { (void)manager; }
};

}  // namespace qov
