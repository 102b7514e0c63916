#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace platform {

// A callable that forwards its arguments to f(target, args...) while the target is alive and otherwise does
// nothing (answering a default-constructed result when f has one). f may be a member function pointer.
// The callable holds the target weakly, so it never keeps its target alive.
template <typename T, typename F>
auto bindWeak(const std::shared_ptr<T>& target, F f) {
    return [weakTarget = std::weak_ptr<T>(target), f = std::move(f)](auto&&... args) {
        using Result = std::invoke_result_t<const F&, T&, decltype(args)...>;
        if (const auto strongTarget = weakTarget.lock()) {
            return std::invoke(f, *strongTarget, std::forward<decltype(args)>(args)...);
        }
        if constexpr (!std::is_void_v<Result>) {
            return Result{};
        }
    };
}

}  // namespace platform
