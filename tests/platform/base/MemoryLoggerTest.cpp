#include "platform/base/MemoryLogger.h"

#include <string>

#include <gtest/gtest.h>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace platform {
namespace {

// A logger attached to the process log while it lives.
class MemoryLoggerTest : public ::testing::Test {
protected:
    MemoryLoggerTest() {
        Log::flush();
        Log::addMemoryLogger(m_logger);
    }
    ~MemoryLoggerTest() override { Log::removeMemoryLogger(m_logger); }

    std::vector<std::string> lines() const {
        Log::flush();
        return m_logger->lines();
    }

    std::shared_ptr<MemoryLogger> m_logger = std::make_shared<MemoryLogger>();
};

void logLines(int from, int to) {
    for (int line = from; line < to; ++line) {
        QOV_LOG_INFO("line {}", line);
    }
}

TEST_F(MemoryLoggerTest, ANewLoggerKeepsTheNewest512Lines) {
    EXPECT_EQ(m_logger->maxBufferLines(), 512u);
    logLines(0, 600);
    const auto kept = lines();
    ASSERT_EQ(kept.size(), 512u);
    EXPECT_TRUE(kept.front().ends_with(": line 88")) << kept.front();
    EXPECT_TRUE(kept.back().ends_with(": line 599")) << kept.back();
}

TEST_F(MemoryLoggerTest, ALowerMaximumDropsTheOldestAtOnceAndHolds) {
    logLines(0, 200);
    m_logger->setMaxBufferLines(128);
    auto kept = lines();
    ASSERT_EQ(kept.size(), 128u);
    EXPECT_TRUE(kept.front().ends_with(": line 72")) << kept.front();
    logLines(200, 201);
    kept = lines();
    ASSERT_EQ(kept.size(), 128u);
    EXPECT_TRUE(kept.front().ends_with(": line 73")) << kept.front();
}

TEST_F(MemoryLoggerTest, EachLineIsKeptAsItWasLoggedWithoutTimeOrLevel) {
    QOV_LOG_WARN("tile {} missing\tagain", 7);
    const auto kept = lines();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(kept[0].starts_with("MemoryLoggerTest.cpp:")) << kept[0];
    EXPECT_TRUE(kept[0].ends_with(" TestBody: tile 7 missing\tagain")) << kept[0];
}

}  // namespace
}  // namespace platform
