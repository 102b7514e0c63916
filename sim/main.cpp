// qovara-sim: the stand-in weather data service and tile server, on loopback. What it prints on standard output
// (its address, a --print answer, the help) is what its caller reads: when that cannot be written, it says so on
// standard error and exits 1.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include <pthread.h>

#include "platform/base/StandardDescriptors.h"
#include "sim/ServiceKey.h"
#include "sim/SimCommandLine.h"
#include "sim/SimServer.h"

namespace {

// Flushes standard output; false, with a line on standard error, when what it held could not be written.
bool flushedOutput() {
    if (std::cout.flush()) {
        return true;
    }
    std::cerr << "qovara-sim: cannot write to standard output: " << std::strerror(errno) << '\n';
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything is opened: a closed standard output would otherwise be the listening socket.
    if (!platform::openClosedStandardDescriptors()) {
        std::cerr << "qovara-sim: cannot open the null device in place of a closed standard descriptor: "
                  << std::strerror(errno) << '\n';
        return EXIT_FAILURE;
    }
    int exitCode = 0;
    auto line =
        qovsim::SimCommandLine::parse(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, exitCode);
    if (!line) {
        return flushedOutput() ? exitCode : EXIT_FAILURE;
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
        return response.status == 200 && flushedOutput() ? EXIT_SUCCESS : EXIT_FAILURE;
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
    // A caller that cannot learn the address cannot use the service.
    std::cout << server.baseUrl() << '\n';
    if (!flushedOutput()) {
        server.stop();
        return EXIT_FAILURE;
    }
    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    return EXIT_SUCCESS;
}
