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
    return "v" + bundleShortVersionString() + " (" + bundleVersion() + ")";
}

}  // namespace qov
