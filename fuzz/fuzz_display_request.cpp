// Feeds arbitrary bytes to the device display as one connection's request, through the same reading, checks and
// routes the display's server uses, and runs what they ask for on a small live screen (a button and a text field;
// the input on this thread, as the main loop would). The word TOKEN in the input stands for the display's token,
// so the inputs reach past the door. The bytes are also read cut in half, as a connection may deliver them.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "cli/display/DisplayRoutes.h"
#include "platform/base/Clock.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

namespace {

using namespace platform::ui;

constexpr int kPort = 18640;
constexpr std::size_t kLargestHead = 16 * 1024;
constexpr std::size_t kLargestBody = 64 * 1024;

struct Display {
    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<qovcli::DisplayAccess> access = std::make_shared<qovcli::DisplayAccess>(kPort);
    std::shared_ptr<qovcli::DisplayFrames> frames = std::make_shared<qovcli::DisplayFrames>();
    std::shared_ptr<qovcli::DisplayDevice> device = std::make_shared<qovcli::DisplayDevice>(nullptr);
    qovcli::DisplayRoutes routes{access, frames};

    Display() {
        platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>());
        Application::resetShared();
        auto button = std::make_shared<Button>(ButtonType::RoundedRect, Rect(10, 40, 100, 30));
        button->setTitle("OK");
        window->addSubview(button);
        auto field = std::make_shared<TextField>(Rect(10, 100, 300, 31));
        field->setPlaceholder("City");
        window->addSubview(field);
        window->makeKeyAndVisible();
        frames->capture(device->state());
    }

    void serve(std::string_view received) {
        const auto step = routes.read(received, kLargestHead, kLargestBody);
        if (!step) {
            return;
        }
        std::string answer;
        if (const auto* now = std::get_if<qovcli::DisplayRoutes::Answer>(&*step)) {
            answer = now->bytes();
        } else if (std::holds_alternative<qovcli::DisplayRoutes::WaitForFrame>(*step)) {
            answer = routes.stateAnswer().bytes();
        } else {
            answer = qovcli::DisplayRoutes::inputAnswer(std::get<qovcli::DisplayRoutes::Input>(*step)(*device)).bytes();
            platform::RunLoop::main().runUntilIdle();
        }
        if (answer.rfind("HTTP/1.1 ", 0) != 0) {
            __builtin_trap();  // every answer is a well-formed status line
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Display display;
    std::string received(reinterpret_cast<const char*>(data), size);
    for (auto found = received.find("TOKEN"); found != std::string::npos; found = received.find("TOKEN", found)) {
        received.replace(found, 5, display.access->token());
        found += display.access->token().size();
    }
    display.serve(std::string_view(received).substr(0, received.size() / 2));
    display.serve(received);
    return 0;
}
