#include "cli/display/DisplayServer.h"

#include <future>
#include <sstream>

#include <gtest/gtest.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include "platform/base/Callback.h"
#include "platform/base/RunLoop.h"
#include "platform/gfx/Image.h"
#include "platform/net/Reachability.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "tests/cli/display/RawConnection.h"
#include "tests/support/PumpUntil.h"

namespace qovcli {
namespace {

using namespace platform::ui;

using qovtest::RawConnection;

// A window with a label "Today", a button "Refresh" that counts its taps and a text field "City", served by the
// display on a free port. The main loop runs on the display's clock, in real time: requests are served on the
// server's threads while the test's thread pumps the loop.
class DisplayServerTest : public ::testing::Test {
protected:
    DisplayServerTest() {
        platform::RunLoop::resetMain(clock);
        Application::resetShared();
        window->setBackgroundColor(platform::gfx::Color::white());
        label->setText("Today");
        button->setTitle("Refresh");
        button->addAction(kControlEventTouchUpInside, [this](Control&) { ++refreshes; });
        field->setPlaceholder("City");
        for (const auto& view : std::vector<std::shared_ptr<View>>{label, button, field}) {
            window->addSubview(view);
        }
        window->makeKeyAndVisible();
        frames->capture(device->state());
    }
    // The server again, with these limits.
    void restart(const DisplayLimits& limits) {
        server.reset();
        server = DisplayServer::start(0, device, frames, std::cerr, limits);
    }
    std::string host() const { return "Host: 127.0.0.1:" + std::to_string(server->port()) + "\r\n"; }

    ~DisplayServerTest() override {
        server.reset();
        Application::resetShared();
        platform::net::Reachability::shared()->setReachable(true);
    }

