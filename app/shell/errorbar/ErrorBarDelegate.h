#pragma once

namespace qov {

class ErrorBar;

// Asked to close the error bar when its button is pressed (the root controller hides it).
class ErrorBarDelegate {
public:
    virtual ~ErrorBarDelegate() = default;
    virtual void errorBarShouldClose(ErrorBar& /*errorBar*/) {}
};

}  // namespace qov
