#pragma once

#include <string>
#include <string_view>

namespace platform {

// Text from outside (a service's answer, a file) made safe to write to a terminal or a one-line log: control
// characters, DEL and the C1 controls become visible escapes ("\n", "\t", "\r", "\x1B", "\u009B"), and bytes that
// are not UTF-8 become "\xNN"; everything else, backslashes included, is kept as it is.
std::string printableText(std::string_view text);

}  // namespace platform
