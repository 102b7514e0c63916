// The model factory's builder of configurable tabs.
#include "app/core/model/JsonValueReader.h"
#include "app/core/model/QOVConfigurableApplicationTab.h"
#include "app/core/model/QOVModelFactory.h"

namespace qov {

std::shared_ptr<QOVConfigurableApplicationTab> QOVModelFactory::applicationTabFromJSONDictionary(
    const Dictionary& dictionary) const {
    auto tab = std::make_shared<QOVConfigurableApplicationTab>();
    tab->setTitle(JsonValueReader::stringWithKey("title", &dictionary));
    tab->setTargetURLFormat(JsonValueReader::stringWithKey("targetURLFormat", &dictionary));
    tab->setBaseIconURLString(JsonValueReader::stringWithKey("baseIconURLString", &dictionary));
    return tab;
}

}  // namespace qov
