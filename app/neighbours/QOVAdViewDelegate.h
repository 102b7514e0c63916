#pragma once

namespace qov {

class QOVAdView;

// Told about the ad slot's ads (the root controller); every operation is optional.
class QOVAdViewDelegate {
public:
    virtual ~QOVAdViewDelegate() = default;
    virtual void adViewDidLoadAd(QOVAdView&) {}
    virtual void adViewFailedToReceiveAd(QOVAdView&) {}
    virtual void adViewSuppressed(QOVAdView&) {}
    // Whether the ad's action may start (leaving the application when externalApplication).
    virtual bool adViewActionWillStart(QOVAdView&, bool /*externalApplication*/) { return true; }
    virtual void adViewActionDidFinish(QOVAdView&) {}
};

}  // namespace qov
