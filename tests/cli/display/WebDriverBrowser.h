#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <sys/types.h>
#include <nlohmann/json.hpp>

namespace qovtest {

// A headless Chromium in an ordinary 1280 x 800 window driven over the WebDriver protocol (plain HTTP and JSON
// through libcurl): chromedriver is started on a free loopback port with one browser session, both ended with the
// object. Every command waits
// for the browser's answer; a slow machine (chromium starting under load) only makes the waits longer, up to
// generous deadlines. Test thread only.
class WebDriverBrowser {
public:
    static bool isInstalled();
    // nullptr, with the reason in problem, when chromium or chromedriver is missing or does not start.
    static std::unique_ptr<WebDriverBrowser> start(std::string& problem);
    ~WebDriverBrowser();
    WebDriverBrowser(const WebDriverBrowser&) = delete;
    WebDriverBrowser& operator=(const WebDriverBrowser&) = delete;

    bool open(const std::string& url);
    // The text of the first element matching the CSS selector; "" when there is none.
    std::string text(const std::string& selector);
    // Mouse clicks in a quick row (2: a double click) x, y CSS pixels from the top left of the first element
    // matching the selector; the page is scrolled first when that point is out of view.
    bool clickAt(const std::string& selector, double x, double y, int clicks = 1);
    // The mouse wheel turned by deltaY pixels (negative: away from the person) with the pointer at x, y as above.
    bool wheelAt(const std::string& selector, double x, double y, double deltaY);
    // Types the text as key presses into the first element matching the selector (focused first).
    bool typeInto(const std::string& selector, const std::string& text);
    // Runs the script in the page with the selector as arguments[0]; its result, or null.
    nlohmann::json script(const std::string& body, const std::string& selector = {});
    // Why the latest command that failed did.
    const std::string& lastError() const { return m_lastError; }

private:
    WebDriverBrowser(pid_t driver, int port) : m_driver(driver), m_port(port) {}
    // A command to the driver: its answer's "value", or nullopt when it failed.
    std::optional<nlohmann::json> command(const std::string& method, const std::string& path,
                                          const nlohmann::json& body = {});
    // The point x, y CSS pixels from the top left of the first element matching the selector, in the viewport
    // (the page is scrolled first when that point is out of view); nullopt when there is no such element.
    std::optional<std::pair<int, int>> inView(const std::string& selector, double x, double y);
    // The driver's reference to the first element matching the selector; "" when there is none.
    std::string element(const std::string& selector);

    pid_t m_driver;
    int m_port;
    std::string m_session;
    std::string m_lastError;
};

}  // namespace qovtest
