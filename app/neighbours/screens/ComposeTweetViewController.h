#pragma once

#include <memory>

#include "app/neighbours/ComposeTweetDelegate.h"
#include "app/neighbours/TweetComposer.h"
#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

class QOVLocation;

// The tweet composer, shown modally by the screen that shares the weather. Its Cancel button asks the
// delegate to end the composition. The location and the delegate are not retained.
class ComposeTweetViewController : public NeighbourScreen, public TweetComposer {
public:
    explicit ComposeTweetViewController(std::string nibName);

    std::shared_ptr<QOVLocation> currentLocationForTweet() const { return m_location.lock(); }
    void setCurrentLocationForTweet(std::weak_ptr<QOVLocation> location) override { m_location = std::move(location); }
    std::shared_ptr<ComposeTweetDelegate> composeTweetDelegate() const { return m_delegate.lock(); }
    void setComposeTweetDelegate(std::weak_ptr<ComposeTweetDelegate> delegate) override {
        m_delegate = std::move(delegate);
    }

    void viewDidLoad() override;
    void cancelButtonPressed();

private:
    std::weak_ptr<QOVLocation> m_location;
    std::weak_ptr<ComposeTweetDelegate> m_delegate;
};

}  // namespace qov
