#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace platform::ui {

// The device runner's commands, one per line, acting on whatever the application shows:
//   tap TARGET        taps what TARGET names (see ScriptTarget: text, @Class, #N), the front-most alert's
//                     button while an alert shows; leading options --taps N (a double tap: 2) and
//                     --touches N (fingers at once) make other tap gestures, which only tap recognisers take;
//                     tap --if-alert TEXT taps the alert's button TEXT while an alert shows, and does nothing
//                     (no failure) when none does
//   scroll TARGET     scrolls the nearest scroll view around TARGET (which may be scrolled out of sight) until
//                     TARGET is inside it, as a user's swipe would (the scroll view's delegate hears the drag);
//                     a table has cells only for the rows in view, so drag a table instead
//   drag TARGET DX DY drags a finger DX, DY points across TARGET (a scroll view, or a view inside one): the
//                     content follows the finger, as far as it goes (negative DX reveals content to the right);
//                     a map pans
//   pinch TARGET SCALE  two fingers pinch TARGET by SCALE around its middle (above 1: apart): a map zooms in
//   type TEXT         types TEXT into the field being edited
//   key KEY           presses a key of the keyboard on the field being edited: return (also search: the
//                     keyboard's action key) or backspace
//   select INDEX      taps segment INDEX of the front-most visible segmented control
//   alert INDEX       clicks button INDEX of the alert or sheet in front
//   wait SECONDS      runs the main run loop for that long (0 to 86400); on a manual clock the time is virtual
//   dump              writes the visible screen as text
//   shot FILE.png     writes the screen as a PNG picture
//   quit              stops
// and the commands registered with registerCommand(). A UTF-8 byte-order mark before the first line, blank lines
// and lines starting with '#' are skipped; a line
// of kLineLimit bytes or more is an error that echoes only its first kLongLineEcho bytes, and the reader skips the
// rest of it unread; one that has not ended after kLongestSkippedLine bytes (input such as /dev/zero) ends the
// script with an error.
// After each command the run loop runs until idle. Output goes to the output stream; failures are written as
// "error: ..." lines to the error stream and counted; they never stop the script. An output stream gone bad (output
// that cannot be written) ends the script before its next line, silently: the caller tells. Main thread only.
class ScreenScript {
public:
    // A registered command gets the argument (the rest of its line, trimmed) and answers an error message,
    // or nullopt when it succeeded.
    using Command = std::function<std::optional<std::string>(const std::string& argument)>;

    // A line must be shorter than this, in bytes (its line end not counted).
    static constexpr std::size_t kLineLimit = 64 * 1024;
    // How much of a line that is too long its error echoes.
    static constexpr std::size_t kLongLineEcho = 60;
    // How much of a line that is too long the reader skips before it takes the line for one that never ends.
    static constexpr std::size_t kLongestSkippedLine = 16 * kLineLimit;

    // Errors go to the output stream too.
    explicit ScreenScript(std::ostream& output) : ScreenScript(output, output) {}
    ScreenScript(std::ostream& output, std::ostream& errors) : m_output(output), m_errors(errors) {}

    // Adds a command for every script of the process (a later registration of the name replaces the earlier
    // one); false, and nothing registered, for a built-in name or a name with blanks. An empty handler removes.
    static bool registerCommand(const std::string& name, Command command);

    // Runs one line; answers false once the script has quit.
    bool execute(const std::string& line);
    // Runs the lines of the input until its end, quit or the output going bad; false (and an error) when reading
    // failed.
    bool run(std::istream& input);
    // Runs a script file; false (and an error) when it cannot be read.
    bool runFile(const std::string& path);

    int failures() const { return m_failures; }
    bool hasQuit() const { return m_quit; }

private:
    bool tap(const std::string& argument);
    bool scroll(const std::string& argument);
    bool drag(const std::string& argument);
    bool pinch(const std::string& argument);
    bool type(const std::string& text);
    bool key(const std::string& argument);
    bool select(const std::string& argument);
    bool alert(const std::string& argument);
    bool wait(const std::string& argument);
    bool shot(const std::string& path);
    bool fail(const std::string& message);
    bool tooLong(std::string_view start);

    std::ostream& m_output;
    std::ostream& m_errors;
    int m_failures = 0;
    bool m_quit = false;
};

}  // namespace platform::ui
