// qovara-sim: the stand-in weather data service and tile server, on loopback.
#include <cstdlib>
#include <iostream>

#include <CLI/CLI.hpp>

int main(int argc, char** argv) {
    CLI::App tool{"Qovara stand-in weather service"};
    int port = 0;
    tool.add_option("--port", port, "Port to listen on (0: any free port)");
    CLI11_PARSE(tool, argc, argv);
    std::cout << "qovara-sim: not serving yet\n";
    return EXIT_SUCCESS;
}
