#include "app/shell/categories/UIApplicationQOV.h"

#include "platform/storage/Bundle.h"

namespace qov {
namespace {

std::string infoText(std::string_view key) {
    const auto value = platform::Bundle::main().objectForInfoDictionaryKey(key);
    const auto* text = value.ifString();
    return text ? *text : std::string();
}

}  // namespace

std::string UIApplicationQOV::bundleDisplayName() { return infoText("CFBundleDisplayName"); }
std::string UIApplicationQOV::bundleVersion() { return infoText("CFBundleVersion"); }
std::string UIApplicationQOV::bundleShortVersionString() { return infoText("CFBundleShortVersionString"); }

std::string UIApplicationQOV::applicationVersion() {
    // Appended piece by piece: GCC 12 warns wrongly of overlapping copies when text is put before a string.
    std::string version("v");
    version += bundleShortVersionString();
    version += " (";
    version += bundleVersion();
    version += ')';
    return version;
}

}  // namespace qov
