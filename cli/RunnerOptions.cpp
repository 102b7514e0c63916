#include "cli/RunnerOptions.h"

#include <charconv>
#include <memory>
#include <string_view>

#include <curl/curl.h>
#include <CLI/CLI.hpp>

#include "app/core/location/GpsFixJob.h"
#include "platform/base/PrintableText.h"

namespace qovcli {

namespace {

constexpr std::size_t kLongestHostName = 253;
constexpr std::size_t kLongestEcho = 80;

// A value as messages repeat it: at most kLongestEcho bytes.
std::string echoed(const std::string& value) {
    return value.size() <= kLongestEcho ? value : value.substr(0, kLongestEcho) + "...";
}

using UrlHandle = std::unique_ptr<CURLU, decltype(&curl_url_cleanup)>;

// The part of the URL, or nullopt when it has none.
std::optional<std::string> urlPart(CURLU* url, CURLUPart part) {
    char* value = nullptr;
    if (curl_url_get(url, part, &value, 0) != CURLUE_OK || !value) {
        return std::nullopt;
    }
    std::string text(value);
    curl_free(value);
    return text;
}

}  // namespace

std::optional<std::string> serviceHostOf(const std::string& url, std::string& problem) {
    UrlHandle handle(curl_url(), &curl_url_cleanup);
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, url.c_str(), 0) != CURLUE_OK) {
        problem = "not a URL";
        return std::nullopt;
    }
    if (urlPart(handle.get(), CURLUPART_SCHEME) != "http") {
        problem = "the service speaks plain http://";
        return std::nullopt;
    }
    const auto path = urlPart(handle.get(), CURLUPART_PATH);
    if (urlPart(handle.get(), CURLUPART_USER) || urlPart(handle.get(), CURLUPART_QUERY) ||
        urlPart(handle.get(), CURLUPART_FRAGMENT) || (path && !path->empty() && *path != "/")) {
        problem = "give only the scheme, host and port";
        return std::nullopt;
    }
    const auto host = urlPart(handle.get(), CURLUPART_HOST);
    if (!host || host->empty() || host->size() > kLongestHostName) {
        problem = "the host name is empty or longer than 253 characters";
        return std::nullopt;
    }
    const auto port = urlPart(handle.get(), CURLUPART_PORT);
    if (!port) {
        return host;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(port->data(), port->data() + port->size(), number);
    if (error != std::errc() || end != port->data() + port->size() || number < 1 || number > 65535) {
        problem = "the port must be from 1 to 65535";
        return std::nullopt;
    }
    return *host + ":" + std::to_string(number);
}

