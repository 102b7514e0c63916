#pragma once

namespace qov {

class QOVAdView;

// Told of the ad slot's ads (the root controller); every operation is optional.
class QOVAdViewDelegate {
public:
    virtual ~QOVAdViewDelegate() = default;
    virtual void adViewDidLoadAd(QOVAdView& /*adView*/) {}
    virtual void adViewFailedToReceiveAd(QOVAdView& /*adView*/) {}
    virtual void adViewSuppressed(QOVAdView& /*adView*/) {}
    // Whether the ad's action may start (leaving the application when willLeaveApplication).
    virtual bool adViewActionWillStart(QOVAdView& /*adView*/, bool /*willLeaveApplication*/) { return true; }
    virtual void adViewActionDidFinish(QOVAdView& /*adView*/) {}
};

}  // namespace qov
