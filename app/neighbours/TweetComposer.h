#pragma once

#include <memory>

#include "app/neighbours/ComposeTweetDelegate.h"

namespace qov {

class QOVLocation;

// What a screen that shares the weather sets on the social section's tweet composer, which it makes by class
// name ("ComposeTweetViewController"): the place the default text describes and the delegate. Neither is
// retained.
class TweetComposer {
public:
    virtual ~TweetComposer() = default;
    virtual void setCurrentLocationForTweet(std::weak_ptr<QOVLocation> location) = 0;
    virtual void setComposeTweetDelegate(std::weak_ptr<ComposeTweetDelegate> delegate) = 0;
};

}  // namespace qov
