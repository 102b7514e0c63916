#include "cli/RunnerService.h"

#include <utility>

#include "sim/SimServer.h"

namespace qovcli {

RunnerService::RunnerService(std::string host, std::unique_ptr<qovsim::SimServer> embedded)
    : m_host(std::move(host)), m_embedded(std::move(embedded)) {}

RunnerService::~RunnerService() {
    if (m_embedded) {
        m_embedded->stop();
    }
}

std::unique_ptr<RunnerService> RunnerService::start(const std::string& serviceHost, std::ostream& err) {
    if (!serviceHost.empty()) {
        return std::unique_ptr<RunnerService>(new RunnerService(serviceHost, nullptr));
    }
    // Only the runner talks to it: no other local user reads what it was asked (the --gps position, the texts
    // typed into searches) or injects faults.
    qovsim::SimServer::Options options;
    options.adminPaths = false;
    auto embedded = std::make_unique<qovsim::SimServer>(std::move(options));
    if (!embedded->start()) {
        err << "qovara: the embedded weather service could not start\n";
        return nullptr;
    }
    std::string host = "127.0.0.1:" + std::to_string(embedded->port());
    return std::unique_ptr<RunnerService>(new RunnerService(std::move(host), std::move(embedded)));
}

}  // namespace qovcli
