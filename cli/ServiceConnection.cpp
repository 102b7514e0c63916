#include "cli/ServiceConnection.h"

#include <regex>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "sim/SimServer.h"

namespace qovcli {

namespace {

// "http://HOST[:PORT][/]" → "HOST[:PORT]"; the client speaks plain HTTP to the host it is given.
std::optional<std::string> hostOf(const std::string& serviceUrl) {
    static const std::regex pattern(R"(^http://([A-Za-z0-9.\-]+(:[0-9]{1,5})?)/?$)");
    std::smatch match;
    if (!std::regex_match(serviceUrl, match, pattern)) {
        return std::nullopt;
    }
    return match[1].str();
}

}  // namespace

ServiceConnection::ServiceConnection() = default;

ServiceConnection::~ServiceConnection() { close(); }

ServiceConnection::Result ServiceConnection::connect(const std::string& serviceUrl, std::ostream& err) {
    if (serviceUrl.empty()) {
        m_embedded = std::make_unique<qovsim::SimServer>();
        if (!m_embedded->start()) {
            err << "qovara: the embedded weather service could not start\n";
            m_embedded.reset();
            return Result::ServiceFailed;
        }
        m_host = "127.0.0.1:" + std::to_string(m_embedded->port());
    } else if (const auto given = hostOf(serviceUrl)) {
        m_host = *given;
    } else {
        err << "qovara: --service takes an address like http://127.0.0.1:8080, not " << serviceUrl << "\n";
        return Result::BadAddress;
    }
    const auto client = std::make_shared<qov::DS2JSONDatasource>();
    client->setDataServiceHosts(m_host, m_host);
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(client);
    qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(client);
    return Result::Connected;
}

void ServiceConnection::close() {
    if (const auto client = qov::QOVDatasourceFactory::sharedInstance()->datasource()) {
        client->cancelAllRequests();
    }
    if (m_embedded) {
        m_embedded->stop();
        m_embedded.reset();
    }
}

}  // namespace qovcli
