#pragma once

#include <httplib.h>

namespace qovsim {

// Makes an answer leave in one piece. The HTTP library writes the status line and headers, then the body in a
// second write; with Nagle's algorithm on, the second part waited for the client's delayed acknowledgement (about
// 40 ms per answer on a reused connection). The listening socket has Nagle's delay off (accepted connections
// inherit it), and hold() corks the request's connection until release() after the body, so headers and body go
// out as one segment.
//
// Threads: both act on the request thread that serves the connection; the library gives handlers no socket, so
// hold() looks the connection up by its endpoints once per connection and thread and keeps it.
class AnswerCoalescer {
public:
    static void setUpListeningSocket(socket_t socket);
    // In the handler, before the answer is written.
    static void hold(const httplib::Request& request);
    // After the answer was written (the server's logger runs then); does nothing when nothing is held.
    static void release();
};

}  // namespace qovsim
