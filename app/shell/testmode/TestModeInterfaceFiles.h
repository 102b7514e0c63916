#pragma once

namespace qov {

// Registers the test-mode screens' interface files and their classes by name ("TestModeViewController",
// "TestConsoleViewController", tab screens the root controller makes). Called once before the application launches
// (registerApplication() does); registering again replaces the same builders.
void registerTestModeInterfaceFiles();

}  // namespace qov
