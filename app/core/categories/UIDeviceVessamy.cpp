#include "app/core/categories/UIDeviceVessamy.h"

#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <sys/socket.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <fstream>
#include <memory>

#include "platform/base/Log.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Screen.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

struct PlatformTexts {
    std::string_view string;
    std::string_view code;
};

// Indexed by device code.
constexpr std::array<PlatformTexts, 19> kPlatformTexts = {{
    {"Unknown iOS device", "Unknown iOS device"},
    {"iPhone Simulator", "iPhone Simulator"},
    {"iPhone Simulator", "Unknown iOS device"},
    {"iPad Simulator", "Unknown iOS device"},
    {"iPhone 1G", "M68"},
    {"iPhone 3G", "N82"},
    {"iPhone 3GS", "N88"},
    {"iPhone 4", "N89"},
    {"iPhone 5", "Unknown iPhone"},
    {"iPod touch 1G", "N45"},
    {"iPod touch 2G", "N72"},
    {"iPod touch 3G", "N18"},
    {"iPod touch 4G", "N80"},
    {"iPad 1G", "K48"},
    {"iPad 2G", "Unknown iPad"},
    {"Unknown iPhone", "Unknown iPhone"},
    {"Unknown iPod", "Unknown iPod"},
    {"Unknown iPad", "Unknown iPad"},
    {"iFPGA", "Unknown iOS device"},
}};

// A hardware model text test, in the order the tests run.
struct ModelRule {
    enum class Match { Equals, BeginsWith };
    Match match;
    std::string_view text;
    int type;
};

constexpr std::array<ModelRule, 15> kModelRules = {{
    {ModelRule::Match::Equals, "iFPGA", UIDeviceVessamy::kiFPGA},
    {ModelRule::Match::Equals, "iPhone1,1", UIDeviceVessamy::kiPhone1G},
    {ModelRule::Match::Equals, "iPhone1,2", UIDeviceVessamy::kiPhone3G},
    {ModelRule::Match::BeginsWith, "iPhone2", UIDeviceVessamy::kiPhone3GS},
    {ModelRule::Match::BeginsWith, "iPhone3", UIDeviceVessamy::kiPhone4},
    {ModelRule::Match::BeginsWith, "iPhone4", UIDeviceVessamy::kiPhone5},
    {ModelRule::Match::Equals, "iPod1,1", UIDeviceVessamy::kiPod1G},
    {ModelRule::Match::Equals, "iPod2,1", UIDeviceVessamy::kiPod2G},
    {ModelRule::Match::Equals, "iPod3,1", UIDeviceVessamy::kiPod3G},
    {ModelRule::Match::Equals, "iPod4,1", UIDeviceVessamy::kiPod4G},
    {ModelRule::Match::Equals, "iPad1,1", UIDeviceVessamy::kiPad1G},
    {ModelRule::Match::Equals, "iPad2,1", UIDeviceVessamy::kiPad2G},
    {ModelRule::Match::BeginsWith, "iPhone", UIDeviceVessamy::kUnknowniPhone},
    {ModelRule::Match::BeginsWith, "iPod", UIDeviceVessamy::kUnknowniPod},
    {ModelRule::Match::BeginsWith, "iPad", UIDeviceVessamy::kUnknowniPad},
}};

constexpr double kPadScreenWidth = 768.0;

// The user default of that name, else the info dictionary's entry; nothing when neither holds a text.
std::optional<std::string> configuredText(std::string_view key) {
    if (std::string text = platform::UserDefaults::standard()->stringForKey(key); !text.empty()) {
        return text;
    }
    if (std::string text = platform::Bundle::main().objectForInfoDictionaryKey(key).stringValue(); !text.empty()) {
        return text;
    }
    return std::nullopt;
}

std::string firstLine(const char* path) {
    std::ifstream stream(path);
    std::string line;
    std::getline(stream, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

// The number at the start of text (after blanks), or nothing.
template <typename Number>
std::optional<Number> leadingNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == ':')) {
        text.remove_prefix(1);
    }
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

// The number after "<label>" at the start of a line of the file (such as "MemTotal:" in /proc/meminfo).
template <typename Number>
std::optional<Number> labelledNumber(const char* path, std::string_view label) {
    std::ifstream stream(path);
    for (std::string line; std::getline(stream, line);) {
        if (line.starts_with(label)) {
            return leadingNumber<Number>(std::string_view(line).substr(label.size()));
        }
    }
    return std::nullopt;
}

std::uint64_t meminfoBytes(std::string_view label) {
    return labelledNumber<std::uint64_t>("/proc/meminfo", label).value_or(0) * 1024;
}

