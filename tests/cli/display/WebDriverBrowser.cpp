#include "tests/cli/display/WebDriverBrowser.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qovtest {

namespace {

constexpr const char* kBrowser = "/usr/bin/chromium";
constexpr const char* kDriver = "/usr/bin/chromedriver";

// A loopback port nobody listens on now.
int freePort() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(socket);
    return port;
}

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

}  // namespace

bool WebDriverBrowser::isInstalled() { return std::filesystem::exists(kBrowser) && std::filesystem::exists(kDriver); }

std::unique_ptr<WebDriverBrowser> WebDriverBrowser::start(std::string& problem) {
    if (!isInstalled()) {
        problem = "chromium and chromium-driver are not installed (scripts/setup installs them)";
        return nullptr;
    }
    const int port = freePort();
    const pid_t driver = fork();
    if (driver == 0) {
        const std::string portArgument = "--port=" + std::to_string(port);
        execl(kDriver, kDriver, portArgument.c_str(), "--silent", static_cast<char*>(nullptr));
        _exit(127);
    }
    auto browser = std::unique_ptr<WebDriverBrowser>(new WebDriverBrowser(driver, port));
    // The driver takes a moment to listen (longer on a busy machine): ask for its status until it is ready,
    // for at most a minute, unless it ended.
    const auto ready = [&browser] {
        const auto status = browser->command("GET", "/status");
        return status && status->is_object() && status->value("ready", false);
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!ready()) {
        if (waitpid(driver, nullptr, WNOHANG) == driver) {
            browser->m_driver = -1;  // ended and reaped
        }
        if (browser->m_driver < 0 || std::chrono::steady_clock::now() > deadline) {
            problem = "chromedriver did not answer";
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    // The browser looks up no host name (its own sign-in and update checks would): the pages are on loopback.
    const auto arguments =
        nlohmann::json::array({"--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1280,800",
                               "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE 127.0.0.1"});
    const nlohmann::json capabilities{
        {"capabilities", {{"alwaysMatch", {{"goog:chromeOptions", {{"binary", kBrowser}, {"args", arguments}}}}}}}};
    // A browser that fails to come up in time on a busy machine gets another chance.
    nlohmann::json session;
    for (int attempt = 0; attempt < 3 && !session.contains("sessionId"); ++attempt) {
        session = browser->command("POST", "/session", capabilities).value_or(nlohmann::json::object());
    }
    if (!session.is_object() || !session.contains("sessionId")) {
        problem = "chromedriver did not start a browser";
        return nullptr;
    }
    browser->m_session = session["sessionId"].get<std::string>();
    return browser;
}

WebDriverBrowser::~WebDriverBrowser() {
    if (!m_session.empty()) {
        command("DELETE", "/session/" + m_session);
    }
    if (m_driver > 0) {
        kill(m_driver, SIGTERM);
        waitpid(m_driver, nullptr, 0);
    }
}

std::optional<nlohmann::json> WebDriverBrowser::command(const std::string& method, const std::string& path,
                                                        const nlohmann::json& body) {
    CURL* curl = curl_easy_init();
    std::string answer;
    const std::string url = "http://127.0.0.1:" + std::to_string(m_port) + path;
    const std::string payload = body.is_null() ? "{}" : body.dump();
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method.c_str());
    if (method == "POST") {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, payload.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
    // Starting the browser is the slowest command: generous on a loaded machine.
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 180L);
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    const auto parsed = nlohmann::json::parse(answer, nullptr, false);
    if (result != CURLE_OK || status != 200 || !parsed.is_object() || !parsed.contains("value")) {
        m_lastError = method + " " + path + ": " + (result != CURLE_OK ? curl_easy_strerror(result) : answer);
        return std::nullopt;
    }
    return parsed["value"];
}

bool WebDriverBrowser::open(const std::string& url) {
    return command("POST", "/session/" + m_session + "/url", {{"url", url}}).has_value();
}

nlohmann::json WebDriverBrowser::script(const std::string& body, const std::string& selector) {
    return command("POST", "/session/" + m_session + "/execute/sync", {{"script", body}, {"args", {selector}}})
        .value_or(nullptr);
}

std::string WebDriverBrowser::text(const std::string& selector) {
    const auto text =
        script("const found = document.querySelector(arguments[0]); return found && found.textContent;", selector);
    return text.is_string() ? text.get<std::string>() : "";
}

std::optional<std::pair<int, int>> WebDriverBrowser::inView(const std::string& selector, double x, double y) {
    const auto box = script(
        "const element = document.querySelector(arguments[0]);"
        "const x = " +
            std::to_string(x) + ", y = " + std::to_string(y) +
            ";"
            "let box = element.getBoundingClientRect();"
            "if (box.left + x < 0 || box.left + x >= innerWidth || box.top + y < 0 ||"
            "    box.top + y >= innerHeight) {"
            "  scrollBy(box.left + x - innerWidth / 2, box.top + y - innerHeight / 2);"
            "  box = element.getBoundingClientRect();"
            "}"
            "return [box.left, box.top];",
        selector);
    if (!box.is_array() || box.size() != 2) {
        return std::nullopt;
    }
    return std::pair{static_cast<int>(box[0].get<double>() + x), static_cast<int>(box[1].get<double>() + y)};
}

bool WebDriverBrowser::clickAt(const std::string& selector, double x, double y, int clicks) {
    const auto point = inView(selector, x, y);
    if (!point) {
        return false;
    }
    const nlohmann::json move{
        {"type", "pointerMove"}, {"origin", "viewport"}, {"x", point->first}, {"y", point->second}};
    nlohmann::json presses = nlohmann::json::array({move});
    for (int click = 0; click < clicks; ++click) {
        presses.push_back({{"type", "pointerDown"}, {"button", 0}});
        presses.push_back({{"type", "pointerUp"}, {"button", 0}});
    }
    const nlohmann::json actions{
        {"actions",
         {{{"type", "pointer"}, {"id", "mouse"}, {"parameters", {{"pointerType", "mouse"}}}, {"actions", presses}}}}};
    return command("POST", "/session/" + m_session + "/actions", actions).has_value();
}

bool WebDriverBrowser::wheelAt(const std::string& selector, double x, double y, double deltaY) {
    const auto point = inView(selector, x, y);
    if (!point) {
        return false;
    }
    const nlohmann::json turn{{"type", "scroll"},   {"origin", "viewport"}, {"x", point->first},
                              {"y", point->second}, {"deltaX", 0},          {"deltaY", static_cast<int>(deltaY)}};
    const nlohmann::json actions{{"actions", {{{"type", "wheel"}, {"id", "wheel"}, {"actions", {turn}}}}}};
    return command("POST", "/session/" + m_session + "/actions", actions).has_value();
}

std::string WebDriverBrowser::element(const std::string& selector) {
    const auto found =
        command("POST", "/session/" + m_session + "/element", {{"using", "css selector"}, {"value", selector}});
    // The driver names an element under this fixed key.
    constexpr const char* kElementKey = "element-6066-11e4-a52e-4f735466cecf";
    if (!found || !found->is_object() || !found->contains(kElementKey)) {
        m_lastError = "no element " + selector + (found ? ": " + found->dump() : "");
        return "";
    }
    return (*found)[kElementKey].get<std::string>();
}

bool WebDriverBrowser::typeInto(const std::string& selector, const std::string& text) {
    const std::string target = element(selector);
    return !target.empty() &&
           command("POST", "/session/" + m_session + "/element/" + target + "/value", {{"text", text}}).has_value();
}

}  // namespace qovtest
