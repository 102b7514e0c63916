#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace qov {

// In-place reversal of a list.
class NSMutableArrayReverse {
public:
    // Exchanges entries from both ends towards the middle; lists of fewer than two entries stay as they are.
    template <typename T>
    static void reverse(std::vector<T>& array) {
        if (array.size() < 2) {
            return;
        }
        for (std::size_t front = 0, back = array.size() - 1; front < back; ++front, --back) {
            std::swap(array[front], array[back]);
        }
    }
};

}  // namespace qov
