#pragma once

#include <exception>
#include <string_view>
#include <utility>

namespace qov {

// Runs one of the model factory's answer readers so that nothing escapes it: an exception (such as running
// out of memory on a huge answer) is logged and the reader answers the fallback instead.
class JsonAnswerGuard {
public:
    template <typename Result, typename Body>
    static Result run(std::string_view answerKind, Result fallback, Body body) noexcept {
        try {
            return body();
        } catch (const std::exception& error) {
            logFailure(answerKind, error.what());
        } catch (...) {
            logFailure(answerKind, "unknown exception");
        }
        return fallback;
    }

private:
    static void logFailure(std::string_view answerKind, std::string_view reason) noexcept;
};

}  // namespace qov
