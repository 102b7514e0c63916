#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/display/DisplayAccess.h"
#include "cli/display/DisplayDevice.h"
#include "cli/display/DisplayFrames.h"
#include "cli/display/DisplayRequest.h"

namespace qovcli {

// An answer of the device display: its status, type and body; serialised with "Cache-Control: no-store" and
// "Connection: close" (each connection carries one request).
struct DisplayAnswer {
    int status = 200;
    std::string contentType;
    std::string body;

    std::string bytes() const;
};

// What the device display does with each request, apart from how requests arrive:
//   GET  /                     the page
//   GET  /state?after=N        the latest frame's state (JSON, see DisplayFrame) once its number is above N
//                              (N a plain decimal count, 0 when absent)
//   GET  /frame.png            the latest frame's picture
//   POST /tap?x=X&y=Y[&taps=N] a tap at that point of the screen, ending N quick taps in a row (1 to 5, 1 when
//                              absent: DisplayDevice::tap)
//   POST /drag?x=X&y=Y&dx=DX&dy=DY
//   POST /pinch?x=X&y=Y&scale=S  two fingers around that point pinch by S (above 1: zoom in)
//   POST /type                 the body (UTF-8) typed into the field being edited
//   POST /key?name=return|backspace
//   POST /button?name=NAME     a device button (DisplayDevice::press)
// Input answers 200 {"ok":true}, or 422 {"error": why nothing was done}; a malformed request 400, an unknown
// one 404, one DisplayAccess does not admit 403. Thread-safe: the inputs it hands out run on the main thread.
class DisplayRoutes {
public:
    // Answer at once.
    using Answer = DisplayAnswer;
    // Answer the state of the first frame numbered above this one (stateAnswer()), or of the latest when none
    // comes in time.
    struct WaitForFrame {
        std::uint64_t after;
    };
    // Run this on the main thread and answer its outcome (inputAnswer()).
    using Input = std::function<std::optional<std::string>(DisplayDevice&)>;
    using Step = std::variant<Answer, WaitForFrame, Input>;

    DisplayRoutes(std::shared_ptr<const DisplayAccess> access, std::shared_ptr<const DisplayFrames> frames)
        : m_access(std::move(access)), m_frames(std::move(frames)) {}

    // What to do with the bytes a connection delivered so far: nullopt while its request is incomplete. The head
    // is checked first: a malformed head (400), one larger than largestHead (431), one DisplayAccess does not
    // admit (403) or announcing a body larger than largestBody (413) is answered before its body is awaited.
    std::optional<Step> read(std::string_view received, std::size_t largestHead, std::size_t largestBody) const;
    // The latest frame's number; 0 before the first frame.
    std::uint64_t latestFrameNumber() const;
    // The latest frame's state, or 503 before the first frame.
    Answer stateAnswer() const;
    static Answer inputAnswer(const std::optional<std::string>& outcome);

private:
    Step route(const DisplayRequest& request) const;

    std::shared_ptr<const DisplayAccess> m_access;
    std::shared_ptr<const DisplayFrames> m_frames;
};

}  // namespace qovcli