ParsedRunnerOptions RunnerOptions::parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App runner{"Qovara device runner"};
    std::string home;
    std::string service;
    std::string gps;
    std::string script;
    bool virtualClock = false;
    std::string shot;
    bool summary = false;
    auto* homeOption = runner.add_option("--home", home, "Application home folder (default: $XDG_DATA_HOME/qovara)");
    auto* serviceOption = runner.add_option("--service", service,
                                            "Address of a running stand-in service, http://HOST[:PORT] "
                                            "(default: start one inside)");
    auto* gpsOption = runner.add_option("--gps", gps, "Place the device at LAT,LON before the weather is fetched");
    auto* scriptOption =
        runner.add_option("--script", script, "Screen commands to run afterwards, from FILE or - for standard input");
    auto* clockOption = runner.add_flag("--virtual-clock", virtualClock,
                                        "Run on a virtual clock: `wait` takes no real time; network answers "
                                        "still arrive");
    auto* shotOption =
        runner.add_option("--shot", shot, "Picture of the root screen (default: root-screen.png in the home)");
    std::string display;
    auto* displayOption = runner
                              .add_option("--display", display,
                                          "Serve the running application to a web browser on 127.0.0.1 "
                                          "(on PORT, else any free port) until interrupted")
                              ->expected(0, 1);
    auto* summaryOption =
        runner.add_flag("--summary", summary, "Print a text summary of the weather instead of running the application");
    runner.footer(
        "Script commands (one per line, # starts a comment):\n"
        "  tap [--taps N] [--touches N] TARGET   tap what TARGET names (--taps 2: a double tap; --touches 2: two "
        "fingers)\n"
        "  tap --if-alert TEXT                   tap the alert's button TEXT if an alert shows, else do nothing\n"
        "  scroll TARGET | drag TARGET DX DY     swipe until TARGET shows | move a finger across TARGET\n"
        "  pinch TARGET SCALE                    two fingers on TARGET apart (SCALE above 1) or together\n"
        "  type TEXT | key return|search|backspace   the keyboard, on the field being edited\n"
        "  select INDEX | alert INDEX            a segment in front | a button of the alert in front\n"
        "  wait SECONDS | network on|off | gps LAT LON   time passes | the network | the device moves\n"
        "  tab NAME                              press the root screen's tab with that name or title\n"
        "  present CLASS | dismiss               show a screen no other screen opens, by class name | close it\n"
        "  legacymap                             turn the device into a pad and open the older tile map\n"
        "  dump | shot FILE.png | quit           the screen as text | as a picture | stop\n"
        "TARGET is [@CLASS] [TEXT | \"TEXT\"] [#N]: the N-th view (reading order) of that class showing that text.");
    const auto refuse = [&err](const std::string& message) {
        err << "qovara: " << platform::printableText(message.size() > 300 ? message.substr(0, 300) + "..." : message)
            << " (--help lists the options)\n";
        return ParsedRunnerOptions{std::nullopt, 2};
    };
    // CLI11 reads "--home=" as the option without its value and takes the next argument for it ("--home=$UNSET
    // --summary" would make a home named "--summary"): an empty value after "=" is refused.
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument(argv[index]);
        if (argument.starts_with("--") && argument.find('=') == argument.size() - 1) {
            const std::string name(argument.substr(0, argument.size() - 1));
            const CLI::Option* option = runner.get_option_no_throw(name);
            if (option && option->get_items_expected_max() > 0) {
                return refuse(name + " needs a value after \"=\"");
            }
        }
    }
    try {
        runner.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << runner.help();
        return ParsedRunnerOptions{std::nullopt, 0};
    } catch (const CLI::ParseError& error) {
        return refuse(error.what());
    }
    const std::pair<const CLI::Option*, const std::string*> valued[] = {{homeOption, &home},
                                                                        {serviceOption, &service},
                                                                        {gpsOption, &gps},
                                                                        {scriptOption, &script},
                                                                        {shotOption, &shot}};
    // CLI11 refuses a valued option given twice itself; a flag it would count. It takes whatever follows a valued
    // option for its value, another option too ("--home $UNSET --summary" once the shell has dropped the empty
    // word): one of the runner's own options is taken for a value left out.
    for (const auto& [option, value] : valued) {
        if (option->count() == 1 && value->empty()) {
            return refuse(option->get_name() + " needs a value");
        }
        if (value->starts_with("--") && runner.get_option_no_throw(value->substr(0, value->find('=')))) {
            return refuse(option->get_name() + " needs a value, not the option " + echoed(*value));
        }
    }
    for (const auto* flag : {clockOption, summaryOption}) {
        if (flag->count() > 1) {
            return refuse(flag->get_name() + " is given more than once");
        }
    }

    if (displayOption->count() > 1) {
        return refuse("--display is given more than once");
    }
    if (displayOption->count() > 0 && (summary || virtualClock)) {
        return refuse("--display runs the application on its own clock: leave out --summary and --virtual-clock");
    }

    RunnerOptions options;
    if (displayOption->count() > 0) {
        int port = 0;
        const auto [end, error] = std::from_chars(display.data(), display.data() + display.size(), port);
        if (!display.empty() &&
            (error != std::errc() || end != display.data() + display.size() || port < 1 || port > 65535)) {
            return refuse("--display takes a port from 1 to 65535, not " + echoed(display));
        }
        options.displayPort = port;
    }
    options.home = home;
    options.virtualClock = virtualClock;
    options.shot = shot;
    options.summary = summary;
    if (scriptOption->count() > 0) {
        options.script = script;
    }
    if (serviceOption->count() > 0) {
        std::string problem;
        const auto host = serviceHostOf(service, problem);
        if (!host) {
            return refuse("--service takes an address like http://127.0.0.1:8080, not " + echoed(service) + ": " +
                          problem);
        }
        options.serviceHost = *host;
    }
    if (gpsOption->count() > 0) {
        options.gps = qov::GpsFixJob::parseCoordinate(gps);
        if (!options.gps) {
            return refuse("--gps takes LAT,LON in degrees (such as 33.749,-84.388), not " + echoed(gps));
        }
        options.gpsText = gps;
    }
    return ParsedRunnerOptions{std::move(options), 0};
}

}  // namespace qovcli
