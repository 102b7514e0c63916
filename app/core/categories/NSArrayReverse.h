#pragma once

#include <vector>

namespace qov {

// A reversed copy of a list.
class NSArrayReverse {
public:
    template <typename T>
    static std::vector<T> reversedArray(const std::vector<T>& array) {
        return std::vector<T>(array.rbegin(), array.rend());
    }
};

}  // namespace qov