    // The request from another thread, the main loop running until it is answered.
    httplib::Result request(const std::string& method, const std::string& path, const std::string& body = {},
                            const std::string& host = {}) {
        auto answer = std::async(std::launch::async, [&] {
            httplib::Client client("127.0.0.1", server->port());
            // Generous for a loaded machine, and well short of the 20 s a page's wait for a frame may last.
            client.set_read_timeout(std::chrono::seconds(10));
            httplib::Headers headers{{"Host", host.empty() ? "127.0.0.1:" + std::to_string(server->port()) : host}};
            return method == "GET" ? client.Get(path, headers) : client.Post(path, headers, body, "text/plain");
        });
        qovtest::pumpUntil([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        return answer.get();
    }
    std::string withToken(const std::string& path) const {
        return path + (path.find('?') == std::string::npos ? "?" : "&") + "token=" + server->access().token();
    }
    int post(const std::string& path, const std::string& body = {}) {
        const auto result = request("POST", withToken(path), body);
        return result ? result->status : -1;
    }

    std::shared_ptr<DisplayClock> clock = std::make_shared<DisplayClock>();
    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<Label> label = std::make_shared<Label>(platform::gfx::Rect(10, 40, 200, 30));
    std::shared_ptr<Button> button =
        std::make_shared<Button>(ButtonType::RoundedRect, platform::gfx::Rect(220, 40, 90, 30));
    std::shared_ptr<TextField> field = std::make_shared<TextField>(platform::gfx::Rect(10, 100, 300, 31));
    std::shared_ptr<DisplayDevice> device = std::make_shared<DisplayDevice>(clock);
    std::shared_ptr<DisplayFrames> frames = std::make_shared<DisplayFrames>();
    std::unique_ptr<DisplayServer> server = DisplayServer::start(0, device, frames, std::cerr);
    int refreshes = 0;
};

TEST_F(DisplayServerTest, RefusesRequestsWithoutTheTokenOrForAnotherHost) {
    ASSERT_TRUE(server);
    const std::string port = std::to_string(server->port());
    const struct {
        std::string path;
        std::string host;
        int status;
    } cases[] = {
        {withToken("/"), "localhost:" + port, 200},   {"/frame.png", "", 403},
        {"/?token=" + std::string(32, '0'), "", 403}, {withToken("/"), "attacker.example:" + port, 403},
        {withToken("/"), "127.0.0.1", 403},
    };
    for (const auto& each : cases) {
        const auto result = request("GET", each.path, {}, each.host);
        EXPECT_EQ(result ? result->status : -1, each.status) << each.path << " Host " << each.host;
    }
    EXPECT_EQ(request("POST", "/tap?x=250&y=50")->status, 403);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(DisplayServerTest, ClicksAndKeysActAsTheScriptsTapsAndTyping) {
    ASSERT_TRUE(server);
    EXPECT_EQ(post("/tap?x=250&y=50"), 200);
    std::ostringstream output;
    ScreenScript(output).execute("tap Refresh");
    EXPECT_EQ(refreshes, 2) << "a click on the button taps it as the script does";

    EXPECT_EQ(post("/type", "L"), 422) << "no field is being edited yet";
    EXPECT_EQ(post("/tap?x=40&y=110"), 200);
    for (const char* key : {"L", "o", "x"}) {
        EXPECT_EQ(post("/type", key), 200);
    }
    EXPECT_EQ(post("/key?name=backspace"), 200);
    EXPECT_EQ(field->text(), "Lo");
    EXPECT_EQ(post("/key?name=escape"), 422);
    EXPECT_EQ(post("/tap?x=abc&y=1"), 400);
    // The wheel's pinch: nothing zooms in this window; a scale that is no number above 0 is malformed.
    EXPECT_EQ(post("/pinch?x=250&y=50&scale=1.25"), 422);
    EXPECT_EQ(post("/pinch?x=250&y=50&scale=0"), 400);
}

TEST_F(DisplayServerTest, AWaitingPageHearsOfTheNextFrame) {
    ASSERT_TRUE(server);
    const auto first = frames->latest();
    ASSERT_TRUE(first);
    auto next = std::async(std::launch::async, [&] {
        httplib::Client client("127.0.0.1", server->port());
        return client.Get(withToken("/state?after=" + std::to_string(first->number)));
    });
    EXPECT_FALSE(frames->capture(device->state())) << "nothing changed";
    label->setText("Tomorrow");
    EXPECT_TRUE(frames->capture(device->state()));
    qovtest::pumpUntil([&] { return next.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    const auto state = next.get();
    ASSERT_TRUE(state);
    const auto json = nlohmann::json::parse(state->body);
    EXPECT_EQ(json["frame"], first->number + 1);
    EXPECT_NE(json["dump"].get<std::string>().find("Tomorrow"), std::string::npos) << state->body;
    const auto& shown = json["device"];
    EXPECT_TRUE(shown["background"].is_boolean() && shown["network"].is_boolean()) << state->body;
    EXPECT_TRUE(shown["orientation"] == "portrait" || shown["orientation"] == "landscape") << state->body;
    EXPECT_EQ(shown["clockAhead"], clock->ahead()) << state->body;

    const auto picture = request("GET", withToken("/frame.png"));
    ASSERT_TRUE(picture);
    const auto image = platform::gfx::Image::fromPNGData(platform::Data(picture->body.begin(), picture->body.end()));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 640) << "drawn at twice the screen's size";
}

TEST_F(DisplayServerTest, DeviceButtons) {
    ASSERT_TRUE(server);
    EXPECT_EQ(post("/button?name=network"), 200);
    EXPECT_FALSE(platform::net::Reachability::shared()->isReachable());
    int fired = 0;
    platform::RunLoop::main().scheduleTimer(4000.0, false, [&](platform::Timer&) { ++fired; });
    EXPECT_EQ(post("/button?name=clock%2B600"), 200);
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(post("/button?name=clock%2B3600"), 200);
    EXPECT_DOUBLE_EQ(clock->ahead(), 4200.0);
    qovtest::pumpUntil([&] { return fired == 1; }, 2.0);
    EXPECT_EQ(fired, 1) << "timers fall due as the clock jumps";
    EXPECT_EQ(post("/button?name=clock%2B120"), 422);

    EXPECT_EQ(post("/button?name=home"), 200);
    EXPECT_EQ(Application::shared().state(), ApplicationState::Background);
    EXPECT_EQ(post("/tap?x=250&y=50"), 422) << "the application is in the background";
    EXPECT_EQ(post("/button?name=home"), 200);
    EXPECT_EQ(Application::shared().state(), ApplicationState::Active);
    EXPECT_EQ(post("/button?name=rotate"), 200);
    EXPECT_TRUE(Device::current().isLandscape());
    EXPECT_EQ(post("/button?name=eject"), 422);
    EXPECT_FALSE(device->state().network);
}

TEST_F(DisplayServerTest, IdleSlowAndAbandonedClientsDoNotStallAPersonsInput) {
    DisplayLimits limits;
    limits.mostConnections = 8;
    restart(limits);
    ASSERT_TRUE(server);
    std::vector<std::unique_ptr<RawConnection>> crowd;
    for (int each = 0; each < 20; ++each) {  // idle, and slow in sending their heads
        crowd.push_back(std::make_unique<RawConnection>(server->port()));
        if (each % 2 == 1) {
            crowd.back()->send("GET / HTTP/1.1\r\nHo");
        }
    }
    const std::string waitForNextFrame = "GET " +
                                         withToken("/state?after=" + std::to_string(frames->latest()->number)) +
                                         " HTTP/1.1\r\n" + host() + "\r\n";
    for (int each = 0; each < 8; ++each) {  // pages that went away while waiting for the next frame
        RawConnection abandoned(server->port());
        ASSERT_TRUE(abandoned.send(waitForNextFrame));
    }
    EXPECT_EQ(post("/tap?x=250&y=50"), 200);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(DisplayServerTest, AConnectionThatDoesNotDeliverItsRequestInTimeIsClosed) {
    DisplayLimits limits;
    limits.readTime = std::chrono::milliseconds(100);
    restart(limits);
    ASSERT_TRUE(server);
    RawConnection slow(server->port());
    ASSERT_TRUE(slow.send("GET " + withToken("/") + " HTTP/1.1\r\n"));
    EXPECT_EQ(slow.receiveAll(), "") << "closed without an answer";
}

TEST_F(DisplayServerTest, TheTokenIsCheckedBeforeTheBodyIsAwaited) {
    ASSERT_TRUE(server);
    RawConnection stranger(server->port());
    ASSERT_TRUE(stranger.send("POST /type HTTP/1.1\r\n" + host() + "Content-Length: 60000\r\n\r\nL"));
    EXPECT_EQ(stranger.receiveAll().substr(0, 12), "HTTP/1.1 403");
    RawConnection tooMuch(server->port());
    ASSERT_TRUE(
        tooMuch.send("POST " + withToken("/type") + " HTTP/1.1\r\n" + host() + "Content-Length: 70000\r\n\r\n"));
    EXPECT_EQ(tooMuch.receiveAll().substr(0, 12), "HTTP/1.1 413");
}

TEST_F(DisplayServerTest, FrameNumbersOutOfRangeAreRefused) {
    ASSERT_TRUE(server);
    for (const char* after : {"-1", "1e300", "18446744073709551616", "1.5", "abc", ""}) {
        const auto result = request("GET", withToken(std::string("/state?after=") + after));
        EXPECT_EQ(result ? result->status : -1, 400) << after;
    }
    const auto result = request("GET", withToken("/state?after=0"));
    EXPECT_EQ(result ? result->status : -1, 200);
}

TEST_F(DisplayServerTest, APortInUseIsNotShared) {
    ASSERT_TRUE(server);
    std::ostringstream err;
    EXPECT_FALSE(DisplayServer::start(server->port(), device, frames, err));
    EXPECT_NE(err.str().find("the port is in use"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace qovcli
