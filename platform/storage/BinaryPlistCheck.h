#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Checks the structure of a binary property list before libplist or BinaryPlistReader reads it: the trailer, the
// offset table and every object reachable from the top object must lie inside the bytes, strings may hold no NUL
// character, containers may nest at most maxDepth deep, and the tree (a shared object counted once per
// reference) may hold at most maxNodes objects. libplist itself recurses without a limit, expands shared
// references and asserts on NUL characters in keys, and our reader follows references without checking them
// again, so unchecked hostile input could exhaust the stack or the memory, read outside the bytes, or abort.
class BinaryPlistCheck {
public:
    // nullopt when the bytes may be handed to a reader, otherwise what is wrong with them.
    static std::optional<std::string> problem(std::string_view bytes, int maxDepth, std::size_t maxNodes);
};

}  // namespace platform
