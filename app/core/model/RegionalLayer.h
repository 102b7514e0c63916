#pragma once

#include <string_view>

namespace qov {

// The tile server's radar comes in two regional layers: "radar" for the United States and "eurorad" elsewhere.
// The maps screen picks one by the country of the shown place, the older map by whether its centre lies over
// Europe; both maps read this one rule, so it sits below both of them. Constant data and pure functions, any
// thread.
struct RegionalLayer {
    static constexpr std::string_view kHome = "radar";
    static constexpr std::string_view kRegional = "eurorad";

    // The other layer of the pair ("radar" and "eurorad" each name the other); empty for a layer without one.
    static constexpr std::string_view counterpart(std::string_view type) {
        return type == kHome ? kRegional : type == kRegional ? kHome : std::string_view();
    }
    // The layer to show for type: the home layer turns regional when regional, the regional layer turns home when
    // not; any other layer stays as it is.
    static constexpr std::string_view forRegion(std::string_view type, bool regional) {
        if (type == (regional ? kHome : kRegional)) {
            return counterpart(type);
        }
        return type;
    }
    // The layer a user chooses for type: the regional layer counts as the home layer.
    static constexpr std::string_view homeOf(std::string_view type) { return forRegion(type, false); }
};

}  // namespace qov
