#pragma once

namespace qov {

// The screen that presents the tweet composer: whether the composer starts with a text describing the
// current location, and what to do when the user cancels or asks for the full feed.
class ComposeTweetDelegate {
public:
    virtual ~ComposeTweetDelegate() = default;
    virtual bool hasDefaultTweetText() { return false; }
    virtual void cancelTweetComposition() {}
    virtual void showFullFeedPage() {}
};

}  // namespace qov
