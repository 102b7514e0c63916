#pragma once

#include <filesystem>

#include "platform/storage/Bundle.h"
#include "tests/support/TestPaths.h"

namespace qovtest {

// Points Bundle::main() at a bundle folder (by default the build's copy of the application bundle) while the
// object lives, then back at the folder it used before.
class TestBundle {
public:
    explicit TestBundle(std::filesystem::path path = buildBundleDirectory())
        : m_previous(platform::Bundle::main().resourcePath()) {
        platform::Bundle::setMainBundlePath(std::move(path));
    }
    ~TestBundle() { platform::Bundle::setMainBundlePath(m_previous); }
    TestBundle(const TestBundle&) = delete;
    TestBundle& operator=(const TestBundle&) = delete;

private:
    std::filesystem::path m_previous;
};

}  // namespace qovtest
