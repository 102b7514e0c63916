#include "app/legacymaps/categories/NSDictionaryLegacyQOV.h"

#include <memory>
#include <mutex>

#include "platform/storage/KeyedArchiver.h"

namespace qov {

namespace {

constexpr const char* kDataKey = "data";

class LegacyDictionaryArchive : public platform::Archivable {
public:
    explicit LegacyDictionaryArchive(platform::Dictionary dictionary) : m_dictionary(std::move(dictionary)) {}

    std::string className() const override { return "LegacyDictionaryArchive"; }
    void encodeWithCoder(platform::KeyedArchiver& coder) const override { coder.encodeValue(m_dictionary, kDataKey); }
    const platform::Dictionary& dictionary() const { return m_dictionary; }

private:
    platform::Dictionary m_dictionary;
};

void registerArchiveClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        platform::ArchiveRegistry::registerClass(
            "LegacyDictionaryArchive", [](const platform::KeyedUnarchiver& coder) -> std::shared_ptr<platform::Object> {
                const platform::Value value = coder.decodeValue(kDataKey);
                const auto* dictionary = value.ifDictionary();
                return dictionary ? std::make_shared<LegacyDictionaryArchive>(*dictionary) : nullptr;
            });
    });
}

}  // namespace

std::optional<platform::Data> NSDictionaryLegacyQOV::encodeToData(const platform::Dictionary& dictionary) {
    return platform::KeyedArchiver::archivedDataWithRootObject(LegacyDictionaryArchive(dictionary));
}

std::optional<platform::Dictionary> NSDictionaryLegacyQOV::initWithData(const platform::Data& data) {
    registerArchiveClass();
    const auto archive = platform::KeyedUnarchiver::unarchiveObjectOfClass<LegacyDictionaryArchive>(data);
    if (!archive) {
        return std::nullopt;
    }
    return archive->dictionary();
}

}  // namespace qov