std::optional<struct statvfs> homeFileSystem() {
    struct statvfs info {};
    if (statvfs(platform::AppDirectories::shared()->home().c_str(), &info) != 0) {
        return std::nullopt;
    }
    return info;
}

}  // namespace

std::string UIDeviceVessamy::platform() {
    if (auto configured = configuredText(kHardwareModelKey)) {
        return *configured;
    }
    struct utsname names {};
    if (uname(&names) != 0) {
        return {};
    }
    return names.machine;
}

std::string UIDeviceVessamy::hwmodel() { return firstLine("/sys/class/dmi/id/product_name"); }

int UIDeviceVessamy::platformType() { return platformType(platform(), platform::ui::Screen::bounds().width()); }

int UIDeviceVessamy::platformType(std::string_view hardwareModel, double screenWidth) {
    for (const auto& rule : kModelRules) {
        const bool matches =
            rule.match == ModelRule::Match::Equals ? hardwareModel == rule.text : hardwareModel.starts_with(rule.text);
        if (matches) {
            return rule.type;
        }
    }
    if (hardwareModel.ends_with("86") || hardwareModel == "x86_64") {
        return screenWidth < kPadScreenWidth ? kSimulatoriPhone : kSimulatoriPad;
    }
    return kUnknownDevice;
}

std::string UIDeviceVessamy::platformString() { return platformString(platformType()); }

std::string UIDeviceVessamy::platformString(int platformType) {
    const bool known = platformType >= 0 && platformType < static_cast<int>(kPlatformTexts.size());
    return std::string(kPlatformTexts[known ? platformType : kUnknownDevice].string);
}

std::string UIDeviceVessamy::platformCode() { return platformCode(platformType()); }

std::string UIDeviceVessamy::platformCode(int platformType) {
    const bool known = platformType >= 0 && platformType < static_cast<int>(kPlatformTexts.size());
    return std::string(kPlatformTexts[known ? platformType : kUnknownDevice].code);
}

std::uint64_t UIDeviceVessamy::cpuFrequency() {
    if (auto kilohertz =
            leadingNumber<std::uint64_t>(firstLine("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"))) {
        return *kilohertz * 1000;
    }
    if (auto megahertz = labelledNumber<double>("/proc/cpuinfo", "cpu MHz"); megahertz && *megahertz > 0) {
        return static_cast<std::uint64_t>(*megahertz * 1e6);
    }
    return 0;
}

std::uint64_t UIDeviceVessamy::busFrequency() { return 0; }

std::uint64_t UIDeviceVessamy::totalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) {
        return 0;
    }
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

std::uint64_t UIDeviceVessamy::userMemory() {
    const std::uint64_t total = meminfoBytes("MemTotal:");
    // What the kernel pins: unevictable pages, its unreclaimable caches, stacks and page tables.
    const std::uint64_t held = meminfoBytes("Unevictable:") + meminfoBytes("SUnreclaim:") +
                               meminfoBytes("KernelStack:") + meminfoBytes("PageTables:");
    return total > held ? total - held : 0;
}

std::uint64_t UIDeviceVessamy::totalDiskSpace() {
    const auto info = homeFileSystem();
    return info ? static_cast<std::uint64_t>(info->f_blocks) * info->f_frsize : 0;
}

std::uint64_t UIDeviceVessamy::freeDiskSpace() {
    const auto info = homeFileSystem();
    return info ? static_cast<std::uint64_t>(info->f_bavail) * info->f_frsize : 0;
}

std::optional<std::string> UIDeviceVessamy::macaddress() {
    return macaddress(configuredText(kMacAddressInterfaceKey).value_or(std::string(kDefaultMacAddressInterface)));
}

std::optional<std::string> UIDeviceVessamy::macaddress(const std::string& interfaceName) {
    if (if_nametoindex(interfaceName.c_str()) == 0) {
        QOV_LOG_ERROR("Error: if_nametoindex error");
        return std::nullopt;
    }
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) {
        QOV_LOG_ERROR("Error: sysctl, take 1");
        return std::nullopt;
    }
    const std::unique_ptr<ifaddrs, void (*)(ifaddrs*)> release(interfaces, freeifaddrs);
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_PACKET || interfaceName != entry->ifa_name) {
            continue;
        }
        const auto* link = reinterpret_cast<const sockaddr_ll*>(entry->ifa_addr);
        if (link->sll_halen == 6) {
            const unsigned char* a = link->sll_addr;
            return fmt::format("{:02X}{:02X}{:02X}{:02X}{:02X}{:02X}", a[0], a[1], a[2], a[3], a[4], a[5]);
        }
    }
    QOV_LOG_ERROR("Error: sysctl, take 2");
    return std::nullopt;
}

}  // namespace qov
