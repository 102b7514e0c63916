#pragma once

namespace qov {

// Sends the messages libxml2 writes on its own (its generic and structured error channels, which print to
// standard error unless replaced) to the application's log instead, as warnings. libxml2 keeps these channels
// per thread: every entry point that calls into libxml2 calls routeToLog() first on its thread (cheap after
// the first call on a thread).
class LibXmlMessages {
public:
    static void routeToLog();
};

}  // namespace qov
