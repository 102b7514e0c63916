#pragma once

namespace platform {

// A program started with standard input, output or error closed (`>&-`, as cron and some service managers do)
// would hand that number to the next file or socket it opens, and then print into that file or read it as its
// input. Call this first thing in main, before anything is opened, on the main thread: each of the three that is
// closed is opened on the null device in the direction that makes its use fail (standard input write-only,
// standard output and error read-only), so that a read or write there fails with EBADF and is reported like any
// other. Answers false, with errno set, when the null device cannot be opened.
bool openClosedStandardDescriptors();

}  // namespace platform
