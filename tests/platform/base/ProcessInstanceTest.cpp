#include "platform/base/ProcessInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/base/WeakListenerList.h"

namespace platform {
namespace {

struct Counted {
    explicit Counted(int value) : value(value) { ++made; }
    ~Counted() { ++destroyed; }
    int value;
    static inline std::atomic<int> made{0};
    static inline std::atomic<int> destroyed{0};
};

TEST(ProcessInstanceTest, ASlotMakesItsInstanceOnceForEveryThreadAndHandsBackTheOneReplaced) {
    ProcessSlot<Counted> slot;
    const int before = Counted::made;
    std::vector<std::shared_ptr<Counted>> seen(8);
    std::vector<std::thread> threads;
    for (auto& each : seen) {
        threads.emplace_back([&slot, &each] { each = slot.instance([] { return std::make_shared<Counted>(1); }); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(Counted::made - before, 1);
    for (const auto& each : seen) {
        EXPECT_EQ(each, seen.front());
    }

    const auto replaced = slot.exchange(std::make_shared<Counted>(2));
    EXPECT_EQ(replaced, seen.front());
    EXPECT_EQ(slot.instance([] { return std::make_shared<Counted>(3); })->value, 2);
    EXPECT_EQ(slot.exchange(nullptr)->value, 2);
    EXPECT_EQ(slot.instance([] { return std::make_shared<Counted>(4); })->value, 4) << "made afresh after a reset";
    slot.exchange(nullptr);  // this slot lives on the stack: nothing may outlive the test
}

TEST(ProcessInstanceTest, WhatNeverDestroyedHoldsOutlivesItsScope) {
    const int before = Counted::destroyed;
    {
        NeverDestroyed<Counted> held(5);
        EXPECT_EQ(held->value, 5);
        EXPECT_EQ((*held).value, 5);
    }
    EXPECT_EQ(Counted::destroyed, before);
}

struct Listener {};

TEST(ProcessInstanceTest, AWeakListenerListKeepsEachLivingListenerOnceInOrder) {
    WeakListenerList<Listener> list;
    auto first = std::make_shared<Listener>();
    auto second = std::make_shared<Listener>();
    auto gone = std::make_shared<Listener>();
    EXPECT_TRUE(list.add(first));
    EXPECT_TRUE(list.add(gone));
    EXPECT_TRUE(list.add(second));
    EXPECT_FALSE(list.add(first)) << "already listed";
    EXPECT_FALSE(list.add(nullptr));
    gone.reset();
    EXPECT_EQ(list.snapshot(), (std::vector<std::shared_ptr<Listener>>{first, second}));
    list.remove(first.get());
    EXPECT_EQ(list.snapshot(), (std::vector<std::shared_ptr<Listener>>{second}));
}

}  // namespace
}  // namespace platform
