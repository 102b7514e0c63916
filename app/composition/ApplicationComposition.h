#pragma once

namespace qov {

// The one place that puts the application together: registers every library's interface files, the screens made
// by class name and the services the libraries hand each other (the shell's views and each shell folder's screens,
// the neighbouring sections' screens, the maps screens with their hooks). The runner, the tests' application world,
// the maps screen tests and the start-up benchmark call it before the application launches. Main thread; calling it
// again replaces the same registrations.
void registerApplication();

}  // namespace qov
