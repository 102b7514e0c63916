// qovara-sim: the stand-in weather data service and tile server, on loopback.
#include <csignal>
#include <cstdlib>
#include <iostream>

#include <pthread.h>

#include "sim/ServiceKey.h"
#include "sim/SimCommandLine.h"
#include "sim/SimServer.h"

int main(int argc, char** argv) {
    int exitCode = 0;
    auto line =
        qovsim::SimCommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, exitCode);
    if (!line) {
        return exitCode;
    }
    qovsim::SimServer::Options options;
    options.dataDirectory = line->dataDirectory;

    if (auto path = line->printPath()) {
        qovsim::SimServer server(options);
        if (!server.environment().gazetteer().findByIdentifier(line->printIdentifier)) {
            std::cerr << "qovara-sim: no place " << line->printIdentifier << " (KEY:TYPE, e.g. USGA0028:1)\n";
            return EXIT_FAILURE;
        }
        qovsim::SimRequest request;
        request.path = *path;
        request.query.emplace("key", qovsim::ServiceKey::expected());
        qovsim::SimResponse response = server.respond(request);
        std::cout << response.body << '\n';
        return response.status == 200 ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    // Block the stop signals before any thread starts, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    qovsim::SimServer server(options);
    for (const qovsim::Fault& fault : line->faults) {
        server.faults().add(fault);
    }
    if (!server.start(line->port)) {
        std::cerr << "qovara-sim: cannot listen on port " << line->port << '\n';
        return EXIT_FAILURE;
    }
    std::cout << server.baseUrl() << std::endl;
    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    return EXIT_SUCCESS;
}
