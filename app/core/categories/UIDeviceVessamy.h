#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qov {

// What the application asks of the device: its hardware model and the device code derived from it, memory,
// disk and processor figures, and the hardware address of its network interface. Values the machine cannot
// give answer empty text or zero (the hardware address: nothing).
//
// The hardware model text is the machine's (uname) unless the user default or the info dictionary key
// kHardwareModelKey names another (such as "iPhone3,1"): this machine's "x86_64" reads as a simulator. The
// network interface is "en0" unless the user default or the info dictionary key kMacAddressInterfaceKey names
// another (such as "eth0"). A user default wins over the info dictionary.
class UIDeviceVessamy {
public:
    static constexpr std::string_view kHardwareModelKey = "QOVHardwareModel";
    static constexpr std::string_view kMacAddressInterfaceKey = "QOVMacAddressInterface";
    static constexpr std::string_view kDefaultMacAddressInterface = "en0";

    // Device codes.
    enum PlatformType : int {
        kUnknownDevice = 0,
        kSimulator = 1,
        kSimulatoriPhone = 2,
        kSimulatoriPad = 3,
        kiPhone1G = 4,
        kiPhone3G = 5,
        kiPhone3GS = 6,
        kiPhone4 = 7,
        kiPhone5 = 8,
        kiPod1G = 9,
        kiPod2G = 10,
        kiPod3G = 11,
        kiPod4G = 12,
        kiPad1G = 13,
        kiPad2G = 14,
        kUnknowniPhone = 15,
        kUnknowniPod = 16,
        kUnknowniPad = 17,
        kiFPGA = 18,
    };

    // The hardware model text ("hw.machine").
    static std::string platform();
    // The machine's model name ("hw.model"; the firmware's product name here).
    static std::string hwmodel();

    // The device code of this device, and of a hardware model text on a screen of the given width in points.
    static int platformType();
    static int platformType(std::string_view hardwareModel, double screenWidth);
    // The product name and the board code of this device or of a device code ("Unknown iOS device" for codes
    // outside the table).
    static std::string platformString();
    static std::string platformString(int platformType);
    static std::string platformCode();
    static std::string platformCode(int platformType);

    // Processor frequency in hertz; the bus frequency, which this machine does not publish, answers 0.
    static std::uint64_t cpuFrequency();
    static std::uint64_t busFrequency();
    // Physical memory, and the part of it not held by the kernel, in bytes.
    static std::uint64_t totalMemory();
    static std::uint64_t userMemory();
    // Size and free size (available to the user) of the file system that holds the application's home.
    static std::uint64_t totalDiskSpace();
    static std::uint64_t freeDiskSpace();

    // The configured interface's hardware address as twelve upper-case hexadecimal digits, or nothing.
    static std::optional<std::string> macaddress();
    static std::optional<std::string> macaddress(const std::string& interfaceName);
};

}  // namespace qov
