#pragma once

#include <memory>

#include "app/maps/cache/QOVMapCache.h"
#include "tests/app/maps/MapsFixture.h"
#include "tests/support/PumpUntil.h"

namespace qovtest {

// The maps fixture with a map cache over the temporary home installed as the process instance, holding the
// stand-in's configuration before each test starts.
class SharedMapCacheFixture : public MapsFixture {
protected:
    void SetUp() override {
        MapsFixture::SetUp();
        m_cache = qov::QOVMapCache::create(home(), datasource());
        qov::QOVMapCache::setSharedInstance(m_cache);
        ASSERT_TRUE(pumpUntil([this] { return m_cache->currentTileConfig() != nullptr; }));
    }
    void TearDown() override {
        qov::QOVMapCache::setSharedInstance(nullptr);
        MapsFixture::TearDown();
    }

    std::shared_ptr<qov::QOVMapCache> m_cache;
};

}  // namespace qovtest
