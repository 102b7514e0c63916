#include "platform/base/Callback.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace platform {
namespace {

struct Target {
    int calls = 0;
    std::string last;

    void receive(const std::string& text) {
        ++calls;
        last = text;
    }
};

TEST(CallbackTest, ForwardsWhileTheTargetLivesAndDoesNothingAfterwards) {
    auto target = std::make_shared<Target>();
    std::function<void(const std::string&)> callback = bindWeak(target, &Target::receive);
    callback("first");
    EXPECT_EQ(target->calls, 1);
    EXPECT_EQ(target->last, "first");

    std::weak_ptr<Target> watch = target;
    target.reset();
    EXPECT_TRUE(watch.expired());  // the callable never kept it alive
    callback("second");
}

TEST(CallbackTest, AResultIsDefaultOnceTheTargetIsGone) {
    auto target = std::make_shared<Target>();
    const auto count = bindWeak(target, [](Target& self, int extra) { return self.calls + extra; });
    target->calls = 4;
    EXPECT_EQ(count(1), 5);
    target.reset();
    EXPECT_EQ(count(1), 0);
}

}  // namespace
}  // namespace platform
