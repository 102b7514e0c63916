#pragma once

namespace qov {

// Told about the section header's buttons; every operation is optional.
class QOVSectionHeaderViewDelegate {
public:
    virtual ~QOVSectionHeaderViewDelegate() = default;
    virtual void tweetButtonPressed() {}
    virtual void shareButtonPressed() {}
    virtual void backButtonPressed() {}
    virtual bool useFillColorForBackground() { return false; }
};

}  // namespace qov
