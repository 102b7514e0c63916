#include "app/core/categories/UIDeviceVessamy.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "platform/storage/AppDirectories.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

using Device = UIDeviceVessamy;

TEST(UIDeviceVessamyPlatformType, ModelsMapToTheirCodesAndSimulatorsByScreenWidth) {
    const std::tuple<const char*, double, int> cases[] = {
        {"iPhone3,1", 320, Device::kiPhone4},   {"iPhone1,3", 320, Device::kUnknowniPhone},
        {"iPhone4,1", 320, Device::kiPhone5},   {"iPod5,1", 320, Device::kUnknowniPod},
        {"iPad2,2", 768, Device::kUnknowniPad}, {"iFPGA", 320, Device::kiFPGA},
        {"", 320, Device::kUnknownDevice},      {"i386", 767.5, Device::kSimulatoriPhone},
        {"i686", 768, Device::kSimulatoriPad}};
    for (const auto& [model, width, type] : cases) {
        EXPECT_EQ(Device::platformType(model, width), type) << model << " " << width;
    }
    EXPECT_EQ(Device::platformCode(Device::kSimulator), "iPhone Simulator");
    EXPECT_EQ(Device::platformString(-1), "Unknown iOS device");
    EXPECT_EQ(Device::platformCode(19), "Unknown iOS device");
}

// A fresh home with its own user defaults and a main bundle of its own, restored afterwards.
class UIDeviceVessamyConfigured : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousBundle = platform::Bundle::main().resourcePath();
        m_previousDirectories = platform::AppDirectories::shared();
        platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home.path()));
        m_defaults = std::make_shared<platform::UserDefaults>(m_home.path() / "defaults.plist");
        platform::UserDefaults::resetStandard(m_defaults);
        writeInfo({});
    }
    void TearDown() override {
        platform::UserDefaults::resetStandard(nullptr);
        platform::AppDirectories::setShared(m_previousDirectories);
        platform::Bundle::setMainBundlePath(m_previousBundle);
    }

    void writeInfo(const std::vector<std::pair<std::string, std::string>>& entries) {
        const auto bundle = m_home.path() / "bundle";
        std::filesystem::create_directories(bundle);
        std::ofstream info(bundle / "Info.plist");
        info << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>";
        for (const auto& [key, value] : entries) {
            info << "<key>" << key << "</key><string>" << value << "</string>";
        }
        info << "</dict></plist>\n";
        info.close();
        platform::Bundle::setMainBundlePath(bundle);
    }

    qovtest::TempHome m_home;
    std::shared_ptr<platform::UserDefaults> m_defaults;

private:
    std::filesystem::path m_previousBundle;
    std::shared_ptr<platform::AppDirectories> m_previousDirectories;
};

TEST_F(UIDeviceVessamyConfigured, HardwareModelIsTheMachinesUnlessConfigured) {
    EXPECT_FALSE(Device::platform().empty());
    writeInfo({{"QOVHardwareModel", "iPad1,1"}});
    EXPECT_EQ(Device::platform(), "iPad1,1");
    EXPECT_EQ(Device::platformType(), Device::kiPad1G);
    m_defaults->setString("iPhone3,1", "QOVHardwareModel");
    EXPECT_EQ(Device::platformString(), "iPhone 4");
    EXPECT_EQ(Device::platformCode(), "N89");
}

TEST_F(UIDeviceVessamyConfigured, MacAddressOfTheConfiguredInterface) {
    // The loopback interface has an all-zero hardware address; "en0" does not exist here.
    writeInfo({{"QOVMacAddressInterface", "lo"}});
    EXPECT_EQ(Device::macaddress(), "000000000000");
    m_defaults->setString("no-such-interface0", "QOVMacAddressInterface");
    EXPECT_FALSE(Device::macaddress());
    EXPECT_FALSE(Device::macaddress(""));
    EXPECT_FALSE(Device::macaddress(std::string(300, 'x')));
}

TEST_F(UIDeviceVessamyConfigured, DiskFiguresDescribeTheHomesFileSystem) {
    const auto total = Device::totalDiskSpace();
    EXPECT_GT(total, 0u);
    EXPECT_LE(Device::freeDiskSpace(), total);
    // A home below a plain file can neither exist nor be made.
    std::ofstream(m_home.path() / "file") << "x";
    platform::AppDirectories::shared()->setHome(m_home.path() / "file" / "home");
    EXPECT_EQ(Device::totalDiskSpace(), 0u);
    EXPECT_EQ(Device::freeDiskSpace(), 0u);
}

TEST(UIDeviceVessamySystem, MemoryFiguresAreConsistent) {
    const auto total = Device::totalMemory();
    EXPECT_GT(total, 0u);
    EXPECT_GT(Device::userMemory(), 0u);
    EXPECT_LE(Device::userMemory(), total);
}

}  // namespace
}  // namespace qov
