#include "sim/ServiceKey.h"

#include <nlohmann/json.hpp>

#include "platform/storage/Bundle.h"

namespace qovsim {

std::string ServiceKey::expected() {
    return platform::Bundle::main().objectForInfoDictionaryKey("DS2APIKey").stringValue();
}

bool ServiceKey::accepts(const SimRequest& request) {
    const std::string key = request.method == "POST" ? request.formValue("key") : request.queryValue("key");
    const std::string wanted = expected();
    return !wanted.empty() && key == wanted;
}

SimResponse ServiceKey::refusal() {
    const nlohmann::ordered_json record{
        {"class", "error"}, {"type", "401"}, {"cat", "key"}, {"text", "Invalid or missing API key"}};
    return SimResponse::json(record.dump());
}

}  // namespace qovsim
