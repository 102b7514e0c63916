#pragma once

#include <compare>
#include <string>

namespace platform::ui {

// A row of a table: its section and its row within the section.
struct IndexPath {
    int section = 0;
    int row = 0;

    friend constexpr auto operator<=>(const IndexPath&, const IndexPath&) = default;
};

}  // namespace platform::ui
