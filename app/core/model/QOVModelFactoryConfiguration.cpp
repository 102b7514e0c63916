// The model factory's reader of remote application configurations.
#include <string>

#include "app/core/model/JsonAnswerGuard.h"
#include "app/core/model/JsonDocumentParser.h"
#include "app/core/model/JsonPlatformValue.h"
#include "app/core/model/JsonValueReader.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVModelFactory.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

bool isDocumentMember(std::string_view name) { return name == "appid" || name == "locale" || name == "classId"; }

}  // namespace

std::shared_ptr<QOVMobileAppConfig> QOVModelFactory::configurationUsingJSON(std::string_view json,
                                                                            const std::string& named,
                                                                            double timeToLive) const {
    using Result = std::shared_ptr<QOVMobileAppConfig>;
    return JsonAnswerGuard::run<Result>("configuration", nullptr, [&]() -> Result {
        const auto root = JsonDocumentParser::parse(json);
        simdjson::dom::object object;
        if (!root || root->get_object().get(object) != simdjson::SUCCESS) {
            QOV_LOG_INFO("JSON root array contained no information.");
            return nullptr;
        }
        const Dictionary document(object);
        if (JsonValueReader::stringWithKey("class", &document) == "error") {
            // The service's error record is no configuration: answering one would replace a good cached copy.
            QOV_LOG_INFO("JSON service error type [{}], category [{}], text [{}]",
                         JsonValueReader::stringWithKey("type", &document),
                         JsonValueReader::stringWithKey("cat", &document),
                         JsonValueReader::stringWithKey("text", &document));
            return nullptr;
        }
        std::string applicationId = JsonValueReader::stringWithKey("appid", &document);
        if (applicationId.empty()) {
            // Filed under the id that was asked for, so that the listeners waiting for it hear of it.
            QOV_LOG_INFO("Configuration answer without an application id; filed under [{}]", named);
            applicationId = named;
        }
        auto configuration = std::make_shared<QOVMobileAppConfig>(std::move(applicationId), timeToLive);
        configuration->setLocaleString(JsonValueReader::optionalStringWithKey("locale", &document));
        configuration->setClassId(JsonValueReader::optionalStringWithKey("classId", &document));
        for (auto member : object) {
            if (isDocumentMember(member.key)) {
                continue;
            }
            if (!JsonPlatformValue::isArchivableName(member.key)) {
                QOV_LOG_INFO("Configuration category [{}] left out", std::string(member.key));
                continue;
            }
            // A null category is no category.
            if (auto value = JsonPlatformValue::fromElement(member.value)) {
                configuration->addConfiguration(std::move(*value), std::string(member.key));
            }
        }
        return configuration;
    });
}

}  // namespace qov
