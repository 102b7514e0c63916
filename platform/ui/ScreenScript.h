#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace platform::ui {

class View;

// The device runner's commands, one per line, acting on whatever the application shows:
//   tap TEXT       taps the front-most visible control, row, bar button or alert button showing TEXT
//   type TEXT      types TEXT into the field being edited
//   select INDEX   taps segment INDEX of the front-most visible segmented control
//   alert INDEX    clicks button INDEX of the alert or sheet in front
//   wait SECONDS   runs the main run loop for that long
//   dump           writes the visible screen as text
//   shot FILE.png  writes the screen as a PNG picture
//   quit           stops
// Blank lines and lines starting with '#' are skipped. After each command the run loop runs until idle.
// Failures are written as "error: ..." lines and counted; they never stop the script.
class ScreenScript {
public:
    explicit ScreenScript(std::ostream& output) : m_output(output) {}

    // Runs one line; answers false once the script has quit.
    bool execute(const std::string& line);
    // Runs the lines of the input until its end or quit.
    void run(std::istream& input);
    // Runs a script file; false (and an error line) when it cannot be read.
    bool runFile(const std::string& path);

    int failures() const { return m_failures; }
    bool hasQuit() const { return m_quit; }

private:
    bool tap(const std::string& text);
    bool type(const std::string& text);
    bool select(const std::string& argument);
    bool alert(const std::string& argument);
    bool wait(const std::string& argument);
    bool shot(const std::string& path);
    bool fail(const std::string& message);

    std::ostream& m_output;
    int m_failures = 0;
    bool m_quit = false;
};

}  // namespace platform::ui
